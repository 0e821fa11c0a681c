// The start: which files are made or kept and which window opens.

#include <gtest/gtest.h>

#include "app/Messages.h"
#include "support/ScratchDirectory.h"
#include "support/Program.h"
#include "support/WidgetFinders.h"

namespace {

QByteArray Options(int setupDone, int windowMode, const char* end = ",0,0,\"ソルジャー\"\r\n") {
    return QStringLiteral("%1,8744,5,0,5,1,1200,900,9241372,16777215,\"\",%2").arg(setupDone).arg(windowMode).toUtf8() + end;
}

TEST(StartUp, OpensTheWindowTheFilesNameAndKeepsWhatItCannotRead) {
    // A profile or options of "" is no file; no window shown: the program ends.
    // Told: the data-folder message (another copy runs: -1 known, -2 not known).
    struct Case { QByteArray profile, options; int told; const char* shown; int setupDone; };
    const Case cases[] = {
        {"", "", 0, "profileWindow", 0},                        {kStartedProfile, Options(1, 2), 0, "mainWindow", 1},
        {kStartedProfile, Options(1, 0), 0, "mainWindow", 1},   {kStartedProfile, Options(5, 2), 0, "mainWindow", 5},
        {kStartedProfile, Options(1, 1), 0, "miniWindow", 1},   {kStartedProfile, Options(0, 1), 0, "profileWindow", 0},
        // A short or empty file beside a recorded quit moment: the moment runs on, every
        // option at its default in memory, the file kept as it is until the next save.
        {kStartedProfile, Options(1, 1, ",0,0\r\n"), 1, "mainWindow", 1}, {kStartedProfile, "\r\n", 1, "mainWindow", 1},
        // The program's own first file, cut: nothing was recorded yet.
        {kStartedProfile, Options(0, 1, ",0,0\r\n"), 0, "profileWindow", 0},
        {"garbage that is never read here", Options(0, 2), 0, "profileWindow", 0},
        {kStartedProfile, Options(1, 2), -1, nullptr, 1},         {"", "", -2, nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profile.left(12).toStdString() + " / " + c.options.toStdString());
        ScratchDirectory scratch;
        if (!c.profile.isEmpty()) scratch.Write("initial.ini", c.profile);
        if (!c.options.isEmpty()) scratch.Write("option.ini", c.options);
        Program program{scratch.Path()};
        program.platform.now = {2008, 10, 18, 21, 30};
        if (c.told < 0) program.platform.anotherCopy = c.told == -1 ? LockHolder{4242, "yoruma"} : LockHolder{};
        program.app.StartUp();
        for (const char* window : {"profileWindow", "mainWindow", "miniWindow"}) {
            EXPECT_EQ(VisibleWindow(window) != nullptr, c.shown != nullptr && !strcmp(window, c.shown)) << window;
        }
        EXPECT_EQ(program.app.Ended(), c.shown == nullptr);
        const QString running = c.told == -1 ? "（動いているプログラム：yoruma、プロセス番号 4242）" : "（動いているプログラムは分かりません）";
        EXPECT_EQ(program.platform.messages, c.told < 0 ? QStringList{kAlreadyRunningMessage + "\r\n" + running}
                                                        : QStringList(c.told, kDataFolderMessage));
        EXPECT_EQ(program.app.Settings().setupDone, c.setupDone);
        EXPECT_EQ(scratch.Read("initial.ini"), c.profile.isEmpty() ? "2008,10,18,21,30,20,300,85\r\n" : c.profile);
        EXPECT_EQ(scratch.ReadText("option.ini").toUtf8(), c.options.isEmpty() ? "0,8744,5,0,5,1,0,0,9241372,16777215,\"" +
                  QByteArray(kDefaultBlogUrl) + "\",2,0,0,\"ソルジャー\"\r\n" : c.options);
        ProcessDeletions();
    }
}

// The first-run window's two boxes take 1 to 200 cigarettes and 1 to 2000 yen;
// a failed first save is reported and the main window opens all the same.
TEST(StartUp, FirstRunLimitsAndAFailedFirstSave) {
    const struct { const char *count, *price; bool accepted; } cases[] = {
        {"1", "1", true}, {"200", "2000", true}, {"0", "300", false}, {"201", "300", false}, {"20", "0", false},
        {"20", "2001", false}};
    for (const auto& c : cases) {
        ScratchDirectory scratch;
        Program program{scratch.Path()};
        program.app.StartUp();
        QFile::remove(scratch.DataFile("option.ini"));
        QDir().mkpath(scratch.DataFile("option.ini"));  // a folder in the file's place: the save fails
        program.app.EnterProfile(c.count, c.price, 1);
        if (c.accepted) program.app.StartTracking();
        ProcessDeletions();
        EXPECT_EQ(VisibleWindow("mainWindow") != nullptr, c.accepted) << c.count << " " << c.price;
        EXPECT_EQ(program.platform.messages, QStringList(c.accepted ? kDataFolderMessage : kRangeMessage)) << c.count;
    }
}

}  // namespace
