#include "storage/KernelLocks.h"

#include <QFile>
#include <QList>

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>

namespace {

// The process that holds a lock on the file, from the kernel's own list of
// locks, where a line reads "1: FLOCK  ADVISORY  WRITE 1234 fe:00:5678 0 EOF":
// the holder's process id, the device (major and minor, in hex) and the inode.
LockHolder HolderOf(int descriptor) {
    struct stat status {};
    QFile locks(QStringLiteral("/proc/locks"));
    if (fstat(descriptor, &status) != 0 || !locks.open(QIODevice::ReadOnly)) return {};
    const QByteArray file = QString::asprintf("%02x:%02x:%llu", major(status.st_dev), minor(status.st_dev),
                                              static_cast<unsigned long long>(status.st_ino))
                                .toLatin1();
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || fields[1] != "FLOCK" || fields[5] != file) continue;
        LockHolder holder{fields[4].toLongLong(), {}};
        QFile program(QStringLiteral("/proc/%1/comm").arg(holder.processId));
        if (program.open(QIODevice::ReadOnly)) holder.program = QString::fromLocal8Bit(program.readAll().trimmed());
        return holder;
    }
    return {};
}

}  // namespace

std::optional<LockHolder> TakeKernelLock(int descriptor) {
    if (flock(descriptor, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK) return std::nullopt;
    return HolderOf(descriptor);
}
