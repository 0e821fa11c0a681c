#pragma once
// How the program meets its data folder without harm to anyone: it uses only
// a folder and files of the user who runs it, follows a symbolic link only to
// a place inside the data folder, and reads only regular files (opening a FIFO
// would block start-up for good). Another user who can write the directory
// the program is started from (/tmp) could otherwise make it write over any
// file of the user's through a planted link.

#include <QByteArray>
#include <QString>

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

// The process's current directory; where its name does not survive the way
// through text (a Shift-JIS name from an archive, on a UTF-8 system), a name
// of it that does (/proc/self/cwd on Linux), so that the files are still
// found there. Empty when the directory has been removed.
QString CurrentDirectoryPath();

// True when the data folder is another user's, or reached through another
// user's link. A missing folder is not refused.
bool DataFolderRefused(const QString& folder);

// Reads at most maxBytes of the file `name` in the data folder.
FileContent ReadDataFile(const QString& folder, const QString& name, qint64 maxBytes);

// Removes what a save of one of the named files left behind when the
// program was killed between writing and renaming: the name, a dot and six
// letters or digits, in mixed case (a user's "option.ini.backup" stays).
void RemoveSaveLeftovers(const QString& folder, const QStringList& names);
