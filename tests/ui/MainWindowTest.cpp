#include "ui/Form1.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "resources/Pictures.h"
#include "startup/Module1.h"
#include "support/DataFolder.h"
#include "support/FakePlatform.h"
#include "support/Windows.h"

namespace {

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        scratch.Write("initial.ini", "2008,10,5,9,0,20,300,85\r\n");
        WriteOptions(1200, 900);
        module.basePath = scratch.Path();
    }
    void TearDown() override { ProcessDeletions(); }

    void WriteOptions(int left, int top, int back = 9241372, int text = 16777215) {
        scratch.Write("option.ini", QStringLiteral("1,8744,5,1,5,1,%1,%2,%3,%4,\"blog.example/me\",2,0,0,\"ソルジャー\"\r\n")
                                        .arg(left).arg(top).arg(back).arg(text).toUtf8());
    }

    Form1* Load() {
        Form1* form = module.LoadForm1();
        if (form) form->show();
        return form;
    }

    QString Caption(Form1* form, int index) { return form->Label2(index)->text(); }

    ScratchDirectory scratch;
    FakePlatform platform;
    Module1 module{platform};
};

TEST_F(Form1Test, LoadReadsBothFilesAndShowsTheFigures) {
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" ヨルマ式 - nubera"));
    EXPECT_EQ(Caption(form, 0), QStringLiteral("０年０ヶ月１０日３時間７分"));
    EXPECT_EQ(Caption(form, 1), QStringLiteral("０日と１８時間３４分"));
    EXPECT_EQ(Caption(form, 2), QStringLiteral("3038円（節税分 1915円）"));
    EXPECT_EQ(Caption(form, 3), QStringLiteral("少尉"));
    EXPECT_EQ(Caption(form, 4), QStringLiteral("202本 17.22ｍ シャア専用ザク"));
    EXPECT_FALSE(Caption(form, 5).isEmpty());
    EXPECT_EQ(module.settings.copyPlusMode, 1);
    EXPECT_EQ(module.settings.blogUrl, "blog.example/me");
}

TEST_F(Form1Test, EachTickRefreshesFromTheClock) {
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Timer1().interval(), 30000);
    EXPECT_TRUE(form->Timer1().isActive());
    platform.now = {2008, 10, 15, 12, 8};
    form->Form1_Timer1_Timer();
    EXPECT_EQ(Caption(form, 0), QStringLiteral("０年０ヶ月１０日３時間８分"));
    platform.now = {2009, 10, 5, 9, 0};
    form->Form1_Timer1_Timer();
    EXPECT_EQ(Caption(form, 0), QStringLiteral("１年０ヶ月０日０時間０分"));
    EXPECT_EQ(Caption(form, 3), QStringLiteral("ケンシロウ"));
}

struct PositionCase {
    int savedLeft, savedTop;
    int expectedLeft, expectedTop;
};

class Form1PositionTest : public Form1Test, public ::testing::WithParamInterface<PositionCase> {};

// The screen is 19200 × 14400 twips.
TEST_P(Form1PositionTest, PullsAnOffScreenPositionBack) {
    const PositionCase& c = GetParam();
    WriteOptions(c.savedLeft, c.savedTop);
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(module.settings.mainLeft, c.expectedLeft);
    EXPECT_EQ(module.settings.mainTop, c.expectedTop);
    EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(c.expectedLeft / 15, c.expectedTop / 15));
}

INSTANTIATE_TEST_SUITE_P(Positions, Form1PositionTest,
                         ::testing::Values(PositionCase{0, 0, 0, 0}, PositionCase{1200, 900, 1200, 900},
                                           PositionCase{15000, 300, 9600, 7200}, PositionCase{14200, 300, 14200, 300},
                                           PositionCase{300, 11401, 9600, 7200}, PositionCase{-300, 900, 0, 900},
                                           PositionCase{600, -45, 600, 0}));

TEST_F(Form1Test, ValueLabelsTakeTheSavedColours) {
    WriteOptions(0, 0, 0x00FF8040 /* blue ff, green 80, red 40 */, 0);
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(form->Label2(i)->palette().color(QPalette::Window), QColor(0x40, 0x80, 0xFF));
        EXPECT_EQ(form->Label2(i)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }
}

TEST_F(Form1Test, ClickingTheElapsedFigureSwitchesItsFormUntilTheNextTick) {
    platform.now = {2009, 12, 7, 14, 7};  // 428 days, 5 hours, 7 minutes
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    const QString calendar = Caption(form, 0);
    QTest::mouseClick(form->Label2(0), Qt::LeftButton);
    EXPECT_EQ(Caption(form, 0), QStringLiteral("４２８日５時間７分"));
    EXPECT_EQ(module.elapsedViewMode, 1);
    QTest::mouseClick(form->Label2(0), Qt::LeftButton);
    EXPECT_EQ(Caption(form, 0), calendar);

    QTest::mouseClick(form->Label2(0), Qt::LeftButton);
    form->Form1_Timer1_Timer();
    EXPECT_EQ(Caption(form, 0), calendar);
    EXPECT_EQ(module.elapsedViewMode, 0);

    // A double click is a click and a double click: it switches once.
    QTest::mouseClick(form->Label2(0), Qt::LeftButton);
    QTest::mouseDClick(form->Label2(0), Qt::LeftButton);
    QTest::mouseRelease(form->Label2(0), Qt::LeftButton);
    EXPECT_EQ(Caption(form, 0), QStringLiteral("４２８日５時間７分"));
}

TEST_F(Form1Test, ClicksOnTheOtherFiguresChangeNothing) {
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    QStringList before;
    for (int i = 0; i < 6; ++i) before << Caption(form, i);
    for (int i = 1; i < 6; ++i) QTest::mouseClick(form->Label2(i), Qt::LeftButton);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Caption(form, i), before[i]);
    EXPECT_EQ(module.elapsedViewMode, 0);
}

TEST_F(Form1Test, CopyPutsTheReportOnTheClipboardInTheFormOnScreen) {
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    QTest::mouseClick(Find<QPushButton>(form, "Command3"), Qt::LeftButton);
    EXPECT_EQ(platform.clipboard,
              QStringLiteral("ステータス： 少尉\r\n"
                             "ヨルマ日： 2008年 10月 5日（20本-300円-中）\r\n"
                             "ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分\r\n"
                             "延びた寿命： 0日と18時間34分\r\n"
                             "節約できた金額： 3038円（節税分 1915円）\r\n"
                             "節煙本数： 202本 17.22ｍ シャア専用ザク"));
    QTest::mouseClick(form->Label2(0), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(form, "Command3"), Qt::LeftButton);
    EXPECT_TRUE(platform.clipboard.contains(QStringLiteral("\r\nヨルマからの日数： 10日 3時間 7分\r\n")));
}

// "http://" and the address as stored, encoded only where a URL cannot carry it.
TEST_F(Form1Test, TheBlogButtonOpensTheStoredAddress) {
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    const std::pair<const char*, const char*> cases[] = {
        {"http://example.org/", "http://http://example.org/"},
        {"example.org/a b", "http://example.org/a%20b"},
        {"例え.jp/パス?q=日本", "http://xn--r8jz45g.jp/%E3%83%91%E3%82%B9?q=%E6%97%A5%E6%9C%AC"},
        {"", "http://"},
    };
    for (const auto& [stored, opened] : cases) {
        module.settings.blogUrl = stored;
        QTest::mouseClick(Find<QPushButton>(form, "Command2"), Qt::LeftButton);
        EXPECT_EQ(platform.openedUrls.value(platform.openedUrls.size() - 1), QString::fromUtf8(opened)) << stored;
    }
    EXPECT_TRUE(platform.messages.isEmpty());

    platform.openUrlSucceeds = false;
    QTest::mouseClick(Find<QPushButton>(form, "Command2"), Qt::LeftButton);
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください")});
}

TEST_F(Form1Test, EnterPressesTheFocusedButton) {
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    auto* copy = Find<QPushButton>(form, "Command3");
    copy->setFocus();
    QTest::keyClick(copy, Qt::Key_Return);
    EXPECT_TRUE(platform.clipboard.startsWith(QStringLiteral("ステータス： 少尉\r\n")));
}

TEST_F(Form1Test, TheDucksAndTheBarFollowTheDays) {
    platform.now = {2008, 10, 16, 9, 0};  // day 11
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    auto* vice = Find<QLabel>(form, "Image1_10");
    EXPECT_TRUE(vice->isVisible());
    EXPECT_EQ(vice->y(), 2700 / 15);
    EXPECT_EQ(form->ProgressBar1()->value(), 0);
    EXPECT_TRUE(form->ProgressBar1()->isVisible());

    platform.now = {2008, 11, 7, 9, 0};  // day 33
    form->Form1_Timer1_Timer();
    EXPECT_FALSE(form->ProgressBar1()->isVisible());
    for (const char* name : {"Image1_10", "Image1_11", "Image1_12"}) {
        EXPECT_TRUE(Find<QLabel>(form, name)->isVisible()) << name;
        EXPECT_EQ(Find<QLabel>(form, name)->y(), 2850 / 15) << name;
    }
    // The bar stays hidden on this load, even if the days fall back.
    platform.now = {2008, 10, 6, 9, 0};
    form->Form1_Timer1_Timer();
    EXPECT_FALSE(form->ProgressBar1()->isVisible());
}

// At 150 % and 200 % scaling the ducks are drawn with the screen's own
// pixels, not enlarged from their pictures at 100 %.
TEST_F(Form1Test, DucksAreDrawnAtTheScreensResolution) {
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    struct Duck {
        MomentParts day;
        const char* name;
        QPixmap (*picture)(qreal);
    };
    const Duck ducks[] = {{{2008, 11, 7, 9, 0}, "Image1_10", DuckPicture},  // day 33
                          {{2008, 11, 18, 9, 0}, "Image3_0", RejoicingDuckPicture}};  // day 44
    for (const auto& [day, name, picture] : ducks) {
        platform.now = day;
        form->Form1_Timer1_Timer();
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

TEST_F(Form1Test, ClosingSavesThePositionAndEndsTheProgram) {
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    form->move(300, 200);
    form->close();
    EXPECT_TRUE(scratch.Read("option.ini").startsWith("1,8744,5,1,5,1,4500,3000,9241372,16777215,"));
    EXPECT_TRUE(module.ProgramEnded());
    EXPECT_EQ(platform.endProgramCalls, 1);
}

TEST_F(Form1Test, UnreadableFilesAtLoadKeepTheValuesInMemory) {
    scratch.Write("initial.ini", "2008,10");
    scratch.Write("option.ini", "");
    module.settings.quitDay = 5;
    module.settings.quitHour = 9;
    module.settings.setupDone = 1;
    module.settings.copyPlusMode = 2;
    Form1* form = Load();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(module.settings.quitYear, 2008);
    EXPECT_EQ(module.settings.quitMonth, 10);
    EXPECT_EQ(module.settings.quitDay, 5);
    EXPECT_EQ(module.settings.copyPlusMode, 2);
    EXPECT_EQ(Caption(form, 0), QStringLiteral("０年０ヶ月１０日３時間７分"));
}

}  // namespace
