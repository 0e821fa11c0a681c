// The notification of a milestone passed while the program runs, and the
// menu's choice to have it or not, kept in "notice.ini".

#include <gtest/gtest.h>

#include "support/GoldenTable.h"
#include "support/Program.h"
#include "support/ScratchDirectory.h"
#include "support/TabledMoment.h"
#include "ui/MainWindow.h"
#include "ui/MiniWindow.h"

namespace {

// "09:00" on 16 October 2008.
MomentParts OnTheDay(const QString& time) { return Moment("2008-10-16 " + time.toStdString()); }

TEST(MilestoneNotice, OnlyAMilestonePassedBetweenTwoRefreshesIsTold) {
    CheckGoldenTable("app/MilestoneNotice.txt", [](const GoldenRow& row) {
        ScratchDirectory scratch;
        scratch.WriteStartedTracker();
        scratch.WriteAsTabled("notice.ini", row.Text("notice.ini"));
        Program program{scratch.Path()};
        program.platform.now = OnTheDay(QString::fromStdString(row.Text("start")));
        program.app.StartUp();
        for (const QString& tick : QString::fromStdString(row.Text("ticks")).split(' ')) {
            program.platform.now = OnTheDay(tick);
            program.app.OnTick();
        }
        QStringList told;
        for (const auto& [title, text] : program.platform.notices) told << title + "：" + text;
        ProcessDeletions();
        return Results(told.join(" / ").toStdString());
    });
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
