#include "storage/DataDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#include "storage/LockFileWindows.h"
#include "storage/SaveLeftovers.h"

// Windows has no owners to compare here; links are checked by Qt, and saves
// go through QSaveFile by path.
struct DataDirectory::Handle {
    QString folder;
    std::unique_ptr<QLockFile> lock;

    QString PathOf(const QString& name) const { return folder + QLatin1Char('/') + name; }
};

namespace {

bool SaveWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // The bytes are flushed here, and a failure caught here: commit() flushes
    // too, but on a full disk it would put an empty file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

QString CurrentDirectoryPath() { return QDir::currentPath(); }

DataDirectory::DataDirectory() = default;
DataDirectory::~DataDirectory() = default;
DataDirectory::DataDirectory(DataDirectory&&) noexcept = default;
DataDirectory& DataDirectory::operator=(DataDirectory&&) noexcept = default;

DataDirectory::DataDirectory(const QString& basePath) {
    if (basePath.isEmpty()) return;
    // Already there, or impossible to make: either way the file steps decide.
    QDir(basePath).mkdir(QStringLiteral("yorumadata"));
    handle_ = std::make_unique<Handle>();
    handle_->folder = DataFolderPath(basePath);
}

bool DataDirectory::IsOpen() const { return handle_ != nullptr; }

const std::optional<UnsafeFolder>& DataDirectory::Unsafe() const { return unsafe_; }

FileContent DataDirectory::Read(const QString& name, qint64 maxBytes) const {
    if (!handle_) return {FileAccess::Refused, {}};
    const QString path = handle_->PathOf(name);
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QFileInfo target(info.canonicalFilePath());
        if (info.canonicalFilePath().isEmpty() ||
            target.absolutePath() != QFileInfo(handle_->folder).canonicalFilePath()) {
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

bool DataDirectory::SameFile(const QString& first, const QString& second) const {
    if (!handle_) return false;
    const QString one = QFileInfo(handle_->PathOf(first)).canonicalFilePath();
    return !one.isEmpty() && one == QFileInfo(handle_->PathOf(second)).canonicalFilePath();
}

bool DataDirectory::Replace(const std::vector<Replacement>& files) {
    if (!handle_ || !QFileInfo(handle_->folder).isDir()) return false;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (SaveWhole(handle_->PathOf(files[i].name), files[i].bytes)) continue;
        for (std::size_t done = i; done-- > 0;) {
            const QString path = handle_->PathOf(files[done].name);
            if (files[done].old.access == FileAccess::Read) {
                SaveWhole(path, files[done].old.bytes);
            } else {
                QFile::remove(path);
            }
        }
        return false;
    }
    return true;
}

void DataDirectory::RemoveLeftovers(const QStringList& names) {
    if (!handle_) return;
    QDir dir(handle_->folder);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (IsSaveLeftover(entry, names) && !QFileInfo(dir.filePath(entry)).isSymLink()) dir.remove(entry);
    }
}

std::optional<LockHolder> DataDirectory::Lock() {
    if (!handle_) return std::nullopt;
    std::optional<LockHolder> holder;
    handle_->lock = TakeLockFile(handle_->PathOf(QStringLiteral("yoruma.lock")), holder);
    return holder;
}
