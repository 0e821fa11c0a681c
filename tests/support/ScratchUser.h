#pragma once
// Runs the current test once more as an unprivileged user with no account,
// for what root is exempt from (file permissions) and for the other side of
// "another user's files". Root chooses the user with setpriv (util-linux);
// the test hands over a sandbox the user may enter in YORUMA_TEST_SANDBOX,
// which also tells the test that it is that second run.

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <unistd.h>

inline constexpr uid_t kScratchUid = 4242;

// The sandbox of the second run, or empty in the first.
inline QString ScratchUserSandbox() { return qEnvironmentVariable("YORUMA_TEST_SANDBOX"); }

// Runs the current test as kScratchUid in sandbox, when root with setpriv can.
inline ::testing::AssertionResult RunAsScratchUser(const QString& sandbox) {
    if (geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty()) {
        return ::testing::AssertionSuccess() << "skipped: no other user without root and setpriv";
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("YORUMA_TEST_SANDBOX"), sandbox);
    environment.insert(QStringLiteral("HOME"), sandbox);
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString uid = QString::number(kScratchUid);
    child.start(QStringLiteral("setpriv"), {"--reuid=" + uid, "--regid=" + uid, QStringLiteral("--clear-groups"),
                                            QStringLiteral("--"), QCoreApplication::applicationFilePath(),
                                            QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    const bool passed = child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit &&
                        child.exitCode() == 0;
    const QString output = QString::fromUtf8(child.readAll());
    if (passed && output.contains(QStringLiteral("[  PASSED  ] 1 test"))) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "as uid " << kScratchUid << ":\n" << output.toStdString();
}
