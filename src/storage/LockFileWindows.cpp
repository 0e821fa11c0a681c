#include "storage/LockFileWindows.h"

#include <QCoreApplication>

std::unique_ptr<QLockFile> TakeLockFile(const QString& path, std::optional<LockHolder>& holder) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    bool locked = lock->tryLock(0);
    qint64 processId = 0;
    QString program;
    if (!locked && lock->error() == QLockFile::LockFailedError) {
        // A lock without a readable holder (empty after a power cut, damaged,
        // an older format) is stale too; one naming this very process id is a
        // killed copy's (ids come round again, after a restart too). A live
        // holder keeps a native lock on the file, so neither removal can take
        // a lock that is in use.
        const bool readable = lock->getLockInfo(&processId, nullptr, &program);
        if ((!readable || processId == QCoreApplication::applicationPid()) && lock->removeStaleLockFile()) {
            locked = lock->tryLock(0);
        }
    }
    if (!locked && lock->error() == QLockFile::LockFailedError) holder = LockHolder{processId, program};
    return locked ? std::move(lock) : nullptr;
}
