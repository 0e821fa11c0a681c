// The main and mini windows as the user meets them: the figures and their
// copy, switching, the popup menu, the tray, the keyboard, web pages, the end.

#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/MainWindow.h"
#include "ui/MiniWindow.h"

namespace {

// The tracker started on 5 October 2008 at 09:00, on 15 October at 12:07.
struct Started {
    Started() {
        scratch.WriteStartedTracker();
        program.app.StartUp();
        main = program.Loaded<MainWindow>(Window::Main);
        mini = program.Loaded<MiniWindow>(Window::Mini);
    }
    ~Started() { ProcessDeletions(); }
    ScratchDirectory scratch;
    Program program;
    FakePlatform& platform = program.platform;
    MainWindow* main = nullptr;
    MiniWindow* mini = nullptr;
};

// The copy holds the last refresh (the clock has moved on since) in the form
// on screen: a click on the elapsed figure switches it, a double click once,
// a click on another figure not at all, and the next tick resets it.
TEST(DisplayWindows, ElapsedFormAndCopy) {
    Started s;
    s.platform.now = {2008, 10, 15, 12, 8};
    const auto copy = [&s] {
        QTest::mouseClick(Find<QPushButton>(s.main, "copyButton"), Qt::LeftButton);
        return s.platform.clipboard;
    };
    EXPECT_EQ(copy(), QStringLiteral("ステータス： 少尉\r\nヨルマ日： 2008年 10月 5日（20本-300円-中）\r\n"
                                     "ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分\r\n延びた寿命： 0日と18時間34分\r\n"
                                     "節約できた金額： 3038円（節税分 1915円）\r\n節煙本数： 202本 17.22ｍ シャア専用ザク"));
    QLabel* elapsed = s.main->Value(kElapsedCaption);
    enum Act { Click, DoubleClick, ClickRank, Tick };
    const struct { Act act; const char *shown, *copied; } steps[] = {
        {Click, "１０日３時間７分", "10日 3時間 7分"},
        {Click, "０年０ヶ月１０日３時間７分", "0年 0ヶ月 10日 3時間 7分"},
        {ClickRank, "０年０ヶ月１０日３時間７分", "0年 0ヶ月 10日 3時間 7分"},
        {Click, "１０日３時間７分", "10日 3時間 7分"},
        {Tick, "０年０ヶ月１０日３時間８分", "0年 0ヶ月 10日 3時間 8分"},
        {DoubleClick, "１０日３時間８分", "10日 3時間 8分"},
    };
    for (const auto& step : steps) {
        if (step.act == Click || step.act == DoubleClick) QTest::mouseClick(elapsed, Qt::LeftButton);
        if (step.act == DoubleClick) {
            QTest::mouseDClick(elapsed, Qt::LeftButton);
            QTest::mouseRelease(elapsed, Qt::LeftButton);
        }
        if (step.act == ClickRank) QTest::mouseClick(s.main->Value(kRankCaption), Qt::LeftButton);
        if (step.act == Tick) s.program.app.onTick();
        EXPECT_EQ(elapsed->text(), QString::fromUtf8(step.shown)) << step.act;
        EXPECT_EQ(copy().split("\r\n").value(2), "ヨルマからの日数： " + QString::fromUtf8(step.copied)) << step.act;
    }
    s.mini->MenuEntry("copyEntry")->trigger();
    EXPECT_EQ(s.platform.clipboard, copy());
}

// The mini window opens where the main window stands at first, later where it
// was left; every end (the menu, the close box, the session's end, even twice,
// or the display lost once the windows rest) keeps both places and the mode.
TEST(DisplayWindows, SwitchingAndEveryEndKeepThePlaces) {
    enum End { ExitEntry, CloseBox, SessionEnd, DisplayLost };
    for (const End end : {ExitEntry, CloseBox, SessionEnd, DisplayLost}) {
        Started s;
        s.main->move(100, 50);
        s.main->MenuEntry("miniEntry")->trigger();
        EXPECT_FALSE(s.main->isVisible());
        EXPECT_EQ(s.mini->frameGeometry().topLeft(), QPoint(100, 50));
        s.mini->move(20, 10);
        s.mini->MenuEntry("mainEntry")->trigger();
        EXPECT_EQ(s.main->frameGeometry().topLeft(), QPoint(100, 50));
        s.main->MenuEntry("miniEntry")->trigger();
        EXPECT_EQ(s.mini->frameGeometry().topLeft(), QPoint(20, 10));
        if (end == ExitEntry) s.mini->MenuEntry("exitEntry")->trigger();
        if (end == CloseBox) s.mini->close();
        if (end == SessionEnd) {
            s.platform.endSession();
            s.platform.endSession();
        }
        if (end == DisplayLost) QTest::qWait(1500);
        ProcessDeletions();
        EXPECT_EQ(s.scratch.Read("option.ini"),
                  "1,8744,5,1,5,1,1500,750,9241372,16777215,\"\",1,300,150,\"ソルジャー\"\r\n") << end;
        EXPECT_EQ(s.platform.endProgramCalls, end == DisplayLost ? 0 : 1) << end;
        EXPECT_TRUE(s.platform.messages.isEmpty()) << end;
    }
}

// Right clicks open the menu and double clicks hide into the tray on the
// window's background only; a click on the tray icon brings the window back.
TEST(DisplayWindows, MenuAndTrayOnlyFromTheBackground) {
    Started s;
    QWidget* bar = Find<QProgressBar>(s.main, "progressBar");
    for (QWidget* control : {static_cast<QWidget*>(s.main->Value(kElapsedCaption)), bar,
                             static_cast<QWidget*>(Find<QPushButton>(s.main, "copyButton"))}) {
        QTest::mouseClick(control, Qt::RightButton);
        QTest::mouseDClick(control, Qt::LeftButton);
    }
    EXPECT_FALSE(s.main->PopupMenu()->isVisible());
    EXPECT_TRUE(s.main->isVisible());
    QTest::mouseClick(s.main, Qt::RightButton, {}, QPoint(300, 80));  // beside the lungs
    EXPECT_TRUE(s.main->PopupMenu()->isVisible());
    s.main->PopupMenu()->hide();
    QTest::mouseDClick(s.main, Qt::LeftButton, {}, QPoint(300, 80));
    EXPECT_FALSE(s.main->isVisible());
    ASSERT_TRUE(s.platform.ClickTrayIcon(s.main));
    EXPECT_TRUE(s.main->isVisible());
    EXPECT_TRUE(s.platform.trayIcons.isEmpty());
    EXPECT_EQ(s.main->Value(kMoneyCaption)->palette().color(QPalette::Window), QColor(28, 3, 141));  // 9241372
    s.program.app.SwitchToMiniWindow();
    QTest::mouseClick(Find<QLabel>(s.mini, "icon"), Qt::RightButton);
    EXPECT_FALSE(s.mini->PopupMenu()->isVisible());
    QTest::mouseClick(s.mini->Report(), Qt::RightButton);
    EXPECT_TRUE(s.mini->PopupMenu()->isVisible());
    s.mini->PopupMenu()->hide();
    QTest::mouseDClick(s.mini->Report(), Qt::LeftButton);
    EXPECT_FALSE(s.mini->isVisible());
    ASSERT_TRUE(s.platform.ClickTrayIcon(s.mini));
    s.platform.trayAvailable = false;  // no tray: minimised instead
    QTest::mouseDClick(s.mini->Report(), Qt::LeftButton);
    EXPECT_TRUE(s.mini->isMinimized());
    EXPECT_TRUE(s.platform.trayIcons.isEmpty());
}

// The elapsed figure takes the focus, shows it, and switches by Space and
// Enter; the menu keys open the menu at the window's corner, where Enter
// chooses "コピーする".
TEST(DisplayWindows, Keyboard) {
    Started s;
    s.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.main));
    QLabel* elapsed = s.main->Value(kElapsedCaption);
    const QImage unfocused = elapsed->grab().toImage();
    for (int i = 0; i < 40 && !elapsed->hasFocus(); ++i) QTest::keyClick(s.main, Qt::Key_Tab);
    ASSERT_TRUE(elapsed->hasFocus());
    EXPECT_NE(elapsed->grab().toImage(), unfocused);
    for (const auto& [key, shown] : {std::pair{Qt::Key_Space, "１０日３時間７分"}, {Qt::Key_Return, "０年０ヶ月１０日３時間７分"}}) {
        QTest::keyClick(elapsed, key);
        EXPECT_EQ(elapsed->text(), QString::fromUtf8(shown));
    }
    for (const auto& [window, key, modifiers] : {std::tuple<DisplayWindow*, Qt::Key, Qt::KeyboardModifier>{
                                                     s.main, Qt::Key_Menu, Qt::NoModifier}, {s.mini, Qt::Key_F10, Qt::ShiftModifier}}) {
        if (window == s.mini) s.program.app.SwitchToMiniWindow();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key, modifiers);
        ASSERT_TRUE(window->PopupMenu()->isVisible()) << key;
        EXPECT_EQ(window->PopupMenu()->pos(), window->mapToGlobal(QPoint(0, 0)));
        QTest::keyClick(window->PopupMenu(), Qt::Key_Return);
        EXPECT_TRUE(s.platform.clipboard.startsWith(QStringLiteral("ステータス： 少尉\r\n")));
        s.platform.clipboard.clear();
    }
}

// "http://" and the address as stored, encoded only where a URL cannot carry it.
TEST(DisplayWindows, TheBlogButtonOpensTheStoredAddress) {
    for (const auto& [stored, opened] : {std::pair{"http://example.org/a b!", "http://http://example.org/a%20b!"},
                                         {"例え.jp/パス?q=日本", "http://xn--r8jz45g.jp/%E3%83%91%E3%82%B9?q=%E6%97%A5%E6%9C%AC"}}) {
        ScratchDirectory scratch;
        scratch.Write("initial.ini", kStartedProfile);
        scratch.WriteText("option.ini", QString::fromUtf8(kStartedOptions).replace("\"\"", '"' + QString::fromUtf8(stored) + '"'));
        Program program;
        program.platform.openUrlSucceeds = false;
        program.app.StartUp();
        QTest::mouseClick(Find<QPushButton>(program.Loaded<QWidget>(Window::Main), "blogButton"), Qt::LeftButton);
        EXPECT_EQ(program.platform.openedUrls, QStringList{QString::fromUtf8(opened)});
        EXPECT_EQ(program.platform.messages, QStringList{"エラーです。フォルダオプションの関連付けなどを確認してください"});
        ProcessDeletions();
    }
}

}  // namespace
