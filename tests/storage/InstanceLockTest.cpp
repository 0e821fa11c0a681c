// One copy per user and one per data folder: copies of one user with different
// runtime folders (a terminal under su, a cron job) meet at the folder. Only a
// live copy holds a lock; nothing left in the folder (by an older version, a
// crash, another machine sharing it) stands in anyone's way.

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "storage/InstanceLock.h"
#include "support/DataFolder.h"

namespace {

void UseRuntimeFolder(const QString& folder) { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder)); }

TEST(InstanceLock, OnlyALiveCopyHoldsIt) {
    // What the data folder holds before the first copy starts; '*' any user,
    // 'u' not root (root may write a folder of mode 555).
    const struct { const char* left; char runAs; } cases[] = {
        {"nothing", '*'}, {"a FIFO", '*'}, {"a dangling link", '*'}, {"a file of mode 000", '*'}, {"a folder", '*'},
        {"a lock of a copy on another machine", '*'}, {"nothing, in a folder of mode 555", 'u'},
    };
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left);
        if (c.runAs == 'u' && geteuid() == 0) continue;
        QTemporaryDir base, otherBase, runtime, otherRuntime;
        const QString folder = base.path() + "/yorumadata";
        const QByteArray lock = QFile::encodeName(folder + "/yoruma.lock");
        QDir(base.path()).mkdir("yorumadata");
        QDir(otherBase.path()).mkdir("yorumadata");
        const QString left = c.left;
        if (left == "a FIFO") mkfifo(lock.constData(), 0644);
        if (left == "a dangling link") symlink("gone", lock.constData());
        if (left == "a folder") QDir(folder).mkdir("yoruma.lock");
        QFile file(folder + "/yoruma.lock");
        if (left.startsWith("a file") || left.startsWith("a lock")) {
            file.open(QIODevice::WriteOnly);
            file.write(left.startsWith("a lock") ? "4242\nyoruma\nanother-machine\n" : "");
            file.close();
            if (left.startsWith("a file")) chmod(lock.constData(), 0);
        }
        if (left.contains("555")) chmod(QFile::encodeName(folder).constData(), 0555);

        UseRuntimeFolder(runtime.path());
        InstanceLock first;
        EXPECT_TRUE(first.Claim(folder)) << "the first copy is kept out";
        UseRuntimeFolder(otherRuntime.path());
        InstanceLock sameFolder;
        EXPECT_FALSE(sameFolder.Claim(folder)) << "a second copy on the data folder runs";
        UseRuntimeFolder(runtime.path());
        InstanceLock sameUser;
        EXPECT_FALSE(sameUser.Claim(otherBase.path() + "/yorumadata")) << "a second copy of the user runs";
        chmod(QFile::encodeName(folder).constData(), 0755);
    }
    // A relative runtime folder is no runtime folder: nothing is made in the current one.
    ScratchDirectory scratch;
    UseRuntimeFolder("relative/runtime");
    InstanceLock relative;
    relative.Claim(QString());
    EXPECT_FALSE(QDir(scratch.Path()).exists("relative"));
    qputenv("XDG_RUNTIME_DIR", previous);
}

}  // namespace
