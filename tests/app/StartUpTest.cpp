// The start: which files are made or kept and which window opens.

#include <gtest/gtest.h>

#include "app/Messages.h"
#include "support/Program.h"
#include "support/ScratchDirectory.h"
#include "support/WidgetFinders.h"

namespace {

const QByteArray kNoFile;
// What the first start writes where there is no file, on 18 October 2008 at 21:30.
const QByteArray kFirstProfile = "2008,10,18,21,30,20,300,85\r\n";
const QByteArray kFirstOptions = "0,8744,5,0,5,1,0,0,9241372,16777215,\"nubera.example.jp/\",2,0,0,\"ソルジャー\"\r\n";

// "option.ini" of a started tracker with the set-up field and window mode
// given, whole or cut short after the mini window's left edge.
QByteArray Options(int setupDone, int windowMode, bool whole = true) {
    const QString line = QStringLiteral("%1,8744,5,0,5,1,1200,900,9241372,16777215,\"\",%2,0,0");
    return line.arg(setupDone).arg(windowMode).toUtf8() + (whole ? ",\"ソルジャー\"\r\n" : "\r\n");
}

TEST(StartUp, OpensTheWindowTheFilesNameAndKeepsWhatItCannotRead) {
    // "initial.ini" and "option.ini" (kNoFile: none), how often the data-folder
    // message is shown, the window shown and the set-up field then.
    const std::tuple<QByteArray, QByteArray, int, const char*, int> starts[] = {
        {kNoFile, kNoFile, 0, "profileWindow", 0},
        {kStartedProfile, Options(1, WindowMode::kMiniNeverUsed), 0, "mainWindow", 1},
        {kStartedProfile, Options(1, WindowMode::kMain), 0, "mainWindow", 1},
        {kStartedProfile, Options(5, WindowMode::kMiniNeverUsed), 0, "mainWindow", 5},
        {kStartedProfile, Options(1, WindowMode::kMini), 0, "miniWindow", 1},
        {kStartedProfile, Options(0, WindowMode::kMini), 0, "profileWindow", 0},
        // A short or empty file beside a recorded quit moment: the moment runs on, every
        // option at its default in memory, the file kept as it is until the next save.
        {kStartedProfile, Options(1, WindowMode::kMini, false), 1, "mainWindow", 1},
        {kStartedProfile, "\r\n", 1, "mainWindow", 1},
        // The program's own first file, cut: nothing was recorded yet.
        {kStartedProfile, Options(0, WindowMode::kMini, false), 0, "profileWindow", 0},
        {"garbage that is never read here", Options(0, WindowMode::kMiniNeverUsed), 0, "profileWindow", 0},
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(::testing::PrintToString(start));
        const auto& [profile, options, messages, shown, setupDone] = start;
        ScratchDirectory scratch;
        if (!profile.isEmpty()) scratch.Write("initial.ini", profile);
        if (!options.isEmpty()) scratch.Write("option.ini", options);
        Program program{scratch.Path()};
        program.platform.now = {2008, 10, 18, 21, 30};
        program.app.StartUp();
        for (const char* window : {"profileWindow", "mainWindow", "miniWindow"}) {
            EXPECT_EQ(VisibleWindow(window) != nullptr, QLatin1String(window) == QLatin1String(shown)) << window;
        }
        EXPECT_EQ(program.platform.messages, QStringList(messages, kDataFolderMessage));
        EXPECT_EQ(program.app.Settings().setupDone, setupDone);
        EXPECT_EQ(scratch.Read("initial.ini"), profile.isEmpty() ? kFirstProfile : profile);
        EXPECT_EQ(scratch.ReadText("option.ini").toUtf8(), options.isEmpty() ? kFirstOptions : options);
        ProcessDeletions();
    }
}

// A second copy names the copy that runs and ends, its files untouched.
TEST(StartUp, ASecondCopyEnds) {
    ScratchDirectory scratch;
    scratch.WriteStartedTracker();
    Program program{scratch.Path()};
    program.platform.anotherCopy = LockHolder{4242, "yoruma"};
    program.app.StartUp();
    EXPECT_TRUE(program.app.Ended());
    EXPECT_EQ(program.platform.messages, QStringList{AlreadyRunningMessage(*program.platform.anotherCopy)});
    EXPECT_EQ(VisibleWindow("mainWindow"), nullptr);
    EXPECT_EQ(scratch.Read("initial.ini") + scratch.Read("option.ini"), kStartedProfile + kStartedOptions);
}

// The first-run window's two boxes take 1 to 200 cigarettes and 1 to 2000 yen;
// a failed first save is reported and the main window opens all the same.
TEST(StartUp, FirstRunLimitsAndAFailedFirstSave) {
    // The count and the price typed, and whether they are taken.
    const std::tuple<const char*, const char*, bool> profiles[] = {
        {"1", "1", true},      {"200", "2000", true}, {"0", "300", false},
        {"201", "300", false}, {"20", "0", false},    {"20", "2001", false},
    };
    for (const auto& [count, price, accepted] : profiles) {
        SCOPED_TRACE(std::string(count) + " a day at " + price + " yen");
        ScratchDirectory scratch;
        Program program{scratch.Path()};
        program.app.StartUp();
        QFile::remove(scratch.DataFile("option.ini"));
        QDir().mkpath(scratch.DataFile("option.ini"));  // a folder in the file's place: the save fails
        program.app.EnterProfile(count, price, 1);
        if (accepted) program.app.StartTracking();
        ProcessDeletions();
        EXPECT_EQ(VisibleWindow("mainWindow") != nullptr, accepted);
        EXPECT_EQ(program.platform.messages, QStringList(accepted ? kDataFolderMessage : kRangeMessage));
    }
}

}  // namespace
