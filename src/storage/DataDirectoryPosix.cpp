#include "storage/DataDirectory.h"

#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "storage/Descriptor.h"
#include "storage/FolderWriters.h"
#include "storage/KernelLocks.h"
#include "storage/SaveLeftovers.h"

namespace {

constexpr char kFolderName[] = "yorumadata";

bool Ours(const struct stat& status) { return status.st_uid == geteuid(); }

// The entry a name stands for in the folder: the name itself, or, where it is
// a link of the user's to another file of the folder by its bare name, that
// file. Nothing for any other link: it could lead anywhere.
std::optional<QByteArray> EntryOf(int folder, const QString& name) {
    const QByteArray entry = QFile::encodeName(name);
    struct stat status {};
    if (fstatat(folder, entry.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(status.st_mode)) return entry;
    if (!Ours(status)) return std::nullopt;
    QByteArray target(PATH_MAX, '\0');
    const ssize_t length = readlinkat(folder, entry.constData(), target.data(), static_cast<size_t>(target.size()));
    if (length <= 0 || length >= target.size()) return std::nullopt;
    target.truncate(length);
    if (target.contains('/') || target == "." || target == "..") return std::nullopt;
    return target;
}

// A new file keeps who may read the old one, but never lets anyone else write it.
mode_t ModeFor(int folder, const QByteArray& entry) {
    struct stat status {};
    if (fstatat(folder, entry.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(status.st_mode)) {
        return S_IRUSR | S_IWUSR;
    }
    return status.st_mode & (S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
}

bool WriteAll(int file, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step = write(file, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (step < 0 && errno == EINTR) continue;
        if (step <= 0) return false;
        written += step;
    }
    return true;
}

// A file written beside its name under a name of its own, and put in the
// name's place in one step. It is removed again unless it got there.
class StagedFile {
public:
    StagedFile(int folder, QByteArray entry) : folder_(folder), entry_(std::move(entry)) {}
    StagedFile(StagedFile&& other) noexcept
        : folder_(other.folder_),
          entry_(std::move(other.entry_)),
          name_(std::exchange(other.name_, {})),
          file_(std::move(other.file_)) {}
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    StagedFile& operator=(StagedFile&&) = delete;
    ~StagedFile() {
        if (!name_.isEmpty()) unlinkat(folder_, name_.constData(), 0);
    }

    // False with errno set when no file could be made (EACCES: the folder may
    // not be written); O_EXCL and O_NOFOLLOW make sure it is a new file of ours.
    bool Create(mode_t mode) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = TemporaryNameBeside(entry_);
            const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
            file_ = Descriptor(openat(folder_, name.constData(), flags, mode));
            if (file_.IsOpen()) {
                name_ = name;
                return fchmod(file_.Get(), mode) == 0;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }

    // On disk before it may take the old file's place: a power cut after the
    // rename must not leave an empty file there.
    bool Write(const QByteArray& bytes) {
        const bool written = WriteAll(file_.Get(), bytes) && fsync(file_.Get()) == 0;
        file_ = Descriptor();
        return written;
    }

    bool PutInPlace() {
        if (renameat(folder_, name_.constData(), folder_, entry_.constData()) != 0) return false;
        name_.clear();
        return true;
    }

private:
    int folder_;
    QByteArray entry_;
    QByteArray name_;
    Descriptor file_;
};

// Where the folder may not be written (mode 555), a file is written over
// itself: the new line goes over the old one in one write, and only then is
// the file cut to the new length. A kill between the steps leaves the new line
// first and a rest of the old one after it, which is never read (only the
// first line is). A kill may cut a write between pages only, so a line longer
// than a page is not written this way.
bool WriteOver(int folder, const QByteArray& entry, const QByteArray& bytes) {
    if (bytes.size() > sysconf(_SC_PAGESIZE)) return false;
    const Descriptor file(openat(folder, entry.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!file.IsOpen() || fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode) || !Ours(status)) return false;
    const auto length = static_cast<off_t>(bytes.size());
    // Grown first where the line is longer, so that a size limit or a full disk
    // fails this step whole instead of cutting the write.
    if (length > status.st_size && ftruncate(file.Get(), length) != 0) return false;
    return pwrite(file.Get(), bytes.constData(), static_cast<size_t>(bytes.size()), 0) == length &&
           ftruncate(file.Get(), length) == 0 && fsync(file.Get()) == 0;
}

bool ReplaceInPlace(int folder, const std::vector<QByteArray>& entries, const std::vector<Replacement>& files) {
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (WriteOver(folder, entries[i], files[i].bytes)) continue;
        for (std::size_t done = 0; done < i; ++done) WriteOver(folder, entries[done], files[done].old.bytes);
        return false;
    }
    return true;
}

}  // namespace

struct DataDirectory::Handle {
    Descriptor start;   // the folder the program was started in
    Descriptor folder;  // the data folder
    dev_t device;
    ino_t inode;

    // A data folder moved away or replaced while the program runs is no
    // longer the one the user means.
    bool InItsPlace() const {
        struct stat now {};
        return fstatat(start.Get(), kFolderName, &now, 0) == 0 && now.st_dev == device && now.st_ino == inode;
    }
};

QString CurrentDirectoryPath() {
    QByteArray raw(PATH_MAX, '\0');
    while (getcwd(raw.data(), static_cast<std::size_t>(raw.size())) == nullptr) {
        if (errno != ERANGE) return {};  // removed, or unreachable
        raw.resize(raw.size() * 2);
    }
    raw.truncate(static_cast<qsizetype>(qstrlen(raw.constData())));
    const QString path = QFile::decodeName(raw);
    if (QFile::encodeName(path) == raw) return path;
#ifdef Q_OS_LINUX
    // Qt makes relative paths absolute with the name it cannot hold; the
    // kernel's own name for the directory needs none.
    return QStringLiteral("/proc/self/cwd");
#else
    return QStringLiteral(".");
#endif
}

DataDirectory::DataDirectory() = default;
DataDirectory::~DataDirectory() = default;
DataDirectory::DataDirectory(DataDirectory&&) noexcept = default;
DataDirectory& DataDirectory::operator=(DataDirectory&&) noexcept = default;

DataDirectory::DataDirectory(const QString& basePath) {
    if (basePath.isEmpty()) return;
    Descriptor start(open(QFile::encodeName(basePath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat entry {};
    struct stat startStatus {};
    if (!start.IsOpen() || fstat(start.Get(), &startStatus) != 0) return;
    const bool missing = fstatat(start.Get(), kFolderName, &entry, AT_SYMLINK_NOFOLLOW) != 0;
    const bool link = !missing && S_ISLNK(entry.st_mode);
    if (link && !Ours(entry)) {
        unsafe_ = UnsafeFolder{DataFolderPath(basePath), false, *OtherWriterOf(entry, false)};
        return;
    }
    // The folder is made, and a link of the user's to it followed, only where
    // nobody else may put something else in its place.
    if (missing || link) {
        if (const std::optional<OtherWriter> writer = OtherWriterOf(startStatus, true)) {
            unsafe_ = UnsafeFolder{basePath, true, *writer};
            return;
        }
    }
    // For the user alone (the umask may take more away, never add).
    if (missing) mkdirat(start.Get(), kFolderName, S_IRWXU);
    const int noLink = link ? 0 : O_NOFOLLOW;
    Descriptor folder(openat(start.Get(), kFolderName, O_RDONLY | O_DIRECTORY | O_CLOEXEC | noLink));
    struct stat status {};
    if (!folder.IsOpen() || fstat(folder.Get(), &status) != 0) return;
    if (const std::optional<OtherWriter> writer = OtherWriterOf(status, false)) {
        unsafe_ = UnsafeFolder{DataFolderPath(basePath), false, *writer};
        return;
    }
    handle_ = std::make_unique<Handle>(Handle{std::move(start), std::move(folder), status.st_dev, status.st_ino});
}

bool DataDirectory::IsOpen() const { return handle_ != nullptr; }

const std::optional<UnsafeFolder>& DataDirectory::Unsafe() const { return unsafe_; }

FileContent DataDirectory::Read(const QString& name, qint64 maxBytes) const {
    if (!handle_) return {FileAccess::Refused, {}};
    const std::optional<QByteArray> entry = EntryOf(handle_->folder.Get(), name);
    if (!entry) return {FileAccess::Refused, {}};
    // Without blocking: opening a FIFO for reading would wait for a writer for good.
    const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    const int descriptor = openat(handle_->folder.Get(), entry->constData(), flags);
    if (descriptor < 0) {
        if (errno == ENOENT) return {FileAccess::Missing, {}};
        return {errno == ELOOP ? FileAccess::Refused : FileAccess::Unreadable, {}};
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(descriptor);
        return {FileAccess::Unreadable, {}};
    }
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) return {FileAccess::Unreadable, {}};
    if (!Ours(status)) return {FileAccess::Refused, {}};
    // Asking for no more than the file holds spares a large buffer on every read.
    return {FileAccess::Read, file.read(std::min<qint64>(status.st_size, maxBytes))};
}

bool DataDirectory::SameFile(const QString& first, const QString& second) const {
    if (!handle_) return false;
    const int folder = handle_->folder.Get();
    const std::optional<QByteArray> firstEntry = EntryOf(folder, first);
    const std::optional<QByteArray> secondEntry = EntryOf(folder, second);
    struct stat one {};
    struct stat other {};
    return firstEntry && secondEntry && fstatat(folder, firstEntry->constData(), &one, AT_SYMLINK_NOFOLLOW) == 0 &&
           fstatat(folder, secondEntry->constData(), &other, AT_SYMLINK_NOFOLLOW) == 0 && one.st_dev == other.st_dev &&
           one.st_ino == other.st_ino;
}

bool DataDirectory::Replace(const std::vector<Replacement>& files) {
    if (!handle_ || !handle_->InItsPlace()) return false;
    const int folder = handle_->folder.Get();
    std::vector<QByteArray> entries;
    for (const Replacement& file : files) {
        const std::optional<QByteArray> entry = EntryOf(folder, file.name);
        if (!entry) return false;
        entries.push_back(*entry);
    }
    // Every new file, and a copy of each old one to put back should a later
    // file fail, is written before any takes a place: a full disk stops the
    // save before it has changed anything.
    std::vector<StagedFile> newFiles;
    std::vector<StagedFile> oldFiles;
    newFiles.reserve(files.size());
    oldFiles.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const mode_t mode = ModeFor(folder, entries[i]);
        StagedFile& newFile = newFiles.emplace_back(folder, entries[i]);
        if (!newFile.Create(mode)) {
            const bool folderReadOnly = errno == EACCES || errno == EPERM;
            newFiles.clear();
            return folderReadOnly && ReplaceInPlace(folder, entries, files);
        }
        if (!newFile.Write(files[i].bytes)) return false;
        StagedFile& oldFile = oldFiles.emplace_back(folder, entries[i]);
        const bool putBackLater = i + 1 < files.size() && files[i].old.access == FileAccess::Read;
        if (putBackLater && !(oldFile.Create(mode) && oldFile.Write(files[i].old.bytes))) return false;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (newFiles[i].PutInPlace()) continue;
        for (std::size_t done = i; done-- > 0;) {
            if (files[done].old.access == FileAccess::Read) {
                oldFiles[done].PutInPlace();
            } else {
                unlinkat(folder, entries[done].constData(), 0);
            }
        }
        return false;
    }
    // The renames themselves on disk.
    fsync(folder);
    return true;
}

void DataDirectory::RemoveLeftovers(const QStringList& names) {
    if (!handle_) return;
    const int folder = handle_->folder.Get();
    // The listing gets a descriptor of its own: closing it closes that one.
    const int listed = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = listed >= 0 ? fdopendir(listed) : nullptr;
    if (listing == nullptr) {
        if (listed >= 0) close(listed);
        return;
    }
    while (const dirent* entry = readdir(listing)) {
        if (!IsSaveLeftover(QFile::decodeName(entry->d_name), names)) continue;
        struct stat status {};
        const bool ownFile = fstatat(folder, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
                             S_ISREG(status.st_mode) && Ours(status);
        if (ownFile) unlinkat(folder, entry->d_name, 0);
    }
    closedir(listing);
}

std::optional<LockHolder> DataDirectory::Lock() {
    if (!handle_) return std::nullopt;
    return TakeKernelLock(handle_->folder.Get());
}
