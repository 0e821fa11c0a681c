// A tick redraws only what it changed: the program runs all day, twice a
// minute, and every other tick falls in the same minute as the one before.

#include <QEvent>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <map>

#include "startup/Module1.h"
#include "support/DataFolder.h"
#include "support/FakePlatform.h"
#include "support/Windows.h"
#include "ui/Form1.h"
#include "ui/Form7.h"

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
        module.StartUp();
        form1 = module.LoadedForm1();
        form7 = module.LoadedForm7();
        ASSERT_NE(form1, nullptr);
        ASSERT_NE(form7, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form1));
        Repaint();
    }
    void TearDown() override { ProcessDeletions(); }

    // What the event loop does after a tick: the window repaints what was
    // marked for it.
    void Repaint() {
        QCoreApplication::sendPostedEvents();
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(form1, &request);
    }

    ScratchDirectory scratch;
    FakePlatform platform;
    Module1 module{platform};
    Form1* form1 = nullptr;
    Form7* form7 = nullptr;
};

TEST_F(TickRepaintTest, ATickInTheSameMinuteRedrawsNothing) {
    PaintCounter counter(form1);
    form1->Form1_Timer1_Timer();
    Repaint();
    EXPECT_TRUE(counter.paints.empty()) << counter.paints.size() << " controls repainted, first "
                                        << counter.paints.begin()->first.toStdString();
}

TEST_F(TickRepaintTest, ANewMinuteRedrawsTheElapsedFigureButNotTheLungs) {
    PaintCounter counter(form1);
    platform.now = {2009, 12, 7, 14, 8};
    form1->Form1_Timer1_Timer();
    Repaint();
    EXPECT_EQ(form1->Label2(0)->text(), QStringLiteral("１年２ヶ月２日５時間８分"));
    EXPECT_GE(counter.paints["Label2_0"], 1);
    // The window itself draws the frames and the lungs, whose colour only
    // changes from one day to the next.
    EXPECT_EQ(counter.paints["Form1"], 0);
    EXPECT_EQ(counter.paints["Label2_3"], 0);  // the rank title did not change
}

TEST_F(TickRepaintTest, TheLungsAreRedrawnWhenTheirColourChanges) {
    // Day 10 on the first load: the lungs still clear from one day to the next.
    platform.now = {2008, 10, 15, 9, 0};
    form1->Form1_Timer1_Timer();
    Repaint();
    PaintCounter counter(form1);
    platform.now = {2008, 10, 16, 9, 0};
    form1->Form1_Timer1_Timer();
    Repaint();
    EXPECT_GE(counter.paints["Form1"], 1);
}

TEST_F(TickRepaintTest, TheMiniWindowsReportFollowsEveryNewMinute) {
    const QString before = form7->Label1()->text();
    form1->Form1_Timer1_Timer();
    EXPECT_EQ(form7->Label1()->text(), before);
    platform.now = {2009, 12, 7, 14, 8};
    form1->Form1_Timer1_Timer();
    EXPECT_TRUE(form7->Label1()->text().contains(QStringLiteral("5時間 8分\n"))) << form7->Label1()->text().toStdString();
}

}  // namespace
