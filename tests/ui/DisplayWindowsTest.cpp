// The main and mini windows together: switching, the tray, the popup menu,
// the version box and what their unloading leaves in "option.ini".

#include <QAction>
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

QString Options(int windowMode, int miniLeft, int miniTop, const QString& blogUrl) {
    return QStringLiteral("1,8744,5,1,5,1,1200,900,9241372,16777215,\"%4\",%1,%2,%3,\"ソルジャー\"\r\n")
        .arg(windowMode).arg(miniLeft).arg(miniTop).arg(blogUrl);
}

// Field n (1-based) of the one line of a data file.
QString Field(const QByteArray& line, int n) {
    return DecodeFileText(line).trimmed().split(QLatin1Char(',')).value(n - 1);
}

class DisplayWindowsTest : public ::testing::Test {
protected:
    void Start(int windowMode, int miniLeft = 0, int miniTop = 0,
               const QString& blogUrl = QStringLiteral("blog.example/me")) {
        scratch.Write("initial.ini", "2008,10,5,9,0,20,300,85\r\n");
        scratch.WriteText("option.ini", Options(windowMode, miniLeft, miniTop, blogUrl));
        program.app.StartUp();
        mainWindow = program.Loaded<MainWindow>(Window::Main);
        miniWindow = program.Loaded<MiniWindow>(Window::Mini);
        ASSERT_NE(mainWindow, nullptr);
        ASSERT_NE(miniWindow, nullptr);
    }
    void TearDown() override { ProcessDeletions(); }

    void Choose(DisplayWindow* window, const char* entry) {
        QAction* action = window->MenuEntry(entry);
        ASSERT_NE(action, nullptr) << entry;
        action->trigger();
    }

    QLabel* Icon() const { return Find<QLabel>(miniWindow, "icon"); }
    QProgressBar* Bar() const { return Find<QProgressBar>(mainWindow, "progressBar"); }

    ScratchDirectory scratch;
    Program program;
    FakePlatform& platform = program.platform;
    MainWindow* mainWindow = nullptr;
    MiniWindow* miniWindow = nullptr;
};

TEST_F(DisplayWindowsTest, BothWindowsAreLoadedAndTheStoredOneIsShown) {
    Start(2);
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_FALSE(miniWindow->isVisible());
    EXPECT_EQ(miniWindow->windowTitle(), QStringLiteral(" ヨルマ式 mini mode"));
    EXPECT_TRUE(miniWindow->Report()->text().startsWith(QStringLiteral("ステータス： 少尉\n")));
}

TEST_F(DisplayWindowsTest, MiniModeShowsTheMiniWindowWithTheMainOneHidden) {
    Start(1, 3000, 1500);
    EXPECT_FALSE(mainWindow->isVisible());
    EXPECT_TRUE(miniWindow->isVisible());
    EXPECT_EQ(miniWindow->frameGeometry().topLeft(), QPoint(200, 100));
}

TEST_F(DisplayWindowsTest, TheMiniWindowFollowsTheTimer) {
    Start(1);
    const QString before = miniWindow->Report()->text();
    platform.now = {2008, 10, 16, 12, 7};
    program.app.onTick();
    EXPECT_NE(miniWindow->Report()->text(), before);
    EXPECT_TRUE(miniWindow->Report()->text().contains(QStringLiteral("0年 0ヶ月 11日 3時間 7分")));
}

TEST_F(DisplayWindowsTest, SwitchingGoesOneZeroOneAndTheMiniWindowKeepsItsPlace) {
    Start(2, 600, 600);
    mainWindow->move(100, 50);
    Choose(mainWindow, "miniEntry");
    EXPECT_EQ(program.app.Settings().windowMode, 1);
    EXPECT_FALSE(mainWindow->isVisible());
    EXPECT_TRUE(miniWindow->isVisible());
    // The first use opens it exactly where the main window stands.
    EXPECT_EQ(miniWindow->frameGeometry().topLeft(), QPoint(100, 50));

    miniWindow->move(250, 260);
    Choose(miniWindow, "mainEntry");
    EXPECT_EQ(program.app.Settings().windowMode, 0);
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_FALSE(miniWindow->isVisible());
    EXPECT_EQ(mainWindow->frameGeometry().topLeft(), QPoint(100, 50));

    Choose(mainWindow, "miniEntry");
    EXPECT_EQ(program.app.Settings().windowMode, 1);
    EXPECT_EQ(miniWindow->frameGeometry().topLeft(), QPoint(250, 260));
}

struct MiniPlaceCase {
    int savedLeft, savedTop, expectedLeft, expectedTop;
};

class MiniPlacementTest : public DisplayWindowsTest, public ::testing::WithParamInterface<MiniPlaceCase> {};

// The screen is 19200 × 14400 twips.
TEST_P(MiniPlacementTest, PullsAnOffScreenPositionBack) {
    Start(1, GetParam().savedLeft, GetParam().savedTop);
    EXPECT_EQ(program.app.Settings().miniLeft, GetParam().expectedLeft);
    EXPECT_EQ(program.app.Settings().miniTop, GetParam().expectedTop);
}

INSTANTIATE_TEST_SUITE_P(Positions, MiniPlacementTest,
                         ::testing::Values(MiniPlaceCase{16000, 300, 9600, 7200}, MiniPlaceCase{15700, 300, 15700, 300},
                                           MiniPlaceCase{300, 12901, 9600, 7200}, MiniPlaceCase{-15, -15, 0, 0}));

TEST_F(DisplayWindowsTest, ExitFromEitherWindowSavesBothPositionsAndTheMode) {
    Start(2, 600, 600);
    Choose(mainWindow, "miniEntry");
    mainWindow->move(40, 30);
    miniWindow->move(20, 10);
    Choose(miniWindow, "exitEntry");
    ProcessDeletions();
    const QByteArray options = scratch.Read("option.ini");
    EXPECT_EQ(Field(options, 7), "600");   // main window: 40 px
    EXPECT_EQ(Field(options, 8), "450");
    EXPECT_EQ(Field(options, 12), "1");
    EXPECT_EQ(Field(options, 13), "300");  // mini window: 20 px
    EXPECT_EQ(Field(options, 14), "150");
    EXPECT_TRUE(program.app.Ended());
}

// The session ends (logout, SIGTERM): the same unload as the close box, once.
// The display is lost: the program ends without a word, so the places were
// saved as soon as the windows came to rest.
class SessionEndTest : public DisplayWindowsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SessionEndTest, SavesBothPositionsAndTheMode) {
    const bool sessionEnds = GetParam();
    Start(2, 600, 600);
    mainWindow->move(40, 30);
    Choose(mainWindow, "miniEntry");
    miniWindow->move(20, 10);
    if (sessionEnds) {
        ASSERT_TRUE(platform.endSession);
        platform.endSession();
        platform.endSession();
        ProcessDeletions();
    } else {
        QTest::qWait(1500);
    }
    const QByteArray options = scratch.Read("option.ini");
    EXPECT_EQ(Field(options, 7) + ',' + Field(options, 8), "600,450");
    EXPECT_EQ(Field(options, 12), "1");
    EXPECT_EQ(Field(options, 13) + ',' + Field(options, 14), "300,150");
    EXPECT_EQ(platform.endProgramCalls, sessionEnds ? 1 : 0);
    EXPECT_TRUE(platform.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Ends, SessionEndTest, ::testing::Values(true, false),
                         [](const auto& tested) { return std::string(tested.param ? "SessionEnds" : "DisplayLost"); });

TEST_F(DisplayWindowsTest, ARestartOpensTheMiniWindowWhereItWasLeft) {
    Start(1, 4500, 3000);
    miniWindow->move(33, 44);
    miniWindow->close();
    ProcessDeletions();
    ASSERT_TRUE(program.app.Ended());

    Program again;
    again.app.StartUp();
    auto* restarted = again.Loaded<MiniWindow>(Window::Mini);
    ASSERT_NE(restarted, nullptr);
    EXPECT_TRUE(restarted->isVisible());
    EXPECT_EQ(restarted->frameGeometry().topLeft(), QPoint(33, 44));
}

TEST_F(DisplayWindowsTest, ADoubleClickHidesIntoTheTrayAndAClickBringsItBack) {
    Start(2);
    QTest::mouseDClick(mainWindow, Qt::LeftButton, {}, QPoint(300, 80));  // on the lungs
    EXPECT_FALSE(mainWindow->isVisible());
    EXPECT_TRUE(platform.trayIcons.contains(mainWindow));
    ASSERT_TRUE(platform.ClickTrayIcon(mainWindow));
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_FALSE(platform.trayIcons.contains(mainWindow));
}

TEST_F(DisplayWindowsTest, DoubleClicksOnTheFiguresAndTheBarDoNotHide) {
    Start(2);
    QTest::mouseDClick(mainWindow->Value(kCigaretteCaption), Qt::LeftButton);
    QTest::mouseDClick(Find<QLabel>(mainWindow, "elapsedCaption"), Qt::LeftButton);
    QTest::mouseDClick(Bar(), Qt::LeftButton);
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_TRUE(platform.trayIcons.isEmpty());
}

TEST_F(DisplayWindowsTest, TheMiniWindowsTextAndIconHideItToo) {
    Start(1);
    for (QWidget* target : {static_cast<QWidget*>(miniWindow->Report()), static_cast<QWidget*>(Icon())}) {
        QTest::mouseDClick(target, Qt::LeftButton);
        EXPECT_FALSE(miniWindow->isVisible());
        ASSERT_TRUE(platform.ClickTrayIcon(miniWindow));
        EXPECT_TRUE(miniWindow->isVisible());
    }
}

TEST_F(DisplayWindowsTest, WithoutATrayTheWindowIsMinimisedInstead) {
    platform.trayAvailable = false;
    Start(2);
    mainWindow->HideToTray();
    EXPECT_TRUE(platform.trayIcons.isEmpty());
    EXPECT_TRUE(mainWindow->isMinimized());
}

TEST_F(DisplayWindowsTest, UnloadingAWindowInTheTrayRemovesItsIcon) {
    Start(2);
    mainWindow->HideToTray();
    ASSERT_TRUE(platform.trayIcons.contains(mainWindow));
    program.app.Exit();
    EXPECT_TRUE(platform.trayIcons.isEmpty());
    EXPECT_TRUE(program.app.Ended());
}

TEST_F(DisplayWindowsTest, TheMenuOpensOnTheBackgroundOnly) {
    Start(2);
    QMenu* menu = mainWindow->PopupMenu();
    QTest::mouseClick(mainWindow->Value(kElapsedCaption), Qt::RightButton);
    QTest::mouseClick(Find<QLabel>(mainWindow, "lifeCaption"), Qt::RightButton);
    QTest::mouseClick(Find<QPushButton>(mainWindow, "copyButton"), Qt::RightButton);
    QTest::mouseClick(Bar(), Qt::RightButton);
    EXPECT_FALSE(menu->isVisible());
    QTest::mouseClick(mainWindow, Qt::RightButton, {}, QPoint(300, 80));
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    QStringList captions;
    for (QAction* action : menu->actions()) captions << action->text();
    EXPECT_EQ(captions, (QStringList{"コピーする", "ブログや掲示板を開く", "ヘルプを読む", "設定変更をする", "バージョン情報",
                                     "ミニサイズで運転する", "アプリケーションの終了"}));
}

TEST_F(DisplayWindowsTest, TheMiniWindowsMenuOpensOnItsTextButNotItsIcon) {
    Start(1);
    QMenu* menu = miniWindow->PopupMenu();
    QTest::mouseClick(Icon(), Qt::RightButton);
    EXPECT_FALSE(menu->isVisible());
    QTest::mouseClick(miniWindow->Report(), Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    EXPECT_EQ(menu->actions().at(5)->text(), QStringLiteral("標準サイズで運転する"));
}

// The icon lies over the report's top left corner; no text runs under it,
// and the window keeps its size.
TEST_F(DisplayWindowsTest, TheMiniWindowsIconCoversNoneOfTheReport) {
    Start(1);
    EXPECT_EQ(miniWindow->size(), QSize(4230 / 15, 1320 / 15));
    QLabel* report = miniWindow->Report();
    const QImage text = report->grab().toImage();
    const QRect covered = Icon()->geometry().translated(-report->pos()) & report->rect();
    ASSERT_FALSE(covered.isEmpty());
    const QRgb paper = report->palette().color(QPalette::Window).rgb();
    int inked = 0;
    for (int y = covered.top(); y <= covered.bottom(); ++y)
        for (int x = covered.left(); x <= covered.right(); ++x) inked += text.pixel(x, y) != paper;
    EXPECT_EQ(inked, 0);
    EXPECT_TRUE(report->text().startsWith(QStringLiteral("ステータス： 少尉\n")));
}

TEST_F(DisplayWindowsTest, VersionBoxesNameTheirWindowsVersion) {
    Start(2);
    Choose(mainWindow, "versionEntry");
    Choose(miniWindow, "versionEntry");
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[0].startsWith(QStringLiteral("　ヨルマ式バージョン１．１２　\r\n\r\n　- nubeworks -\r\n　")));
    EXPECT_TRUE(platform.messages[0].endsWith(QLatin1Char('/')));
    EXPECT_TRUE(platform.messages[1].startsWith(QStringLiteral("　ヨルマ式バージョン１．１１　\r\n")));
}

TEST_F(DisplayWindowsTest, CopyingFromTheMiniWindowGivesTheMainWindowsText) {
    Start(1);
    Choose(mainWindow, "copyEntry");
    const QString fromMain = platform.clipboard;
    platform.clipboard.clear();
    Choose(miniWindow, "copyEntry");
    EXPECT_EQ(platform.clipboard, fromMain);
    EXPECT_EQ(fromMain.count(QStringLiteral("\r\n")), 5);
}

TEST_F(DisplayWindowsTest, BlogEntriesOpenTheAddressAsStored) {
    Start(2, 0, 0, QStringLiteral("http://twice.example/"));
    platform.openUrlSucceeds = false;
    Choose(miniWindow, "blogEntry");
    ASSERT_EQ(platform.openedUrls.size(), 1);
    EXPECT_EQ(platform.openedUrls[0], QStringLiteral("http://http://twice.example/"));
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください")});
}

}  // namespace
