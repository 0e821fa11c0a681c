// Root may read and write whatever it likes, so where the tests run as root
// the cases that need permissions to hold run once more as the user nobody.

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

TEST(AsAnotherUser, TheCasesRootCannotMeetRunAsNobody) {
    if (geteuid() != 0) GTEST_SKIP() << "not root: these cases ran as this user";
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    const passwd* nobody = getpwnam("nobody");
    if (setpriv.isEmpty() || nobody == nullptr) GTEST_SKIP() << "no setpriv (util-linux) or no user nobody";
    QTemporaryDir home;
    ASSERT_EQ(chown(QFile::encodeName(home.path()).constData(), nobody->pw_uid, nobody->pw_gid), 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.remove("XDG_RUNTIME_DIR");
    QProcess run;
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(setpriv, {"--reuid=nobody", "--regid=nogroup", "--clear-groups", QCoreApplication::applicationFilePath(),
                        "--gtest_filter=Cases/DataFolderSafetyTest.*:InstanceLock.*:*InPlace*"});
    ASSERT_TRUE(run.waitForFinished(300000));
    const QByteArray output = run.readAll();
    EXPECT_EQ(run.exitCode(), 0) << output.constData();
    EXPECT_TRUE(output.contains("[       OK ] InPlaceSave.")) << output.constData();
}
