#include "storage/InstanceLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

// Takes the lock at path; null when a live copy holds it. A lock that cannot
// be taken for any other reason (a folder the user may not write) is no copy:
// it must not lock the user out. QLockFile records the holder's process id,
// so the lock of a copy that crashed or was killed is found stale and taken over.
std::unique_ptr<QLockFile> TakeLock(const QString& path, bool& heldByAnother) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    bool locked = lock->tryLock(0);
    qint64 holder = 0;
    if (!locked && lock->error() == QLockFile::LockFailedError) {
        // A lock without a readable holder (empty after a power cut, damaged,
        // an older format) is stale too; one naming this very process id is a
        // killed copy's (ids come round again, on Windows after a restart too).
        // A live holder keeps a native lock on the file, so neither removal
        // can take a lock that is in use.
        const bool readable = lock->getLockInfo(&holder, nullptr, nullptr);
        if ((!readable || holder == QCoreApplication::applicationPid()) && lock->removeStaleLockFile()) {
            locked = lock->tryLock(0);
        }
    }
    heldByAnother = !locked && lock->error() == QLockFile::LockFailedError;
    return locked ? std::move(lock) : nullptr;
}

}  // namespace

bool InstanceLock::Claim(const QString& dataFolder) {
    if (claimed_) return true;
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QDir().mkpath(folder);
    bool heldByAnother = false;
    std::unique_ptr<QLockFile> userLock = TakeLock(folder + QStringLiteral("/yoruma-single-instance.lock"), heldByAnother);
    if (heldByAnother) return false;
    std::unique_ptr<QLockFile> dataLock;
    if (!dataFolder.isEmpty()) {
        dataLock = TakeLock(dataFolder + QStringLiteral("/yoruma.lock"), heldByAnother);
        if (heldByAnother) return false;
    }
    // Without a lock of its own (a folder that cannot be written) the copy
    // runs all the same.
    claimed_ = true;
    userLock_ = std::move(userLock);
    dataFolderLock_ = std::move(dataLock);
    return true;
}
