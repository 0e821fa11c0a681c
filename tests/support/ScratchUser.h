#pragma once
// Runs the current test once more as an unprivileged user with no account,
// for what root is exempt from (file permissions) and for the other side of
// "another user's files". Root chooses the user with setpriv (util-linux);
// the test prepares a sandbox the user may enter and hands it over in
// YORUMA_TEST_SANDBOX, which also tells the test that it is that second run.

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <gtest/gtest.h>

#include <unistd.h>

inline constexpr uid_t kScratchUid = 4242;

// The sandbox of the second run, or empty in the first.
inline QString ScratchUserSandbox() { return qEnvironmentVariable("YORUMA_TEST_SANDBOX"); }

// Why no second run can be made here, or empty when it can.
inline QString ScratchUserUnavailable() {
    if (geteuid() != 0) return QStringLiteral("not root, so no other user can be chosen (the test ran as this user)");
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty()) {
        return QStringLiteral("setpriv (util-linux) is not installed");
    }
    return {};
}

// Runs the current test as kScratchUid in sandbox; true when it passed.
// Its output goes into the failure message.
inline ::testing::AssertionResult RunAsScratchUser(const QString& sandbox) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("YORUMA_TEST_SANDBOX"), sandbox);
    environment.insert(QStringLiteral("HOME"), sandbox);
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString uid = QString::number(kScratchUid);
    child.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=") + uid, QStringLiteral("--regid=") + uid, QStringLiteral("--clear-groups"),
                 QStringLiteral("--"), QCoreApplication::applicationFilePath(),
                 QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    const bool finished = child.waitForFinished(60000);
    const QString output = QString::fromUtf8(child.readAll());
    if (finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
        output.contains(QStringLiteral("[  PASSED  ] 1 test"))) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "as uid " << kScratchUid << ":\n" << output.toStdString();
}
