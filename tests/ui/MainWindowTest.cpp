#include "ui/MainWindow.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/Pictures.h"

namespace {

// When each running timer of the event loop fires next, in milliseconds, by
// its id. Qt hands out timer ids from 1 up and reuses them, so the running
// ones lie low; an id not in use has no remaining time.
std::map<int, int> RunningTimers() {
    QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
    std::map<int, int> running;
    for (int id = 1; id < 10000; ++id) {
        if (const int remaining = loop->remainingTime(id); remaining >= 0) running[id] = remaining;
    }
    return running;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch.Write("initial.ini", "2008,10,5,9,0,20,300,85\r\n");
        WriteOptions(1200, 900);
    }
    void TearDown() override { ProcessDeletions(); }

    void WriteOptions(int left, int top, int back = 9241372, int text = 16777215,
                      const QString& blogUrl = QStringLiteral("blog.example/me")) {
        scratch.WriteText("option.ini", QStringLiteral("1,8744,5,1,5,1,%1,%2,%3,%4,\"%5\",2,0,0,\"ソルジャー\"\r\n")
                                            .arg(left).arg(top).arg(back).arg(text).arg(blogUrl));
    }

    // The start-up of a set-up program, which shows the main window.
    MainWindow* Load() {
        program.app.StartUp();
        return program.Loaded<MainWindow>(Window::Main);
    }

    QString Caption(MainWindow* form, int index) { return form->Value(static_cast<CaptionIndex>(index))->text(); }

    // The elapsed line of a copy made now: it takes the form the elapsed
    // figure shows until the next tick.
    QString CopiedElapsedLine() {
        program.app.CopyReport();
        return platform.clipboard.split(QStringLiteral("\r\n")).value(2);
    }

    ScratchDirectory scratch;
    Program program;
    FakePlatform& platform = program.platform;
};

TEST_F(MainWindowTest, LoadReadsBothFilesAndShowsTheFigures) {
    MainWindow* form = Load();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" ヨルマ式 - nubera"));
    EXPECT_EQ(Caption(form, 0), QStringLiteral("０年０ヶ月１０日３時間７分"));
    EXPECT_EQ(Caption(form, 1), QStringLiteral("０日と１８時間３４分"));
    EXPECT_EQ(Caption(form, 2), QStringLiteral("3038円（節税分 1915円）"));
    EXPECT_EQ(Caption(form, 3), QStringLiteral("少尉"));
    EXPECT_EQ(Caption(form, 4), QStringLiteral("202本 17.22ｍ シャア専用ザク"));
    EXPECT_FALSE(Caption(form, 5).isEmpty());
    EXPECT_EQ(program.app.Settings().copyPlusMode, 1);
    EXPECT_EQ(program.app.Settings().blogUrl, "blog.example/me");
}

TEST_F(MainWindowTest, EachTickRefreshesFromTheClock) {
    const std::map<int, int> before = RunningTimers();
    QElapsedTimer sinceStart;
    sinceStart.start();
    MainWindow* form = Load();
    ASSERT_NE(form, nullptr);
    // The load starts a 30-second timer. Qt keeps a timer this long to the
    // second: Linux has it fall due 29.5 to 30.5 seconds after its start,
    // Windows counts from the start's whole second, so 29 to 30 seconds.
    const auto earliest = 29000 - sinceStart.elapsed();
    int started = 0;
    for (const auto& [id, remaining] : RunningTimers()) {
        const bool isNew = !before.contains(id) || remaining > before.at(id);
        started += isNew && remaining >= earliest && remaining <= 30500;
    }
    EXPECT_EQ(started, 1);
    platform.now = {2008, 10, 15, 12, 8};
    program.app.onTick();
    EXPECT_EQ(Caption(form, 0), QStringLiteral("０年０ヶ月１０日３時間８分"));
    platform.now = {2009, 10, 5, 9, 0};
    program.app.onTick();
    EXPECT_EQ(Caption(form, 0), QStringLiteral("１年０ヶ月０日０時間０分"));
    EXPECT_EQ(Caption(form, 3), QStringLiteral("ケンシロウ"));
}

struct PositionCase {
    int savedLeft, savedTop;
    int expectedLeft, expectedTop;
};

class MainWindowPositionTest : public MainWindowTest, public ::testing::WithParamInterface<PositionCase> {};

// The screen is 19200 × 14400 twips.
TEST_P(MainWindowPositionTest, PullsAnOffScreenPositionBack) {
    const PositionCase& c = GetParam();
    WriteOptions(c.savedLeft, c.savedTop);
    MainWindow* form = Load();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(program.app.Settings().mainLeft, c.expectedLeft);
    EXPECT_EQ(program.app.Settings().mainTop, c.expectedTop);
    EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(c.expectedLeft / 15, c.expectedTop / 15));
}

INSTANTIATE_TEST_SUITE_P(Positions, MainWindowPositionTest,
                         ::testing::Values(PositionCase{0, 0, 0, 0}, PositionCase{1200, 900, 1200, 900},
                                           PositionCase{15000, 300, 9600, 7200}, PositionCase{14200, 300, 14200, 300},
                                           PositionCase{300, 11401, 9600, 7200}, PositionCase{-300, 900, 0, 900},
                                           PositionCase{600, -45, 600, 0}));

TEST_F(MainWindowTest, ValueLabelsTakeTheSavedColours) {
    WriteOptions(0, 0, 0x00FF8040 /* blue ff, green 80, red 40 */, 0);
    MainWindow* form = Load();
    ASSERT_NE(form, nullptr);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(form->Value(static_cast<CaptionIndex>(i))->palette().color(QPalette::Window), QColor(0x40, 0x80, 0xFF));
        EXPECT_EQ(form->Value(static_cast<CaptionIndex>(i))->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }
}

TEST_F(MainWindowTest, ClickingTheElapsedFigureSwitchesItsFormUntilTheNextTick) {
    platform.now = {2009, 12, 7, 14, 7};  // 428 days, 5 hours, 7 minutes
    MainWindow* form = Load();
    ASSERT_NE(form, nullptr);
    QLabel* elapsed = form->Value(kElapsedCaption);
    const QString calendar = Caption(form, 0);
    const QString calendarLine = QStringLiteral("ヨルマからの日数： 1年 2ヶ月 2日 5時間 7分");
    const QString daysLine = QStringLiteral("ヨルマからの日数： 428日 5時間 7分");
    QTest::mouseClick(elapsed, Qt::LeftButton);
    EXPECT_EQ(Caption(form, 0), QStringLiteral("４２８日５時間７分"));
    EXPECT_EQ(CopiedElapsedLine(), daysLine);
    QTest::mouseClick(elapsed, Qt::LeftButton);
    EXPECT_EQ(Caption(form, 0), calendar);

    QTest::mouseClick(elapsed, Qt::LeftButton);
    program.app.onTick();
    EXPECT_EQ(Caption(form, 0), calendar);
    EXPECT_EQ(CopiedElapsedLine(), calendarLine);

    // A double click is a click and a double click: it switches once.
    QTest::mouseClick(elapsed, Qt::LeftButton);
    QTest::mouseDClick(elapsed, Qt::LeftButton);
    QTest::mouseRelease(elapsed, Qt::LeftButton);
    EXPECT_EQ(Caption(form, 0), QStringLiteral("４２８日５時間７分"));
}

TEST_F(MainWindowTest, ClicksOnTheOtherFiguresChangeNothing) {
    MainWindow* form = Load();
    ASSERT_NE(form, nullptr);
    QStringList before;
    for (int i = 0; i < 6; ++i) before << Caption(form, i);
    for (int i = 1; i < 6; ++i) QTest::mouseClick(form->Value(static_cast<CaptionIndex>(i)), Qt::LeftButton);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Caption(form, i), before[i]);
    EXPECT_EQ(CopiedElapsedLine(), QStringLiteral("ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分"));
}

TEST_F(MainWindowTest, CopyPutsTheReportOnTheClipboardInTheFormOnScreen) {
    MainWindow* form = Load();
    ASSERT_NE(form, nullptr);
    QTest::mouseClick(Find<QPushButton>(form, "copyButton"), Qt::LeftButton);
    EXPECT_EQ(platform.clipboard,
              QStringLiteral("ステータス： 少尉\r\n"
                             "ヨルマ日： 2008年 10月 5日（20本-300円-中）\r\n"
                             "ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分\r\n"
                             "延びた寿命： 0日と18時間34分\r\n"
                             "節約できた金額： 3038円（節税分 1915円）\r\n"
                             "節煙本数： 202本 17.22ｍ シャア専用ザク"));
    QTest::mouseClick(form->Value(kElapsedCaption), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(form, "copyButton"), Qt::LeftButton);
    EXPECT_TRUE(platform.clipboard.contains(QStringLiteral("\r\nヨルマからの日数： 10日 3時間 7分\r\n")));
}

// "http://" and the address as stored, encoded only where a URL cannot carry it.
TEST_F(MainWindowTest, TheBlogButtonOpensTheStoredAddress) {
    const std::pair<const char*, const char*> cases[] = {
        {"http://example.org/", "http://http://example.org/"},
        {"example.org/a b", "http://example.org/a%20b"},
        {"例え.jp/パス?q=日本", "http://xn--r8jz45g.jp/%E3%83%91%E3%82%B9?q=%E6%97%A5%E6%9C%AC"},
        {"", "http://"},
    };
    for (const auto& [stored, opened] : cases) {
        WriteOptions(1200, 900, 9241372, 16777215, QString::fromUtf8(stored));
        Program withAddress;
        withAddress.app.StartUp();
        auto* form = withAddress.Loaded<MainWindow>(Window::Main);
        ASSERT_NE(form, nullptr) << stored;
        QTest::mouseClick(Find<QPushButton>(form, "blogButton"), Qt::LeftButton);
        EXPECT_EQ(withAddress.platform.openedUrls, QStringList{QString::fromUtf8(opened)}) << stored;
        EXPECT_TRUE(withAddress.platform.messages.isEmpty()) << stored;
    }

    platform.openUrlSucceeds = false;
    MainWindow* form = Load();
    ASSERT_NE(form, nullptr);
    QTest::mouseClick(Find<QPushButton>(form, "blogButton"), Qt::LeftButton);
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください")});
}

TEST_F(MainWindowTest, EnterPressesTheFocusedButton) {
    MainWindow* form = Load();
    ASSERT_NE(form, nullptr);
    auto* copy = Find<QPushButton>(form, "copyButton");
    copy->setFocus();
    QTest::keyClick(copy, Qt::Key_Return);
    EXPECT_TRUE(platform.clipboard.startsWith(QStringLiteral("ステータス： 少尉\r\n")));
}

TEST_F(MainWindowTest, TheDucksAndTheBarFollowTheDays) {
    platform.now = {2008, 10, 16, 9, 0};  // day 11
    MainWindow* form = Load();
    ASSERT_NE(form, nullptr);
    auto* bar = Find<QProgressBar>(form, "progressBar");
    auto* vice = Find<QLabel>(form, "duck0");
    EXPECT_TRUE(vice->isVisible());
    EXPECT_EQ(vice->y(), 2700 / 15);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(bar->isVisible());

    platform.now = {2008, 11, 7, 9, 0};  // day 33
    program.app.onTick();
    EXPECT_FALSE(bar->isVisible());
    for (const char* name : {"duck0", "duck1", "duck2"}) {
        EXPECT_TRUE(Find<QLabel>(form, name)->isVisible()) << name;
        EXPECT_EQ(Find<QLabel>(form, name)->y(), 2850 / 15) << name;
    }
    // The bar stays hidden on this load, even if the days fall back.
    platform.now = {2008, 10, 6, 9, 0};
    program.app.onTick();
    EXPECT_FALSE(bar->isVisible());
}

// At 150 % and 200 % scaling the ducks are drawn with the screen's own
// pixels, not enlarged from their pictures at 100 %.
TEST_F(MainWindowTest, DucksAreDrawnAtTheScreensResolution) {
    MainWindow* form = Load();
    ASSERT_NE(form, nullptr);
    struct Duck {
        MomentParts day;
        const char* name;
        QPixmap (*picture)(qreal);
    };
    const Duck ducks[] = {{{2008, 11, 7, 9, 0}, "duck0", DuckPicture},  // day 33
                          {{2008, 11, 18, 9, 0}, "rejoicingDuck0", RejoicingDuckPicture}};  // day 44
    for (const auto& [day, name, picture] : ducks) {
        platform.now = day;
        program.app.onTick();
        auto* duck = Find<QLabel>(form, name);
        ASSERT_TRUE(duck->isVisible()) << name;
        for (const qreal ratio : {1.5, 2.0}) {
            const QImage expected = picture(ratio).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QImage shown(expected.size(), QImage::Format_ARGB32_Premultiplied);
            shown.setDevicePixelRatio(ratio);
            shown.fill(Qt::transparent);
            duck->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
            int differing = 0;
            for (int y = 0; y < expected.height(); ++y)
                for (int x = 0; x < expected.width(); ++x) differing += shown.pixel(x, y) != expected.pixel(x, y);
            EXPECT_EQ(differing, 0) << name << " at " << ratio;
        }
    }
}

TEST_F(MainWindowTest, ClosingSavesThePositionAndEndsTheProgram) {
    MainWindow* form = Load();
    ASSERT_NE(form, nullptr);
    form->move(300, 200);
    form->close();
    EXPECT_TRUE(scratch.Read("option.ini").startsWith("1,8744,5,1,5,1,4500,3000,9241372,16777215,"));
    EXPECT_TRUE(program.app.Ended());
    EXPECT_EQ(platform.endProgramCalls, 1);
}

// The display windows load again (here on the way back from the settings
// window) and find the files damaged: what cannot be read keeps its value.
TEST_F(MainWindowTest, UnreadableFilesAtLoadKeepTheValuesInMemory) {
    scratch.Write("initial.ini", "2007,3,5,9,0,20,300,85\r\n");
    scratch.Write("option.ini", "1,8744,5,2,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"ソルジャー\"\r\n");
    ASSERT_NE(Load(), nullptr);
    program.app.OpenSettings();
    scratch.Write("initial.ini", "2008,10");
    scratch.Write("option.ini", "");
    program.app.CancelSettings();
    ProcessDeletions();
    auto* form = program.Loaded<MainWindow>(Window::Main);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(program.app.Settings().quitYear, 2008);
    EXPECT_EQ(program.app.Settings().quitMonth, 10);
    EXPECT_EQ(program.app.Settings().quitDay, 5);
    EXPECT_EQ(program.app.Settings().copyPlusMode, 2);
    EXPECT_EQ(Caption(form, 0), QStringLiteral("０年０ヶ月１０日３時間７分"));
}

}  // namespace
