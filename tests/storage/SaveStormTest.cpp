// A program killed at any moment of a save leaves each data file whole: the
// old line or the new one, never a cut one.

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include "support/ScratchDirectory.h"

TEST(SaveStorm, AKillDuringSavesNeverLeavesACutFile) {
    ScratchDirectory scratch;
    for (int round = 1; round <= 30; ++round) {
        // Each run numbers its saves from its own base; kill it only once it has saved.
        const long long base = round * 1'000'000LL;
        QProcess storm;
        storm.setWorkingDirectory(scratch.Path());
        storm.start(QStringLiteral(SAVE_STORM_PATH), QStringList{QString::number(base)});
        ASSERT_TRUE(storm.waitForStarted(20000));  // a program start under wine on a loaded machine
        QElapsedTimer waiting;
        waiting.start();
        // One look at a time: on Windows a read that meets the file being replaced fails.
        while (scratch.Read("initial.ini").split(',').value(5).toLongLong() <= base && waiting.elapsed() < 20000) {
            QThread::msleep(1);
        }
        ASSERT_LT(waiting.elapsed(), 20000) << "round " << round << ": no saves within 20 s";
        QThread::msleep(QRandomGenerator::global()->bounded(0, 40));
        storm.kill();  // SIGKILL: no chance to tidy up
        ASSERT_TRUE(storm.waitForFinished(5000));
        for (const char* file : {"initial.ini", "option.ini"}) {
            EXPECT_TRUE(HoldsAWholeLine(scratch, file))
                << "round " << round << ": " << scratch.Read(file).left(80).constData();
        }
    }
}
