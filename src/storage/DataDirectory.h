#pragma once
// The data folder "yorumadata", opened once. Every read, check and write of
// its files goes through this one open folder, never again through a path:
// a name swapped for a link between a check and a write (by anyone who may
// write the folder) can then never lead a write elsewhere. On Linux the folder
// is a directory descriptor (openat with O_NOFOLLOW, temporary files made with
// O_EXCL, renameat within it); on Windows it is its path.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

enum class FileAccess {
    Missing,     // nothing of that name, or no data folder
    Read,        // a regular file of the user's, read
    Unreadable,  // there, but not a regular file, or the user may not read it
    Refused,     // another user's, or a link that leads out of the data folder or nowhere
};

struct FileContent {
    FileAccess access = FileAccess::Missing;
    QByteArray bytes;
};

// Someone besides the user who may change what a folder holds.
struct OtherWriter {
    enum class Kind { Owner, EveryUser, Group };
    Kind kind;
    QString name;  // the owner or the group (its number where it has no name)
};

// A folder the program does not use because someone else may change it.
struct UnsafeFolder {
    QString path;
    bool startFolder;  // the folder the program was started in, where it would make the data folder
    OtherWriter writer;
};

// The copy of the program that holds a lock this copy wants.
struct LockHolder {
    qint64 processId = 0;  // 0: not known (another machine, or hidden from this user)
    QString program;
    friend bool operator==(const LockHolder&, const LockHolder&) = default;
};

// One file to replace: its new bytes, and what it held before (a file read,
// or none), which is put back when a later file of the same save fails.
struct Replacement {
    QString name;
    QByteArray bytes;
    FileContent old;
};

// The process's current directory; where its name does not survive the way
// through text (a Shift-JIS name from an archive, on a UTF-8 system), a name
// of it that does (/proc/self/cwd on Linux), so that the files are still
// found there. Empty when the directory has been removed.
QString CurrentDirectoryPath();

// "<basePath>/yorumadata".
inline QString DataFolderPath(const QString& basePath) { return basePath + QStringLiteral("/yorumadata"); }

class DataDirectory {
public:
    // No folder: nothing is read or written.
    DataDirectory();
    // Opens the data folder under basePath, making it (for the user alone)
    // when it is missing. It stays closed where basePath is empty (the current
    // directory was removed), where it cannot be opened, or where someone else
    // may change it (see Unsafe).
    explicit DataDirectory(const QString& basePath);
    ~DataDirectory();
    DataDirectory(DataDirectory&&) noexcept;
    DataDirectory& operator=(DataDirectory&&) noexcept;

    [[nodiscard]] bool IsOpen() const;
    // Why the folder was refused, when someone else may change it.
    const std::optional<UnsafeFolder>& Unsafe() const;

    // At most maxBytes of the file `name`. A link of the user's to another
    // file of the folder (by its bare name) is read as that file.
    [[nodiscard]] FileContent Read(const QString& name, qint64 maxBytes) const;
    // True when both names are one file (a link or a second name of the user's).
    [[nodiscard]] bool SameFile(const QString& first, const QString& second) const;

    // Replaces the files whole, in order, all or none: when one cannot be
    // replaced, those before it are put back as they were. A file is written
    // beside its name and put in its place in one step; where the folder may
    // not be written (mode 555), over itself, never cut shorter first. False,
    // and nothing changed, when the folder has gone from its place.
    [[nodiscard]] bool Replace(const std::vector<Replacement>& files);

    // Removes what saves of an earlier copy, killed while saving, left beside
    // the named files. Only for the copy that owns the folder.
    void RemoveLeftovers(const QStringList& names);

    // Claims the folder for this copy for as long as it runs; the holder when
    // another copy has it.
    [[nodiscard]] std::optional<LockHolder> Lock();

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    std::optional<UnsafeFolder> unsafe_;
};
