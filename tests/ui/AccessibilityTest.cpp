// Keyboard and screen readers: every shown control has a name, the menu opens
// from the keyboard, the elapsed figure takes Enter and Space, focus shows.

#include <QAccessible>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/MainWindow.h"
#include "ui/MiniWindow.h"

namespace {

std::string Text(QWidget* control, QAccessible::Text text = QAccessible::Name) {
    return control ? QAccessible::queryAccessibleInterface(control)->text(text).toStdString() : "<none>";
}

// The shown controls under a node without a name; frames, and the panes and
// scroll bars of a text box, stand for nothing.
std::string Unnamed(QAccessibleInterface* node) {
    std::string unnamed;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        const QAccessible::Role role = child->role();
        if (child->state().invisible) continue;
        if (role != QAccessible::Border && role != QAccessible::Client && role != QAccessible::ScrollBar &&
            child->text(QAccessible::Name).trimmed().isEmpty())
            unnamed += child->object()->objectName().toStdString() + ' ';
        unnamed += Unnamed(child);
    }
    return unnamed;
}

void ExpectAllNamed(const Program& program, Window kind) {
    QWidget* window = program.windows.Loaded(kind);
    ASSERT_TRUE(window != nullptr && window->isVisible()) << static_cast<int>(kind);
    EXPECT_EQ(Unnamed(QAccessible::queryAccessibleInterface(window)), "") << window->objectName().toStdString();
}

TEST(AccessibleFirstRunTest, EveryShownControlHasAName) {
    ScratchDirectory scratch;
    Program program;
    program.platform.now = {2008, 12, 24, 9, 0};  // the greeting leaves a line empty
    program.app.StartUp();
    ExpectAllNamed(program, Window::Profile);
    program.app.EnterProfile(QStringLiteral("20"), QStringLiteral("300"), 1);
    ExpectAllNamed(program, Window::StartConfirmation);
    program.app.StartTracking();
    ExpectAllNamed(program, Window::SeasonalGreeting);
    ProcessDeletions();
}

class AccessibleWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch.Write("initial.ini", "2008,10,5,9,0,20,300,85\r\n");
        scratch.Write("option.ini", "1,8744,5,1,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"ソルジャー\"\r\n");
        program.app.StartUp();  // day 10, 3 hours and 7 minutes
        mainWindow = program.Loaded<MainWindow>(Window::Main);
        ASSERT_TRUE(Activate(mainWindow));
    }
    void TearDown() override { ProcessDeletions(); }

    static bool Activate(QWidget* window) {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
    // Tab brings the focus to the control, and the control shows it.
    static void ExpectTabShowsFocus(QWidget* control) {
        const QImage before = control->grab().toImage();
        for (int i = 0; i < 40 && !control->hasFocus(); ++i) QTest::keyClick(control->window(), Qt::Key_Tab);
        ASSERT_TRUE(control->hasFocus()) << control->objectName().toStdString();
        EXPECT_NE(control->grab().toImage(), before);
    }

    ScratchDirectory scratch;
    Program program;
    MainWindow* mainWindow = nullptr;
};

// Names follow each refresh; the figures are named by their captions.
TEST_F(AccessibleWindowsTest, EveryShownControlHasAName) {
    const char* captions[6] = {"ヨルマからの日数", "延びた寿命", "節約できた金額", "ステータス", "吸わなかった煙草", "今日の一言"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Text(mainWindow->Value(static_cast<CaptionIndex>(i))), captions[i]);
    const struct { MomentParts now; const char *lungs, *ducks; } days[] = {
        {{2008, 10, 5, 12, 7}, "肺の状態：黒ずんでいる（きれいさ1％）", "アヒル：いません"},
        {{2008, 10, 27, 12, 7}, "肺の状態：赤黒い（きれいさ56％）", "アヒル：2羽"},
        {{2008, 11, 18, 12, 7}, "肺の状態：きれいなピンク色（きれいさ100％）", "アヒル：3羽（喜んでいるのは1羽）"},
    };
    for (const auto& day : days) {
        program.platform.now = day.now;
        program.app.onTick();
        ExpectAllNamed(program, Window::Main);
        EXPECT_EQ(Text(Find<QWidget>(mainWindow, "lungName")), day.lungs);
        EXPECT_EQ(Text(Find<QWidget>(mainWindow, "ducksName")), day.ducks);
    }
    // The figure itself is read out as the description.
    EXPECT_EQ(Text(mainWindow->Value(kElapsedCaption), QAccessible::Description), "０年１ヶ月１３日３時間７分");
    program.app.SwitchToMiniWindow();
    ExpectAllNamed(program, Window::Mini);
    program.app.OpenHelp();
    ExpectAllNamed(program, Window::Help);
    program.app.OpenSettings();
    ExpectAllNamed(program, Window::Settings);
    program.app.OpenInfo();
    ExpectAllNamed(program, Window::Info);
}

TEST_F(AccessibleWindowsTest, MenuKeysOpenTheMenuAtTheWindowsCorner) {
    for (DisplayWindow* window : {static_cast<DisplayWindow*>(mainWindow), program.Loaded<DisplayWindow>(Window::Mini)}) {
        if (window != mainWindow) program.app.SwitchToMiniWindow();
        ASSERT_TRUE(Activate(window));
        for (const auto& [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
            QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key, modifiers);
            ASSERT_TRUE(window->PopupMenu()->isVisible()) << window->objectName().toStdString() << key;
            EXPECT_EQ(window->PopupMenu()->pos(), window->mapToGlobal(QPoint(0, 0)));
            // The first entry is chosen: Enter copies the report.
            QTest::keyClick(window->PopupMenu(), Qt::Key_Return);
            EXPECT_TRUE(program.platform.clipboard.startsWith(QStringLiteral("ステータス： 少尉\r\n")));
            program.platform.clipboard.clear();
        }
    }
}

TEST_F(AccessibleWindowsTest, TabShowsTheFocusAndTheElapsedFigureSwitchesByEnterAndSpace) {
    QLabel* elapsed = mainWindow->Value(kElapsedCaption);
    ExpectTabShowsFocus(elapsed);
    QTest::keyClick(elapsed, Qt::Key_Space);
    EXPECT_EQ(elapsed->text().toStdString(), "１０日３時間７分");
    QTest::keyClick(elapsed, Qt::Key_Return);
    EXPECT_EQ(elapsed->text().toStdString(), "０年０ヶ月１０日３時間７分");
    ExpectTabShowsFocus(Find<QWidget>(mainWindow, "copyButton"));

    program.app.OpenSettings();
    QWidget* settings = program.windows.Loaded(Window::Settings);
    ASSERT_TRUE(Activate(settings));
    ExpectTabShowsFocus(Find<QWidget>(settings, "priceBox"));
}

}  // namespace
