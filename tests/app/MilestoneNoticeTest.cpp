// The notification of a milestone passed while the program runs, and the
// menu's choice to have it or not, kept in "notice.ini".

#include <gtest/gtest.h>

#include <vector>

#include "support/Program.h"
#include "support/ScratchDirectory.h"
#include "ui/MainWindow.h"
#include "ui/MiniWindow.h"

namespace {

using Notices = QList<std::pair<QString, QString>>;

// The tracker of kStartedProfile, quit on 5 October 2008 at 09:00: its first
// duck arrives eleven days later, on 16 October at 09:00.
TEST(MilestoneNotice, OnlyAMilestonePassedBetweenTwoRefreshesIsTold) {
    const Notices duck{{"ヨルマ式", "アヒル副隊長がお祝いに来ました"}};
    const struct {
        const char* what;
        const char* noticeFile;  // nullptr: none
        MomentParts start;
        std::vector<MomentParts> ticks;
        Notices expected;
    } cases[] = {
        {"arrival between two ticks, then a tick more",
         nullptr,
         {2008, 10, 16, 8, 59},
         {{2008, 10, 16, 9, 0}, {2008, 10, 16, 9, 1}},
         duck},
        {"the choice off", "0\r\n", {2008, 10, 16, 8, 59}, {{2008, 10, 16, 9, 0}}, {}},
        {"a choice that is no number: on", "on\r\n", {2008, 10, 16, 8, 59}, {{2008, 10, 16, 9, 0}}, duck},
        {"started after the arrival", nullptr, {2008, 10, 16, 9, 0}, {{2008, 10, 16, 9, 1}}, {}},
        {"the clock set back and forward again",
         nullptr,
         {2008, 10, 16, 9, 0},
         {{2008, 10, 16, 8, 59}, {2008, 10, 16, 9, 0}},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDirectory scratch;
        scratch.WriteStartedTracker();
        if (c.noticeFile != nullptr) scratch.Write("notice.ini", c.noticeFile);
        Program program{scratch.Path()};
        program.platform.now = c.start;
        program.app.StartUp();
        for (const MomentParts& tick : c.ticks) {
            program.platform.now = tick;
            program.app.OnTick();
        }
        EXPECT_EQ(program.platform.notices, c.expected);
        ProcessDeletions();
    }
}

TEST(MilestoneNotice, AClickBringsTheWindowBackAndTheMenusChoiceIsSavedAtOnce) {
    ScratchDirectory scratch;
    scratch.WriteStartedTracker();
    Program program{scratch.Path()};
    program.platform.now = {2008, 10, 16, 8, 59};
    program.app.StartUp();
    auto* main = program.Loaded<MainWindow>(Window::Main);
    main->HideToTray();
    program.platform.now = {2008, 10, 16, 9, 0};
    program.app.OnTick();
    program.platform.noticeClicked();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(program.platform.trayIcons.contains(main));

    QAction* mainEntry = main->MenuEntry("noticeEntry");
    QAction* miniEntry = program.Loaded<MiniWindow>(Window::Mini)->MenuEntry("noticeEntry");
    mainEntry->trigger();
    EXPECT_EQ(scratch.Read("notice.ini"), QByteArray("0\r\n"));
    EXPECT_FALSE(miniEntry->isChecked());
    miniEntry->trigger();
    EXPECT_EQ(scratch.Read("notice.ini"), QByteArray("1\r\n"));
    EXPECT_TRUE(mainEntry->isChecked());
    ProcessDeletions();
}

}  // namespace
