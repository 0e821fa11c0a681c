#include "storage/FileSafety.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#endif

namespace {

// The leftovers of QSaveFile: the file's name, a dot and six random letters
// or digits. One case alone is far likelier a word of the user's.
bool IsSaveLeftover(const QString& entry, const QStringList& names) {
    static const QRegularExpression kPattern(QStringLiteral("^(.+)\\.([A-Za-z0-9]{6})$"));
    const QRegularExpressionMatch match = kPattern.match(entry);
    if (!match.hasMatch() || !names.contains(match.captured(1))) return false;
    const QString suffix = match.captured(2);
    return suffix != suffix.toLower() && suffix != suffix.toUpper();
}

}  // namespace

#ifdef Q_OS_UNIX

namespace {

bool Ours(const struct stat& status) { return status.st_uid == geteuid(); }

std::optional<QByteArray> RealPath(const QByteArray& path) {
    char* resolved = realpath(path.constData(), nullptr);
    if (resolved == nullptr) return std::nullopt;
    QByteArray result(resolved);
    std::free(resolved);
    return result;
}

bool MissingError(int error) { return error == ENOENT || error == ENOTDIR; }

}  // namespace

QString CurrentDirectoryPath() {
    QByteArray raw(PATH_MAX, '\0');
    while (getcwd(raw.data(), static_cast<std::size_t>(raw.size())) == nullptr) {
        if (errno != ERANGE) return {};  // removed, or unreachable
        raw.resize(raw.size() * 2);
    }
    raw.truncate(static_cast<qsizetype>(qstrlen(raw.constData())));
    const QString path = QFile::decodeName(raw);
    if (QFile::encodeName(path) == raw) return path;
    // Qt makes relative paths absolute with the name it cannot hold; the
    // kernel's own name for the directory needs none.
#ifdef Q_OS_LINUX
    return QStringLiteral("/proc/self/cwd");
#else
    return QStringLiteral(".");
#endif
}

bool DataFolderRefused(const QString& folder) {
    const QByteArray native = QFile::encodeName(folder);
    struct stat status {};
    if (lstat(native.constData(), &status) != 0) return false;
    if (S_ISLNK(status.st_mode)) {
        if (!Ours(status)) return true;
        if (stat(native.constData(), &status) != 0) return false;
    }
    return S_ISDIR(status.st_mode) && !Ours(status);
}

FileContent ReadDataFile(const QString& folder, const QString& name, qint64 maxBytes) {
    if (DataFolderRefused(folder)) return {FileAccess::Refused, {}};
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
    struct stat status {};
    if (lstat(path.constData(), &status) != 0) {
        return {MissingError(errno) ? FileAccess::Missing : FileAccess::Unreadable, {}};
    }
    if (S_ISLNK(status.st_mode)) {
        if (!Ours(status)) return {FileAccess::Refused, {}};
        // A link of the user's may lead to another file of the folder, nowhere else.
        const std::optional<QByteArray> target = RealPath(path);
        const std::optional<QByteArray> realFolder = RealPath(QFile::encodeName(folder));
        if (!target || !realFolder || !target->startsWith(*realFolder + '/') ||
            target->indexOf('/', realFolder->size() + 1) >= 0 || stat(target->constData(), &status) != 0) {
            return {FileAccess::Refused, {}};
        }
    }
    // Checked before opening: opening a FIFO or a device may block or act.
    if (!S_ISREG(status.st_mode)) return {FileAccess::Unreadable, {}};
    if (!Ours(status)) return {FileAccess::Refused, {}};

    const int fd = open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return {MissingError(errno) ? FileAccess::Missing : FileAccess::Unreadable, {}};
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(fd);
        return {FileAccess::Unreadable, {}};
    }
    // What was opened may have been swapped since it was examined.
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return {FileAccess::Unreadable, {}};
    if (!Ours(status)) return {FileAccess::Refused, {}};
    // Asking for no more than the file holds spares a large buffer on every read.
    return {FileAccess::Read, file.read(std::min<qint64>(status.st_size, maxBytes))};
}

void RemoveSaveLeftovers(const QString& folder, const QStringList& names) {
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!IsSaveLeftover(entry, names)) continue;
        const QByteArray path = QFile::encodeName(dir.filePath(entry));
        struct stat status {};
        if (lstat(path.constData(), &status) == 0 && S_ISREG(status.st_mode) && Ours(status)) unlink(path.constData());
    }
}

#else  // Windows: no owners to compare; links are checked by Qt.

QString CurrentDirectoryPath() { return QDir::currentPath(); }

bool DataFolderRefused(const QString& /*folder*/) { return false; }

FileContent ReadDataFile(const QString& folder, const QString& name, qint64 maxBytes) {
    const QString path = folder + QLatin1Char('/') + name;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QFileInfo target(info.canonicalFilePath());
        if (info.canonicalFilePath().isEmpty() || target.absolutePath() != QFileInfo(folder).canonicalFilePath()) {
            return {FileAccess::Refused, {}};
        }
    } else if (!info.exists()) {
        return {FileAccess::Missing, {}};
    }
    if (!info.isFile()) return {FileAccess::Unreadable, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {FileAccess::Unreadable, {}};
    return {FileAccess::Read, file.read(std::min(file.size(), maxBytes))};
}

void RemoveSaveLeftovers(const QString& folder, const QStringList& names) {
    QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (IsSaveLeftover(entry, names) && !QFileInfo(dir.filePath(entry)).isSymLink()) dir.remove(entry);
    }
}

#endif
