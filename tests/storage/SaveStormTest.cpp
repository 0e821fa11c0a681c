// A program killed at any moment of a save leaves each data file whole: the
// old line or the new one, never a cut one.

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include "support/DataFolder.h"

namespace {

// The count field of "initial.ini", or -1 when it cannot be read.
long long SavedCount(const QByteArray& profile) {
    const QList<QByteArray> fields = profile.trimmed().split(',');
    bool ok = false;
    const long long count = fields.value(5).toLongLong(&ok);
    return ok ? count : -1;
}

TEST(SaveStorm, AKillDuringSavesNeverLeavesACutFile) {
    ScratchDirectory scratch;
    const QRegularExpression wholeProfile(QStringLiteral("^-?\\d+(,-?\\d+){7}\\r\\n$"));
    const QRegularExpression wholeOptions(
        QStringLiteral("^(-?\\d+,){10}\"a*\",(-?\\d+,){3}\"ソルジャー\"\\r\\n$"));
    for (int round = 1; round <= 30; ++round) {
        const long long base = round * 1'000'000LL;
        QProcess storm;
        storm.setWorkingDirectory(scratch.Path());
        storm.start(QStringLiteral(SAVE_STORM_PATH), QStringList{QString::number(base)});
        ASSERT_TRUE(storm.waitForStarted(20000));  // a program start under wine on a loaded machine
        // Kill only once this run is saving: a slow start (a sanitizer build,
        // a loaded machine) must not turn the round into a kill before any save.
        QElapsedTimer waiting;
        waiting.start();
        // Its second profile means both files have been saved once. One look
        // decides: on Windows a read that meets the file being replaced fails.
        long long saved = -1;
        while ((saved = SavedCount(scratch.Read("initial.ini"))) <= base && waiting.elapsed() < 20000) {
            QThread::msleep(1);
        }
        ASSERT_GT(saved, base) << "round " << round << ": no saves within 20 s";
        QThread::msleep(QRandomGenerator::global()->bounded(0, 40));
        storm.kill();  // SIGKILL: no chance to tidy up
        ASSERT_TRUE(storm.waitForFinished(5000));

        const QByteArray profile = scratch.Read("initial.ini");
        const QByteArray options = scratch.Read("option.ini");
        EXPECT_TRUE(wholeProfile.match(DecodeFileText(profile)).hasMatch())
            << "round " << round << ": " << profile.left(80).constData();
        EXPECT_TRUE(wholeOptions.match(DecodeFileText(options)).hasMatch())
            << "round " << round << ": " << options.left(80).constData();
    }
}

}  // namespace
