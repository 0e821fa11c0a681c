// A tick redraws only what it changed: the program runs all day, twice a
// minute, and every other tick falls in the same minute as the one before.

#include <QEvent>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <map>

#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/MainWindow.h"
#include "ui/MiniWindow.h"

namespace {

// Counts the paint events that reach the main window and each of its controls.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window) {
        window->installEventFilter(this);
        for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(this);
    }

    std::map<QString, int> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints[watched->objectName()];
        return false;
    }
};

class TickRepaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch.Write("initial.ini", "2008,10,5,9,0,20,300,85\r\n");
        scratch.Write("option.ini",
                      "1,8744,5,1,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"ソルジャー\"\r\n");
        platform.now = {2009, 12, 7, 14, 7};
        program.app.StartUp();
        mainWindow = program.Loaded<MainWindow>(Window::Main);
        miniWindow = program.Loaded<MiniWindow>(Window::Mini);
        ASSERT_NE(mainWindow, nullptr);
        ASSERT_NE(miniWindow, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow));
        Repaint();
    }
    void TearDown() override { ProcessDeletions(); }

    // What the event loop does after a tick: the window repaints what was
    // marked for it.
    void Repaint() {
        QCoreApplication::sendPostedEvents();
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(mainWindow, &request);
    }

    ScratchDirectory scratch;
    Program program;
    FakePlatform& platform = program.platform;
    MainWindow* mainWindow = nullptr;
    MiniWindow* miniWindow = nullptr;
};

TEST_F(TickRepaintTest, ATickInTheSameMinuteRedrawsNothing) {
    PaintCounter counter(mainWindow);
    program.app.onTick();
    Repaint();
    EXPECT_TRUE(counter.paints.empty()) << counter.paints.size() << " controls repainted, first "
                                        << counter.paints.begin()->first.toStdString();
}

TEST_F(TickRepaintTest, ANewMinuteRedrawsTheElapsedFigureButNotTheLungs) {
    PaintCounter counter(mainWindow);
    platform.now = {2009, 12, 7, 14, 8};
    program.app.onTick();
    Repaint();
    EXPECT_EQ(mainWindow->Value(kElapsedCaption)->text(), QStringLiteral("１年２ヶ月２日５時間８分"));
    EXPECT_GE(counter.paints["elapsedValue"], 1);
    // The window itself draws the frames and the lungs, whose colour only
    // changes from one day to the next.
    EXPECT_EQ(counter.paints["mainWindow"], 0);
    EXPECT_EQ(counter.paints["rankValue"], 0);  // the rank title did not change
}

TEST_F(TickRepaintTest, TheLungsAreRedrawnWhenTheirColourChanges) {
    // Day 10 on the first load: the lungs still clear from one day to the next.
    platform.now = {2008, 10, 15, 9, 0};
    program.app.onTick();
    Repaint();
    PaintCounter counter(mainWindow);
    platform.now = {2008, 10, 16, 9, 0};
    program.app.onTick();
    Repaint();
    EXPECT_GE(counter.paints["mainWindow"], 1);
}

TEST_F(TickRepaintTest, TheMiniWindowsReportFollowsEveryNewMinute) {
    const QString before = miniWindow->Report()->text();
    program.app.onTick();
    EXPECT_EQ(miniWindow->Report()->text(), before);
    platform.now = {2009, 12, 7, 14, 8};
    program.app.onTick();
    EXPECT_TRUE(miniWindow->Report()->text().contains(QStringLiteral("5時間 8分\n")))
        << miniWindow->Report()->text().toStdString();
}

}  // namespace
