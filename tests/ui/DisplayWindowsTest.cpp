// The main and mini windows together: switching, the tray, the popup menu,
// the version box and what their unloading leaves in "option.ini".

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "startup/Module1.h"
#include "support/DataFolder.h"
#include "support/FakePlatform.h"
#include "support/Windows.h"
#include "ui/Form1.h"
#include "ui/Form7.h"

namespace {

QByteArray Options(int windowMode, int miniLeft = 0, int miniTop = 0) {
    return QStringLiteral("1,8744,5,1,5,1,1200,900,9241372,16777215,\"blog.example/me\",%1,%2,%3,\"ソルジャー\"\r\n")
        .arg(windowMode).arg(miniLeft).arg(miniTop).toUtf8();
}

// Field n (1-based) of the one line of a data file.
QString Field(const QByteArray& line, int n) {
    return DecodeFileText(line).trimmed().split(QLatin1Char(',')).value(n - 1);
}

class DisplayWindowsTest : public ::testing::Test {
protected:
    void Start(int windowMode, int miniLeft = 0, int miniTop = 0) {
        scratch.Write("initial.ini", "2008,10,5,9,0,20,300,85\r\n");
        scratch.Write("option.ini", Options(windowMode, miniLeft, miniTop));
        module.StartUp();
        form1 = module.LoadedForm1();
        form7 = module.LoadedForm7();
        ASSERT_NE(form1, nullptr);
        ASSERT_NE(form7, nullptr);
    }
    void TearDown() override { ProcessDeletions(); }

    void Choose(DisplayWindow* window, const char* entry) {
        QAction* action = window->MenuEntry(entry);
        ASSERT_NE(action, nullptr) << entry;
        action->trigger();
    }

    ScratchDirectory scratch;
    FakePlatform platform;
    Module1 module{platform};
    Form1* form1 = nullptr;
    Form7* form7 = nullptr;
};

TEST_F(DisplayWindowsTest, BothWindowsAreLoadedAndTheStoredOneIsShown) {
    Start(2);
    EXPECT_TRUE(form1->isVisible());
    EXPECT_FALSE(form7->isVisible());
    EXPECT_EQ(form7->windowTitle(), QStringLiteral(" ヨルマ式 mini mode"));
    EXPECT_TRUE(form7->Label1()->text().startsWith(QStringLiteral("ステータス： 少尉\n")));
}

TEST_F(DisplayWindowsTest, MiniModeShowsTheMiniWindowWithTheMainOneHidden) {
    Start(1, 3000, 1500);
    EXPECT_FALSE(form1->isVisible());
    EXPECT_TRUE(form7->isVisible());
    EXPECT_EQ(form7->frameGeometry().topLeft(), QPoint(200, 100));
}

TEST_F(DisplayWindowsTest, TheMiniWindowFollowsTheMainWindowsTimer) {
    Start(1);
    const QString before = form7->Label1()->text();
    platform.now = {2008, 10, 16, 12, 7};
    form1->Form1_Timer1_Timer();
    EXPECT_NE(form7->Label1()->text(), before);
    EXPECT_TRUE(form7->Label1()->text().contains(QStringLiteral("0年 0ヶ月 11日 3時間 7分")));
}

TEST_F(DisplayWindowsTest, SwitchingGoesOneZeroOneAndTheMiniWindowKeepsItsPlace) {
    Start(2, 600, 600);
    form1->move(100, 50);
    Choose(form1, "mnuMini");
    EXPECT_EQ(module.settings.windowMode, 1);
    EXPECT_FALSE(form1->isVisible());
    EXPECT_TRUE(form7->isVisible());
    // The first use opens it exactly where the main window stands.
    EXPECT_EQ(form7->frameGeometry().topLeft(), QPoint(100, 50));

    form7->move(250, 260);
    Choose(form7, "mnuSt");
    EXPECT_EQ(module.settings.windowMode, 0);
    EXPECT_TRUE(form1->isVisible());
    EXPECT_FALSE(form7->isVisible());
    EXPECT_EQ(form1->frameGeometry().topLeft(), QPoint(100, 50));

    Choose(form1, "mnuMini");
    EXPECT_EQ(module.settings.windowMode, 1);
    EXPECT_EQ(form7->frameGeometry().topLeft(), QPoint(250, 260));
}

struct MiniPlaceCase {
    int savedLeft, savedTop, expectedLeft, expectedTop;
};

class MiniPlacementTest : public DisplayWindowsTest, public ::testing::WithParamInterface<MiniPlaceCase> {};

// The screen is 19200 × 14400 twips.
TEST_P(MiniPlacementTest, PullsAnOffScreenPositionBack) {
    Start(1, GetParam().savedLeft, GetParam().savedTop);
    EXPECT_EQ(module.settings.miniLeft, GetParam().expectedLeft);
    EXPECT_EQ(module.settings.miniTop, GetParam().expectedTop);
}

INSTANTIATE_TEST_SUITE_P(Positions, MiniPlacementTest,
                         ::testing::Values(MiniPlaceCase{16000, 300, 9600, 7200}, MiniPlaceCase{15700, 300, 15700, 300},
                                           MiniPlaceCase{300, 12901, 9600, 7200}, MiniPlaceCase{-15, -15, 0, 0}));

TEST_F(DisplayWindowsTest, ExitFromEitherWindowSavesBothPositionsAndTheMode) {
    Start(2, 600, 600);
    Choose(form1, "mnuMini");
    form1->move(40, 30);
    form7->move(20, 10);
    Choose(form7, "mnuExit");
    ProcessDeletions();
    const QByteArray options = scratch.Read("option.ini");
    EXPECT_EQ(Field(options, 7), "600");   // main window: 40 px
    EXPECT_EQ(Field(options, 8), "450");
    EXPECT_EQ(Field(options, 12), "1");
    EXPECT_EQ(Field(options, 13), "300");  // mini window: 20 px
    EXPECT_EQ(Field(options, 14), "150");
    EXPECT_TRUE(module.ProgramEnded());
}

// The session ends (logout, SIGTERM): the same unload as the close box, once.
// The display is lost: the program ends without a word, so the places were
// saved as soon as the windows came to rest.
class SessionEndTest : public DisplayWindowsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SessionEndTest, SavesBothPositionsAndTheMode) {
    const bool sessionEnds = GetParam();
    Start(2, 600, 600);
    form1->move(40, 30);
    Choose(form1, "mnuMini");
    form7->move(20, 10);
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
    form7->move(33, 44);
    form7->close();
    ProcessDeletions();
    ASSERT_TRUE(module.ProgramEnded());

    FakePlatform again;
    Module1 restarted(again);
    restarted.StartUp();
    ASSERT_NE(restarted.LoadedForm7(), nullptr);
    EXPECT_TRUE(restarted.LoadedForm7()->isVisible());
    EXPECT_EQ(restarted.LoadedForm7()->frameGeometry().topLeft(), QPoint(33, 44));
}

TEST_F(DisplayWindowsTest, ADoubleClickHidesIntoTheTrayAndAClickBringsItBack) {
    Start(2);
    QTest::mouseDClick(form1, Qt::LeftButton, {}, QPoint(300, 80));  // on the lungs
    EXPECT_FALSE(form1->isVisible());
    EXPECT_TRUE(platform.trayIcons.contains(form1));
    ASSERT_TRUE(platform.ClickTrayIcon(form1));
    EXPECT_TRUE(form1->isVisible());
    EXPECT_FALSE(platform.trayIcons.contains(form1));
}

TEST_F(DisplayWindowsTest, DoubleClicksOnTheFiguresAndTheBarDoNotHide) {
    Start(2);
    QTest::mouseDClick(form1->Label2(4), Qt::LeftButton);
    QTest::mouseDClick(Find<QLabel>(form1, "Label1_0"), Qt::LeftButton);
    QTest::mouseDClick(form1->ProgressBar1(), Qt::LeftButton);
    EXPECT_TRUE(form1->isVisible());
    EXPECT_TRUE(platform.trayIcons.isEmpty());
}

TEST_F(DisplayWindowsTest, TheMiniWindowsTextAndIconHideItToo) {
    Start(1);
    for (QWidget* target : {static_cast<QWidget*>(form7->Label1()), static_cast<QWidget*>(form7->Image2())}) {
        QTest::mouseDClick(target, Qt::LeftButton);
        EXPECT_FALSE(form7->isVisible());
        ASSERT_TRUE(platform.ClickTrayIcon(form7));
        EXPECT_TRUE(form7->isVisible());
    }
}

TEST_F(DisplayWindowsTest, WithoutATrayTheWindowIsMinimisedInstead) {
    platform.trayAvailable = false;
    Start(2);
    form1->HideToTray();
    EXPECT_TRUE(platform.trayIcons.isEmpty());
    EXPECT_TRUE(form1->isMinimized());
}

TEST_F(DisplayWindowsTest, UnloadingAWindowInTheTrayRemovesItsIcon) {
    Start(2);
    form1->HideToTray();
    ASSERT_TRUE(platform.trayIcons.contains(form1));
    form1->Unload();
    EXPECT_TRUE(platform.trayIcons.isEmpty());
    EXPECT_TRUE(module.ProgramEnded());
}

TEST_F(DisplayWindowsTest, TheMenuOpensOnTheBackgroundOnly) {
    Start(2);
    QMenu* menu = form1->mnuPopup();
    QTest::mouseClick(form1->Label2(0), Qt::RightButton);
    QTest::mouseClick(Find<QLabel>(form1, "Label1_4"), Qt::RightButton);
    QTest::mouseClick(Find<QPushButton>(form1, "Command3"), Qt::RightButton);
    QTest::mouseClick(form1->ProgressBar1(), Qt::RightButton);
    EXPECT_FALSE(menu->isVisible());
    QTest::mouseClick(form1, Qt::RightButton, {}, QPoint(300, 80));
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    QStringList captions;
    for (QAction* action : menu->actions()) captions << action->text();
    EXPECT_EQ(captions, (QStringList{"コピーする", "ブログや掲示板を開く", "ヘルプを読む", "設定変更をする", "バージョン情報",
                                     "ミニサイズで運転する", "アプリケーションの終了"}));
}

TEST_F(DisplayWindowsTest, TheMiniWindowsMenuOpensOnItsTextButNotItsIcon) {
    Start(1);
    QMenu* menu = form7->mnuPopup();
    QTest::mouseClick(form7->Image2(), Qt::RightButton);
    EXPECT_FALSE(menu->isVisible());
    QTest::mouseClick(form7->Label1(), Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    EXPECT_EQ(menu->actions().at(5)->text(), QStringLiteral("標準サイズで運転する"));
}

// The icon lies over the report's top left corner; no text runs under it,
// and the window keeps its size.
TEST_F(DisplayWindowsTest, TheMiniWindowsIconCoversNoneOfTheReport) {
    Start(1);
    EXPECT_EQ(form7->size(), QSize(4230 / 15, 1320 / 15));
    QLabel* report = form7->Label1();
    const QImage text = report->grab().toImage();
    const QRect covered = form7->Image2()->geometry().translated(-report->pos()) & report->rect();
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
    Choose(form1, "mnuVer");
    Choose(form7, "mnuVer");
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[0].startsWith(QStringLiteral("　ヨルマ式バージョン１．１２　\r\n\r\n　- nubeworks -\r\n　")));
    EXPECT_TRUE(platform.messages[0].endsWith(QLatin1Char('/')));
    EXPECT_TRUE(platform.messages[1].startsWith(QStringLiteral("　ヨルマ式バージョン１．１１　\r\n")));
}

TEST_F(DisplayWindowsTest, CopyingFromTheMiniWindowGivesTheMainWindowsText) {
    Start(1);
    Choose(form1, "mnuCopy");
    const QString fromMain = platform.clipboard;
    platform.clipboard.clear();
    Choose(form7, "mnuCopy");
    EXPECT_EQ(platform.clipboard, fromMain);
    EXPECT_EQ(fromMain.count(QStringLiteral("\r\n")), 5);
}

TEST_F(DisplayWindowsTest, BlogEntriesOpenTheAddressAsStored) {
    Start(2);
    module.settings.blogUrl = "http://twice.example/";
    platform.openUrlSucceeds = false;
    Choose(form7, "mnuBlog");
    ASSERT_EQ(platform.openedUrls.size(), 1);
    EXPECT_EQ(platform.openedUrls[0], QStringLiteral("http://http://twice.example/"));
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください")});
}

}  // namespace
