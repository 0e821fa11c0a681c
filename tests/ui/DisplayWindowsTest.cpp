// The main and mini windows as the user meets them: the figures and their
// copy, switching, the popup menu, the tray, the keyboard, web pages, the end;
// and the keyboard in the help, settings and information windows.

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "support/Program.h"
#include "support/ScratchDirectory.h"
#include "support/WidgetFinders.h"
#include "ui/MainWindow.h"
#include "ui/MiniWindow.h"

namespace {

// The tracker started on 5 October 2008 at 09:00 (with the blog address
// given), on 15 October at 12:07.
struct Started {
    explicit Started(const QString& blog = {}) {
        scratch.Write("initial.ini", kStartedProfile);
        scratch.WriteText("option.ini", QString::fromUtf8(kStartedOptions).replace("\"\"", '"' + blog + '"'));
        program.app.StartUp();
        main = program.Loaded<MainWindow>(Window::Main);
        mini = program.Loaded<MiniWindow>(Window::Mini);
    }
    ~Started() { ProcessDeletions(); }
    ScratchDirectory scratch;
    Program program{scratch.Path()};
    FakePlatform& platform = program.platform;
    MainWindow* main = nullptr;
    MiniWindow* mini = nullptr;
};

// The copy holds the last refresh (the clock has moved on since) in the form
// on screen: a click on the elapsed figure switches it, a double click once,
// a click on another figure not at all, and the next tick resets it. Tab
// brings the focus to the figure, which shows it; Space and Enter switch too.
TEST(DisplayWindows, ElapsedFormAndCopy) {
    Started s;
    s.platform.now = {2008, 10, 15, 12, 8};
    QPushButton* copy = Find<QPushButton>(s.main, "copyButton");
    const QString& copied = s.platform.clipboard;
    QLabel* elapsed = s.main->Value(kElapsedCaption);
    const QImage unfocused = elapsed->grab().toImage();
    ASSERT_TRUE(TabTo(s.main, "elapsedValue"));
    EXPECT_NE(elapsed->grab().toImage(), unfocused);
    enum Act { Click, DoubleClick, ClickRank, Tick, Space, Enter };
    // What the user does, the figure then and its line in the copy.
    const std::tuple<Act, const char*, const char*> steps[] = {
        {Click, "１０日３時間７分", "10日 3時間 7分"},
        {Click, "０年０ヶ月１０日３時間７分", "0年 0ヶ月 10日 3時間 7分"},
        {ClickRank, "０年０ヶ月１０日３時間７分", "0年 0ヶ月 10日 3時間 7分"},
        {Click, "１０日３時間７分", "10日 3時間 7分"},
        {Tick, "０年０ヶ月１０日３時間８分", "0年 0ヶ月 10日 3時間 8分"},
        {DoubleClick, "１０日３時間８分", "10日 3時間 8分"},
        {Space, "０年０ヶ月１０日３時間８分", "0年 0ヶ月 10日 3時間 8分"},
        {Enter, "１０日３時間８分", "10日 3時間 8分"},
    };
    for (const auto& [act, shown, copiedLine] : steps) {
        switch (act) {
            case Click: QTest::mouseClick(elapsed, Qt::LeftButton); break;
            case ClickRank: QTest::mouseClick(s.main->Value(kRankCaption), Qt::LeftButton); break;
            case Tick: s.program.app.OnTick(); break;
            case Space: QTest::keyClick(elapsed, Qt::Key_Space); break;
            case Enter: QTest::keyClick(elapsed, Qt::Key_Return); break;
            case DoubleClick:
                QTest::mouseClick(elapsed, Qt::LeftButton);
                QTest::mouseDClick(elapsed, Qt::LeftButton);
                QTest::mouseRelease(elapsed, Qt::LeftButton);
                break;
        }
        EXPECT_EQ(elapsed->text().toStdString(), shown) << act;
        QTest::mouseClick(copy, Qt::LeftButton);
        EXPECT_EQ(copied.split("\r\n").value(2).toStdString(), std::string("ヨルマからの日数： ") + copiedLine) << act;
    }
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
        for (int i = 0; end == SessionEnd && i < 2; ++i) s.platform.endSession();
        if (end == DisplayLost) QTest::qWait(1500);
        ProcessDeletions();
        EXPECT_EQ(s.scratch.ReadText("option.ini"),
                  "1,8744,5,1,5,1,1500,750,9241372,16777215,\"\",1,300,150,\"ソルジャー\"\r\n")
            << end;
        EXPECT_EQ(s.platform.endProgramCalls, end == DisplayLost ? 0 : 1) << end;
        EXPECT_TRUE(s.platform.messages.isEmpty()) << end;
    }
}

// The popup menu opens on a right click on the window's background only (in
// the main window beside the lungs; the mini window's report lets presses
// through) and, wherever the focus is, on the Menu key and Shift+F10 at the
// window's corner, where Enter chooses "コピーする". A double click on the
// background hides the window into the tray, whose icon's click brings it
// back; without a tray it is minimised.
TEST(DisplayWindows, MenuAndTray) {
    Started s;
    // The window, controls of it that take their own clicks, where its
    // background takes them, and the key that opens its menu.
    const std::tuple<DisplayWindow*, std::vector<QWidget*>, QWidget*, QPoint, QKeyCombination> windows[] = {
        {s.main,
         {s.main->Value(kElapsedCaption), Find<QProgressBar>(s.main, "progressBar"),
          Find<QPushButton>(s.main, "copyButton")},
         s.main,
         {300, 80},
         Qt::Key_Menu},
        {s.mini, {Find<QLabel>(s.mini, "icon")}, s.mini->Report(), {}, Qt::ShiftModifier | Qt::Key_F10},
    };
    for (const auto& [window, controls, background, at, menuKey] : windows) {
        if (window == s.mini) s.program.app.SwitchToMiniWindow();
        for (QWidget* control : controls) {
            QTest::mouseClick(control, Qt::RightButton);
            // The mini window's icon hands a double click on to its window.
            if (window == s.main) QTest::mouseDClick(control, Qt::LeftButton);
        }
        EXPECT_FALSE(window->PopupMenu()->isVisible());
        EXPECT_TRUE(window->isVisible());
        QTest::mouseClick(background, Qt::RightButton, {}, at);
        EXPECT_TRUE(window->PopupMenu()->isVisible());
        window->PopupMenu()->hide();
        // The mini window takes the keyboard too: its report takes the focus.
        ASSERT_TRUE(TabTo(window, window == s.main ? "copyButton" : "report"));
        QTest::keyClick(QApplication::focusWidget(), menuKey.key(), menuKey.keyboardModifiers());
        ASSERT_TRUE(window->PopupMenu()->isVisible()) << window->objectName().toStdString();
        EXPECT_EQ(window->PopupMenu()->pos(), window->mapToGlobal(QPoint(0, 0)));
        QTest::keyClick(window->PopupMenu(), Qt::Key_Return);
        EXPECT_TRUE(std::exchange(s.platform.clipboard, {}).startsWith(QStringLiteral("ステータス： 少尉\r\n")));
        QTest::mouseDClick(background, Qt::LeftButton, {}, at);
        EXPECT_FALSE(window->isVisible());
        ASSERT_TRUE(s.platform.ClickTrayIcon(window));
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(s.platform.trayIcons.isEmpty());
    }
    s.platform.trayAvailable = false;
    QTest::mouseDClick(s.mini->Report(), Qt::LeftButton);
    EXPECT_TRUE(s.mini->isMinimized());
    EXPECT_TRUE(s.platform.trayIcons.isEmpty());
}

// "http://" and the address as stored, with what a URL cannot carry (blanks,
// non-ASCII text, the marks outside its character set) percent-encoded as
// UTF-8 wherever it stands, in the host name too; its reserved marks and the
// user's own escapes stay as they are.
TEST(DisplayWindows, TheBlogButtonOpensTheStoredAddress) {
    const std::pair<const char*, const char*> addresses[] = {
        {"http://example.org/a b!", "http://http://example.org/a%20b!"},
        // Blanks before and in the host, after it and at the end.
        {" a.jp", "http://%20a.jp"},
        {"a b.jp", "http://a%20b.jp"},
        {"a.jp /b", "http://a.jp%20/b"},
        {"a.jp/b ", "http://a.jp/b%20"},
        {"例え.jp/パス?q=日本", "http://%E4%BE%8B%E3%81%88.jp/%E3%83%91%E3%82%B9?q=%E6%97%A5%E6%9C%AC"},
        {"u@h.jp:80/p;q?a=(1)*2+3,4&b=$'#f~_.-%41", "http://u@h.jp:80/p;q?a=(1)*2+3,4&b=$'#f~_.-%41"},
        {"h.jp/<x>\\^`{|}", "http://h.jp/%3Cx%3E%5C%5E%60%7B%7C%7D"},
    };
    for (const auto& [stored, opened] : addresses) {
        Started s(QString::fromUtf8(stored));
        s.platform.openUrlSucceeds = false;
        QTest::mouseClick(Find<QPushButton>(s.main, "blogButton"), Qt::LeftButton);
        EXPECT_EQ(s.platform.openedUrls.join('|').toStdString(), opened);
        EXPECT_EQ(s.platform.messages, QStringList{"エラーです。フォルダオプションの関連付けなどを確認してください"});
    }
}

// The help reads as any reader: Home and Ctrl+Home go to the top, End and
// Ctrl+End to the bottom. Escape leaves it, the settings as "キャンセル" and
// the information window as "とじる" do. (Whether each text stands out under a
// dark palette, and what a screen reader finds, the face's tests hold.)
TEST(EveryWindow, TheKeyboardFindsItsWay) {
    Started s;
    s.program.app.OpenHelp();
    s.program.app.OpenSettings();
    s.program.app.OpenInfo();
    ASSERT_TRUE(TabTo(s.program.windows.Loaded(Window::Help), "helpText"));
    const QScrollBar* bar = static_cast<QPlainTextEdit*>(QApplication::focusWidget())->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const std::tuple<Qt::Key, Qt::KeyboardModifier, bool> keys[] = {
        {Qt::Key_End, Qt::NoModifier, false},
        {Qt::Key_Home, Qt::NoModifier, true},
        {Qt::Key_End, Qt::ControlModifier, false},
        {Qt::Key_Home, Qt::ControlModifier, true},
    };
    for (const auto& [key, modifier, top] : keys) {
        QTest::keyClick(QApplication::focusWidget(), key, modifier);
        EXPECT_EQ(bar->value(), top ? 0 : bar->maximum()) << key << ' ' << modifier;
    }
    // Each window left by Escape, and the window that comes back.
    const std::pair<Window, Window> escapes[] = {
        {Window::Info, Window::Settings},
        {Window::Settings, Window::Main},
        {Window::Help, Window::Main},
    };
    for (const auto& [left, back] : escapes) {
        ASSERT_TRUE(TabTo(s.program.windows.Loaded(left), ""));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        ProcessDeletions();
        ASSERT_TRUE(!s.program.windows.IsOpen(left) && s.program.windows.IsOpen(back)) << static_cast<int>(left);
    }
}

}  // namespace
