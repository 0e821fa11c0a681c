#include "storage/InstanceLock.h"

#include <QDir>
#include <QStandardPaths>

#include "storage/LockFileWindows.h"

struct InstanceLock::UserLock {
    std::unique_ptr<QLockFile> file;
};

InstanceLock::InstanceLock() = default;
InstanceLock::~InstanceLock() = default;

std::optional<LockHolder> InstanceLock::Claim(DataDirectory& dataFolder) {
    if (userLock_) return std::nullopt;
    // A relative path names no runtime folder: it would be a place under the current directory.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QDir::isAbsolutePath(folder)) folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QDir().mkpath(folder);
    std::optional<LockHolder> holder;
    std::unique_ptr<QLockFile> file = TakeLockFile(folder + QStringLiteral("/yoruma-single-instance.lock"), holder);
    if (holder) return holder;
    if (std::optional<LockHolder> dataHolder = dataFolder.Lock()) return dataHolder;
    userLock_ = std::make_unique<UserLock>(UserLock{std::move(file)});
    return std::nullopt;
}
