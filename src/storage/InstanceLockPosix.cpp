#include "storage/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>

#include "storage/Descriptor.h"
#include "storage/FolderWriters.h"
#include "storage/KernelLocks.h"

struct InstanceLock::UserLock {
    Descriptor descriptor;
};

namespace {

// The user's lock: a file in the runtime folder (XDG_RUNTIME_DIR), or, without
// one, in the cache folder. A relative path names no such folder (it would be
// a place under the current directory), and only a folder nobody else may
// write will do. Where something of the file's name cannot be opened as a
// file (a link, a folder), the folder itself is locked instead.
Descriptor OpenUserLock() {
    const QString candidates[] = {qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                  QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)};
    for (const QString& path : candidates) {
        if (!QDir::isAbsolutePath(path) || !QDir().mkpath(path)) continue;
        Descriptor folder(open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        struct stat status {};
        if (!folder.IsOpen() || fstat(folder.Get(), &status) != 0 || OtherWriterOf(status, false)) continue;
        Descriptor file(openat(folder.Get(), "yoruma-single-instance.lock",
                               O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, S_IRUSR | S_IWUSR));
        return file.IsOpen() ? std::move(file) : std::move(folder);
    }
    return Descriptor();
}

}  // namespace

InstanceLock::InstanceLock() = default;
InstanceLock::~InstanceLock() = default;

std::optional<LockHolder> InstanceLock::Claim(DataDirectory& dataFolder) {
    if (userLock_) return std::nullopt;
    Descriptor userLock = OpenUserLock();
    if (userLock.IsOpen()) {
        if (std::optional<LockHolder> holder = TakeKernelLock(userLock.Get())) return holder;
    }
    if (std::optional<LockHolder> holder = dataFolder.Lock()) return holder;
    userLock_ = std::make_unique<UserLock>(UserLock{std::move(userLock)});
    return std::nullopt;
}
