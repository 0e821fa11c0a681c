// A program killed at any moment of a save leaves each data file whole: the
// old line or the new one, never a cut one.

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include "support/DataFolder.h"

namespace {

TEST(SaveStorm, AKillDuringSavesNeverLeavesACutFile) {
    ScratchDirectory scratch;
    const QRegularExpression wholeProfile(QStringLiteral("^-?\\d+(,-?\\d+){7}\\r\\n$"));
    const QRegularExpression wholeOptions(
        QStringLiteral("^(-?\\d+,){10}\"a*\",(-?\\d+,){3}\"ソルジャー\"\\r\\n$"));
    int killedWithBothFiles = 0;
    for (int round = 0; round < 40; ++round) {
        QProcess storm;
        storm.setWorkingDirectory(scratch.Path());
        storm.start(QStringLiteral(SAVE_STORM_PATH), QStringList{});
        ASSERT_TRUE(storm.waitForStarted(5000));
        QThread::msleep(QRandomGenerator::global()->bounded(5, 60));
        storm.kill();  // SIGKILL: no chance to tidy up
        ASSERT_TRUE(storm.waitForFinished(5000));

        const QByteArray profile = scratch.Read("initial.ini");
        const QByteArray options = scratch.Read("option.ini");
        if (profile == "<missing>" || options == "<missing>") continue;  // killed before the first save
        ++killedWithBothFiles;
        EXPECT_TRUE(wholeProfile.match(QString::fromUtf8(profile)).hasMatch()) << "round " << round << ": " << profile.left(80).constData();
        EXPECT_TRUE(wholeOptions.match(QString::fromUtf8(options)).hasMatch()) << "round " << round << ": " << options.left(80).constData();
    }
    EXPECT_GT(killedWithBothFiles, 20);
}

}  // namespace
