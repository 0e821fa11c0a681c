// The view of the coming milestones: opened from both display windows' menus,
// one at a time; its rows for a quit moment and a clock, moved on by the
// refresh; Escape leaving it; the rows past the last milestone and without one.

#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

#include "support/Program.h"
#include "support/ScratchDirectory.h"
#include "support/WidgetFinders.h"
#include "ui/DisplayWindow.h"

namespace {

// Each row as the user reads it: kind, what comes, when, the bar's text.
QStringList Rows(const QWidget* window) {
    QStringList rows;
    for (const QString kind : {"duck", "rank", "lungs", "length", "elapsed", "money"}) {
        const auto text = [&](const char* part) { return window->findChild<QLabel*>(kind + part)->text(); };
        rows << QStringList{text("Label"), text("What"), text("When"),
                            window->findChild<QProgressBar*>(kind + "Bar")->text()}
                    .join('|');
    }
    return rows;
}

// Quit at 2026-03-10 09:41, 20 a day at 300 yen, size 85: 300 yen and 1.7 m a day.
struct Quit {
    explicit Quit(const QByteArray& profile, const QByteArray& options) {
        scratch.Write("initial.ini", profile);
        scratch.Write("option.ini", options);
    }
    ~Quit() { ProcessDeletions(); }
    ScratchDirectory scratch;
    Program program{scratch.Path()};
};

TEST(MilestonesWindow, OpensFromBothMenusAndFollowsTheRefresh) {
    Quit quit("2026,3,10,9,41,20,300,85\r\n", kStartedOptions);
    quit.program.platform.now = {2026, 3, 20, 9, 41};  // day 10
    quit.program.app.StartUp();
    for (const Window display : {Window::Main, Window::Mini}) {
        if (display == Window::Mini) quit.program.app.SwitchToMiniWindow();
        static_cast<DisplayWindow*>(quit.program.windows.Loaded(display))->MenuEntry("milestonesEntry")->trigger();
        ASSERT_NE(VisibleWindow("milestonesWindow"), nullptr) << static_cast<int>(display);
    }
    // Opened again, the one window comes forward.
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::ranges::count_if(windows, [](QWidget* w) { return w->objectName() == "milestonesWindow"; }), 1);
    QWidget* opened = VisibleWindow("milestonesWindow");
    EXPECT_EQ(Rows(opened).first(), "アヒル|アヒル副隊長がお祝いに来ます|2026年3月21日 9:41|90％");  // day 11
    quit.program.platform.now = {2026, 3, 21, 9, 41};
    quit.program.app.OnTick();
    EXPECT_EQ(Rows(opened).first(), "アヒル|アヒル隊長がお祝いに来ます|2026年4月1日 9:41|0％");
    ASSERT_TRUE(TabTo(opened, "duckBar"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    ProcessDeletions();
    EXPECT_FALSE(quit.program.windows.IsOpen(Window::Milestones));
    EXPECT_TRUE(quit.program.windows.IsOpen(Window::Mini));
}

// 100 years on, with a rank mode that is neither ladder.
TEST(MilestonesWindow, SaysWhenAllAreReachedOrNoneComes) {
    Quit quit("1926,3,10,9,5,20,300,85\r\n", QByteArray(kStartedOptions).replace("ソルジャー", "なし"));
    quit.program.platform.now = {2026, 3, 10, 9, 41};
    quit.program.app.StartUp();
    quit.program.app.OpenMilestones();
    const QStringList rows = Rows(VisibleWindow("milestonesWindow"));
    EXPECT_EQ(rows.mid(0, 3), QStringList({"アヒル|すべて達成しました||100％", "ステータス|—||0％",
                                           "肺の色|すべて達成しました||100％"}));
    EXPECT_EQ(rows[4], "経過|１０１年|2027年3月10日 9:05|0％");  // 36 minutes of a year
}

}  // namespace
