// The help text and the help window: one window, opened from either display
// window, whose text box always fills it.

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "engine/RankTitles.h"
#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/HelpText.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/MiniWindow.h"

namespace {

const QString kClosingHint = QStringLiteral("＝＝ウインドウ右上のＸボタンを押すとヘルプが終了します＝＝");

QStringList HelpLines() { return HelpText().split(QStringLiteral("\r\n")); }

QString FullWidth(int number) {
    QString text = QString::number(number);
    for (QChar& c : text) c = QChar(c.unicode() - u'0' + u'０');
    return text;
}

TEST(HelpTextTest, BeginsAndEndsWithHowToCloseItAndEndsEveryLineWithCrLf) {
    const QStringList lines = HelpLines();
    EXPECT_EQ(lines.first(), kClosingHint);
    EXPECT_EQ(lines.last(), kClosingHint);
    EXPECT_EQ(HelpText().count(QLatin1Char('\n')), HelpText().count(QStringLiteral("\r\n")));
    EXPECT_EQ(HelpText().count(QLatin1Char('\r')), HelpText().count(QStringLiteral("\r\n")));
}

TEST(HelpTextTest, TheMenuListsTheTwentyOneSectionsInOrder) {
    const QStringList lines = HelpLines();
    const qsizetype menuHeading = lines.indexOf(QStringLiteral("◆　ヨルマ式ヘルプメニュー"));
    ASSERT_GT(menuHeading, 1);
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_TRUE(lines[menuHeading + 1].isEmpty());
    const QStringList menu = lines.mid(menuHeading + 2, 21);
    QStringList headings;
    for (const QString& line : lines) {
        if (line.endsWith(QStringLiteral("　◆"))) headings << line;
    }
    ASSERT_EQ(headings.size(), 21);
    for (int n = 1; n <= 21; ++n) {
        const QString heading = headings[n - 1];
        const QString number = FullWidth(n) + QStringLiteral("）");
        ASSERT_TRUE(heading.startsWith(number)) << heading.toStdString();
        QString title = heading.chopped(2);
        if (n == 5) title = QStringLiteral("５）延びた寿命と肺の状態");
        EXPECT_EQ(menu[n - 1], (n < 10 ? QStringLiteral("　") : QString()) + title) << n;
        // Each section follows a blank line and has text of its own.
        const qsizetype at = lines.indexOf(heading);
        EXPECT_TRUE(lines[at - 1].isEmpty()) << n;
        EXPECT_FALSE(lines[at + 1].isEmpty()) << n;
    }
    EXPECT_EQ(headings[4], QStringLiteral("５）延びた寿命と肺の状態について　◆"));
}

struct LadderCase {
    const char* heading;
    const char* statusMode;
};

class HelpLadderTest : public ::testing::TestWithParam<LadderCase> {};

// From the top: three unknown ranks, four hidden ones with their thresholds,
// then every title from 240 days down to the first day.
TEST_P(HelpLadderTest, ListsTheRanksAsTheStatusShowsThem) {
    const std::string_view mode = GetParam().statusMode;
    const QStringList lines = HelpLines();
    const qsizetype heading = lines.indexOf(QString::fromUtf8(GetParam().heading));
    ASSERT_GT(heading, 0);
    QStringList ladder;
    for (qsizetype i = heading + 1; i < lines.size() && !lines[i].isEmpty(); ++i) ladder << lines[i];

    QStringList expected(3, QStringLiteral("？ 【？】"));
    expected << QStringLiteral("？ 【１年以上】");
    EXPECT_FALSE(SelectRankTitle(mode, 365, 1).empty());
    for (int days : {330, 300, 270}) {
        expected << QStringLiteral("？ 【%1日以上】").arg(FullWidth(days));
        EXPECT_NE(SelectRankTitle(mode, days, 0), SelectRankTitle(mode, days - 1, 0)) << days;
    }
    for (int days : {240, 210, 180, 150, 120, 90, 60, 30, 26, 22, 20, 18, 16, 14, 12, 10, 8, 6, 5, 4, 3, 2, 1, 0}) {
        const std::string_view title = SelectRankTitle(mode, days, 0);
        expected << QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())) +
                        QStringLiteral(" 【%1日以上】").arg(FullWidth(days));
        if (days > 0) {
            EXPECT_NE(title, SelectRankTitle(mode, days - 1, 0)) << days;  // the rank begins that day
        }
    }
    EXPECT_EQ(ladder, expected);
}

INSTANTIATE_TEST_SUITE_P(Help, HelpLadderTest,
                         ::testing::Values(LadderCase{"【ソルジャーモード】", "ソルジャー"},
                                           LadderCase{"【コスモモード】", "コスモ"}));

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch.Write("initial.ini", "2008,10,5,9,0,20,300,85\r\n");
        scratch.Write("option.ini",
                      QStringLiteral("1,8744,5,1,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"ソルジャー\"\r\n").toUtf8());
        program.app.StartUp();
        main = VisibleWindow<MainWindow>("mainWindow");
        ASSERT_NE(main, nullptr);
    }
    void TearDown() override { ProcessDeletions(); }

    void PressHelpButton() {
        QTest::mouseClick(Find<QPushButton>(main, "helpButton"), Qt::LeftButton);
        ProcessDeletions();
    }

    // Every help window that has not been closed, shown or not.
    static QList<HelpWindow*> HelpWindows() {
        QList<HelpWindow*> found;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* help = qobject_cast<HelpWindow*>(window);
            if (help != nullptr && !help->IsUnloaded()) found << help;
        }
        return found;
    }

    // Window state changes and the resizes they bring arrive as events.
    static void Settle() {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }

    ScratchDirectory scratch;
    Program program;
    MainWindow* main = nullptr;
};

TEST_F(HelpWindowTest, ShowsTheWholeHelpInOneWindowWhicheverCommandOpensIt) {
    PressHelpButton();
    auto* help = VisibleWindow<HelpWindow>("helpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("  (?_?) - help"));
    EXPECT_EQ(help->size(), QSize(505, 540));
    EXPECT_EQ(help->Text()->toPlainText(), QString(HelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(help->Text()->geometry(), help->rect());
    EXPECT_TRUE(help->Text()->verticalScrollBar()->isVisible());
    EXPECT_TRUE(main->isVisible());  // the main window stays as it was

    PressHelpButton();
    main->MenuEntry("helpEntry")->trigger();
    main->MenuEntry("miniEntry")->trigger();
    auto* mini = VisibleWindow<MiniWindow>("miniWindow");
    ASSERT_NE(mini, nullptr);
    help->showMinimized();
    Settle();
    mini->MenuEntry("helpEntry")->trigger();
    Settle();
    EXPECT_EQ(HelpWindows(), QList<HelpWindow*>{help});
    EXPECT_FALSE(help->isMinimized());  // a minimized help comes back
}

TEST_F(HelpWindowTest, TheTextBoxFollowsTheWindowExceptWhenMinimized) {
    PressHelpButton();
    auto* help = VisibleWindow<HelpWindow>("helpWindow");
    ASSERT_NE(help, nullptr);
    QPlainTextEdit* text = help->Text();

    help->showMaximized();
    Settle();
    ASSERT_TRUE(help->isMaximized());
    EXPECT_GT(help->width(), 505);
    EXPECT_EQ(text->geometry(), help->rect());

    help->showNormal();
    Settle();
    EXPECT_EQ(text->geometry(), QRect(0, 0, 505, 540));

    help->showMinimized();
    Settle();
    ASSERT_TRUE(help->isMinimized());
    help->resize(200, 150);
    Settle();
    EXPECT_EQ(text->size(), QSize(505, 540));
}

TEST_F(HelpWindowTest, ClosingTheHelpLeavesTheProgramRunningAndItOpensAgain) {
    PressHelpButton();
    auto* help = VisibleWindow<HelpWindow>("helpWindow");
    ASSERT_NE(help, nullptr);
    help->close();
    ProcessDeletions();
    EXPECT_TRUE(HelpWindows().isEmpty());
    EXPECT_FALSE(program.app.Ended());
    PressHelpButton();
    EXPECT_NE(VisibleWindow<HelpWindow>("helpWindow"), nullptr);
}

}  // namespace
