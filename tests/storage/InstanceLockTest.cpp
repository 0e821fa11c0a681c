// One copy per user and one per data folder: copies of one user with different
// runtime folders (a terminal under su, a cron job) meet at the folder. Only a
// live copy holds a lock, and a refused copy learns which; nothing left in the
// folder (by an older version, a crash, another machine sharing it) stands in
// anyone's way.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include "storage/InstanceLock.h"
#include "support/Printers.h"

namespace {

void UseRuntimeFolder(const QString& folder) { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder)); }

TEST(InstanceLock, OnlyALiveCopyHoldsIt) {
    // What the data folder holds when the first copy starts, the shell command
    // run in it that makes it, and whether only a user other than root can
    // try it (root may write a folder of mode 555).
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"nothing", ":", false},
        {"a FIFO", "mkfifo yoruma.lock", false},
        {"a dangling link", "ln -s gone yoruma.lock", false},
        {"a file of mode 000", ": >yoruma.lock && chmod 000 yoruma.lock", false},
        {"a folder", "mkdir yoruma.lock", false},
        {"the lock of a copy on another machine", "printf '4242\\nyoruma\\nfaraway\\n' >yoruma.lock", false},
        {"nothing, in a folder of mode 555", "chmod 555 .", true},
    };
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    for (const auto& [left, made, notAsRoot] : cases) {
        SCOPED_TRACE(left);
        if (notAsRoot && geteuid() == 0) continue;
        QTemporaryDir base;
        QTemporaryDir otherBase;
        QTemporaryDir runtime;
        QTemporaryDir otherRuntime;
        DataDirectory firstFolder(base.path());
        DataDirectory secondFolder(base.path());
        DataDirectory otherFolder(otherBase.path());
        ASSERT_EQ(QProcess::execute("sh", {"-c", "cd '" + base.path() + "/yorumadata' && " + made}), 0) << "not made";
        const LockHolder thisProcess{getpid(), "storage_tests"};
        UseRuntimeFolder(runtime.path());
        InstanceLock first;
        EXPECT_EQ(first.Claim(firstFolder), std::nullopt) << "the first copy is kept out";
        UseRuntimeFolder(otherRuntime.path());
        InstanceLock sameFolder;
        EXPECT_EQ(sameFolder.Claim(secondFolder), thisProcess) << "a second copy on the data folder runs";
        UseRuntimeFolder(runtime.path());
        InstanceLock sameUser;
        EXPECT_EQ(sameUser.Claim(otherFolder), thisProcess) << "a second copy of the user runs";
    }
    // A copy in another process is named by its own number and name.
    QTemporaryDir base;
    QTemporaryDir runtime;
    DataDirectory folder(base.path());
    QProcess holder;
    holder.start("flock", {base.path() + "/yorumadata", "-c", "echo locked; read -r line"});
    ASSERT_TRUE(holder.waitForReadyRead(10000)) << "flock(1) did not lock the folder";
    UseRuntimeFolder(runtime.path());
    InstanceLock another;
    EXPECT_EQ(another.Claim(folder), (LockHolder{holder.processId(), "flock"}));
    holder.closeWriteChannel();
    holder.waitForFinished();
    // A relative runtime folder is no runtime folder: nothing is made in the
    // current directory. (The claim falls back to the cache folder, whose lock
    // another copy may hold.)
    const QString relativeRuntime = QStringLiteral("yoruma-relative-runtime-%1").arg(getpid());
    UseRuntimeFolder(relativeRuntime);
    InstanceLock relative;
    DataDirectory none;
    static_cast<void>(relative.Claim(none));
    EXPECT_FALSE(QDir::current().exists(relativeRuntime));
    QDir::current().rmdir(relativeRuntime);
    qputenv("XDG_RUNTIME_DIR", previous);
}

}  // namespace
