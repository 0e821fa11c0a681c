// The start: which files are made or kept and which window opens.

#include <gtest/gtest.h>

#include "app/Messages.h"
#include "support/GoldenTable.h"
#include "support/Program.h"
#include "support/ScratchDirectory.h"
#include "support/TabledMoment.h"
#include "support/WidgetFinders.h"

namespace {

// Started on 18 October 2008 at 21:30 with the files given.
TEST(StartUp, OpensTheWindowTheFilesNameAndKeepsWhatItCannotRead) {
    CheckGoldenTable("app/StartUp.txt", [](const GoldenRow& row) {
        ScratchDirectory scratch;
        scratch.WriteAsTabled("initial.ini", row.Text("initial.ini"));
        scratch.WriteAsTabled("option.ini", row.Text("option.ini"));
        Program program{scratch.Path()};
        program.platform.now = {2008, 10, 18, 21, 30};
        program.app.StartUp();
        QStringList shown;
        for (const char* window : {"profileWindow", "mainWindow", "miniWindow"}) {
            if (VisibleWindow(window) != nullptr) shown << window;
        }
        const qsizetype messages = program.platform.messages.size();
        EXPECT_EQ(program.platform.messages, QStringList(messages, kDataFolderMessage));
        ProcessDeletions();
        const TrackerSettings& s = program.app.Settings();
        const MomentParts quit{s.quitYear, s.quitMonth, s.quitDay, s.quitHour, s.quitMinute};
        return Results(shown.join(' ').toStdString(), messages, s.setupDone,
                       shown.contains("profileWindow") ? "-" : MomentText(quit),
                       scratch.ReadAsTabled("initial.ini"), scratch.ReadAsTabled("option.ini"));
    });
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
