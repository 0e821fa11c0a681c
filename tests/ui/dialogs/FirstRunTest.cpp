#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/MainWindow.h"
#include "ui/ProfileWindow.h"
#include "ui/SeasonalGreeting.h"
#include "ui/StartConfirmation.h"

namespace {

const QString kRangeMessage = QStringLiteral("有効範囲内にある半角数字を入れてください");

// A first start in an empty folder, up to the first-run settings window.
class FirstRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.now = {2008, 10, 15, 12, 7};
        program.app.StartUp();
        profileWindow = VisibleWindow<ProfileWindow>("profileWindow");
        ASSERT_NE(profileWindow, nullptr);
        startupProfile = scratch.Read("initial.ini");
        startupOptions = scratch.Read("option.ini");
    }
    void TearDown() override { ProcessDeletions(); }

    // The count box, then the price box.
    QLineEdit* Box(int box) const {
        return Find<QLineEdit>(profileWindow, box == 0 ? "cigarettesBox" : "priceBox");
    }
    QRadioButton* SizeChoice(int size) const {
        return Find<QRadioButton>(profileWindow, QStringLiteral("sizeChoice%1").arg(size).toLatin1().constData());
    }

    void Type(int box, const QString& text) {
        Box(box)->setFocus();
        Box(box)->insert(text);  // as typed, within the box's length
    }

    StartConfirmation* EnterProfile(const QString& count, const QString& price) {
        Type(0, count);
        Type(1, price);
        QTest::keyClick(Box(1), Qt::Key_Return);
        ProcessDeletions();
        return VisibleWindow<StartConfirmation>("startConfirmation");
    }

    ScratchDirectory scratch;
    Program program;
    FakePlatform& platform = program.platform;
    QPointer<ProfileWindow> profileWindow;  // null once unloaded, as a start hands over
    QByteArray startupProfile, startupOptions;
};

TEST_F(FirstRunTest, StartsEmptyWithTheStandardSize) {
    EXPECT_EQ(profileWindow->windowTitle(), QStringLiteral(" ヨルマ式初期設定 - nubera"));
    EXPECT_TRUE(Box(0)->text().isEmpty());
    EXPECT_TRUE(Box(1)->text().isEmpty());
    EXPECT_TRUE(SizeChoice(1)->isChecked());
    EXPECT_EQ(Box(0)->maxLength(), 3);
    EXPECT_EQ(Box(1)->maxLength(), 4);
}

struct ProfileCase {
    const char* count;
    const char* price;
    bool accepted;
};

class ProfileValidationTest : public FirstRunTest, public ::testing::WithParamInterface<ProfileCase> {};

TEST_P(ProfileValidationTest, AcceptsOnlyCountsAndPricesInRange) {
    const ProfileCase& c = GetParam();
    StartConfirmation* confirmation = EnterProfile(QString::fromUtf8(c.count), QString::fromUtf8(c.price));
    if (c.accepted) {
        EXPECT_NE(confirmation, nullptr);
        EXPECT_TRUE(platform.messages.isEmpty());
        EXPECT_EQ(VisibleWindow("profileWindow"), nullptr);
    } else {
        EXPECT_EQ(confirmation, nullptr);
        EXPECT_EQ(platform.messages, QStringList{kRangeMessage});  // one message, however many boxes are wrong
        ASSERT_FALSE(profileWindow.isNull()) << "the window was left";
        EXPECT_EQ(Box(0)->text(), QString::fromUtf8(c.count));
    }
    // Nothing is written before the start.
    EXPECT_EQ(scratch.Read("initial.ini"), startupProfile);
    EXPECT_EQ(scratch.Read("option.ini"), startupOptions);
}

INSTANTIATE_TEST_SUITE_P(Boxes, ProfileValidationTest,
                         ::testing::Values(ProfileCase{"20", "300", true}, ProfileCase{"200", "2000", true},
                                           ProfileCase{"1", "1", true}, ProfileCase{"15本", "300", true},
                                           ProfileCase{"0", "300", false}, ProfileCase{"", "300", false},
                                           ProfileCase{"201", "300", false}, ProfileCase{"20", "0", false},
                                           ProfileCase{"20", "2001", false}, ProfileCase{"", "", false},
                                           ProfileCase{"２０", "300", false}, ProfileCase{"-5", "300", false},
                                           ProfileCase{"abc", "ｘ", false}));

TEST_F(FirstRunTest, TheChosenSizeIsTaken) {
    SizeChoice(2)->setChecked(true);
    ASSERT_NE(EnterProfile("20", "300"), nullptr);
    EXPECT_EQ(program.app.Settings().sizeMillimetres, 100);
    EXPECT_EQ(program.app.Settings().cigarettesPerDay, 20);
    EXPECT_EQ(program.app.Settings().pricePer20, 300);
}

TEST_F(FirstRunTest, StartingRecordsNowAndOpensTheMainWindowWhereTheConfirmationStood) {
    StartConfirmation* confirmation = EnterProfile("20", "300");
    ASSERT_NE(confirmation, nullptr);
    EXPECT_EQ(confirmation->windowTitle(), QStringLiteral(" ( ・◇・)  - nubera"));
    confirmation->move(200, 100);
    platform.now = {2008, 12, 23, 23, 59};
    QTest::keyClick(confirmation, Qt::Key_Return);
    ProcessDeletions();

    EXPECT_EQ(scratch.Read("initial.ini"), QByteArray("2008,12,23,23,59,20,300,85\r\n"));
    EXPECT_TRUE(scratch.Read("option.ini").startsWith("1,8744,5,0,5,1,3000,1500,"));
    auto* main = VisibleWindow<MainWindow>("mainWindow");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->frameGeometry().topLeft(), QPoint(200, 100));
    EXPECT_EQ(VisibleWindow("startConfirmation"), nullptr);
    EXPECT_FALSE(program.app.Ended());
}

TEST_F(FirstRunTest, EitherOtherButtonEndsTheProgramWithoutWriting) {
    StartConfirmation* confirmation = EnterProfile("20", "300");
    ASSERT_NE(confirmation, nullptr);
    QTest::mouseClick(Find<QPushButton>(confirmation, "laterButton"), Qt::LeftButton);
    ProcessDeletions();
    EXPECT_TRUE(program.app.Ended()) << "laterButton";
    EXPECT_EQ(scratch.Read("initial.ini"), startupProfile);
    EXPECT_EQ(scratch.Read("option.ini"), startupOptions);

    // Start over in the same folder for the other button.
    Program again;
    again.app.StartUp();
    profileWindow = VisibleWindow<ProfileWindow>("profileWindow");
    ASSERT_NE(profileWindow, nullptr);
    confirmation = EnterProfile("20", "300");
    ASSERT_NE(confirmation, nullptr);
    QTest::mouseClick(Find<QPushButton>(confirmation, "neverButton"), Qt::LeftButton);
    ProcessDeletions();
    EXPECT_TRUE(again.app.Ended()) << "neverButton";
    EXPECT_EQ(scratch.Read("initial.ini"), startupProfile);
    EXPECT_EQ(scratch.Read("option.ini"), startupOptions);
}

struct SeasonCase {
    MomentParts start;
    const char* caption;  // empty: no greeting, the main window opens at once
};

class SeasonalStartTest : public FirstRunTest, public ::testing::WithParamInterface<SeasonCase> {};

TEST_P(SeasonalStartTest, GreetsOnlyOnItsDays) {
    StartConfirmation* confirmation = EnterProfile("20", "300");
    ASSERT_NE(confirmation, nullptr);
    platform.now = GetParam().start;
    confirmation->onStart();
    ProcessDeletions();
    auto* greeting = VisibleWindow<SeasonalGreeting>("seasonalGreeting");
    if (*GetParam().caption == '\0') {
        EXPECT_EQ(greeting, nullptr);
        EXPECT_NE(VisibleWindow("mainWindow"), nullptr);
        return;
    }
    ASSERT_NE(greeting, nullptr);
    EXPECT_EQ(greeting->windowTitle(), QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(VisibleWindow("mainWindow"), nullptr);
    EXPECT_EQ(scratch.Read("initial.ini"), startupProfile);
    EXPECT_EQ(scratch.Read("option.ini"), startupOptions);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, SeasonalStartTest,
    ::testing::Values(SeasonCase{{2008, 12, 23, 23, 59}, ""}, SeasonCase{{2008, 12, 24, 0, 0}, "クリスマスイブ - nubeworks"},
                      SeasonCase{{2008, 12, 25, 10, 0}, "メリークリスマス - nubeworks"},
                      SeasonCase{{2008, 12, 26, 10, 0}, ""}, SeasonCase{{2008, 12, 31, 10, 0}, ""},
                      SeasonCase{{2009, 1, 1, 0, 0}, "謹賀新年 - nubeworks"},
                      SeasonCase{{2009, 1, 3, 23, 59}, "謹賀新年 - nubeworks"}, SeasonCase{{2009, 1, 4, 0, 0}, ""}));

TEST_F(FirstRunTest, TheGreetingShowsItsOccasion) {
    struct Expected {
        MomentParts start;
        const char* label1;
        const char* label2;
        const char* line0;
        const char* line1;
        bool bells[3];
        int label2Top, line1Top;
    };
    const Expected cases[] = {
        {{2008, 12, 24, 9, 0}, "クリスマスイブ限定スペシャルメッセージ", "", "聖なる日のヨルマが", "成功しますように！",
         {false, true, false}, 960, 1920},
        {{2008, 12, 25, 9, 0}, "クリスマス限定スペシャルメッセージ", "メリークリスマス", "聖なる日のヨルマが",
         "成功しますように！", {true, false, true}, 960, 1920},
        {{2009, 1, 2, 9, 0}, "お正月限定スペシャルメッセージ", "あけましておめでとうございます", "",
         "貴方のヨルマが成功しますように！", {false, false, false}, 1200, 1800},
    };
    for (const Expected& e : cases) {
        // The occasion of the day the start was asked on.
        auto* greeting = new SeasonalGreeting(program.app, OccasionOf(e.start.month, e.start.day));
        greeting->show();
        auto label = [greeting](const char* name) { return Find<QLabel>(greeting, name); };
        EXPECT_EQ(label("heading")->text(), QString::fromUtf8(e.label1));
        EXPECT_EQ(label("greeting")->text(), QString::fromUtf8(e.label2));
        EXPECT_EQ(label("wish0")->text(), QString::fromUtf8(e.line0));
        EXPECT_EQ(label("wish1")->text(), QString::fromUtf8(e.line1));
        EXPECT_EQ(label("greeting")->y(), e.label2Top / 15);
        EXPECT_EQ(label("wish1")->y(), e.line1Top / 15);
        for (int i = 0; i < 3; ++i) {
            const QByteArray bell = QStringLiteral("bell%1").arg(i).toLatin1();
            EXPECT_EQ(Find<QWidget>(greeting, bell.constData())->isVisible(), e.bells[i]) << e.label1 << i;
        }
        greeting->hide();
        delete greeting;
    }
}

TEST_F(FirstRunTest, TheGreetingsButtonCompletesTheStartWithTheMomentAskedFor) {
    StartConfirmation* confirmation = EnterProfile("30", "410");
    ASSERT_NE(confirmation, nullptr);
    platform.now = {2008, 12, 24, 23, 59};
    confirmation->onStart();
    ProcessDeletions();
    auto* greeting = VisibleWindow<SeasonalGreeting>("seasonalGreeting");
    ASSERT_NE(greeting, nullptr);
    greeting->move(150, 75);
    platform.now = {2008, 12, 25, 0, 3};  // pressed after midnight
    QTest::keyClick(greeting, Qt::Key_Return);
    ProcessDeletions();
    EXPECT_EQ(scratch.Read("initial.ini"), QByteArray("2008,12,24,23,59,30,410,85\r\n"));
    EXPECT_TRUE(scratch.Read("option.ini").startsWith("1,8744,5,0,5,1,2250,1125,"));
    EXPECT_NE(VisibleWindow("mainWindow"), nullptr);
    EXPECT_EQ(VisibleWindow("seasonalGreeting"), nullptr);
}

TEST_F(FirstRunTest, ClosingTheGreetingWritesNothingAndEnds) {
    StartConfirmation* confirmation = EnterProfile("20", "300");
    ASSERT_NE(confirmation, nullptr);
    platform.now = {2009, 1, 1, 0, 0};
    confirmation->onStart();
    ProcessDeletions();
    auto* greeting = VisibleWindow<SeasonalGreeting>("seasonalGreeting");
    ASSERT_NE(greeting, nullptr);
    greeting->close();
    ProcessDeletions();
    EXPECT_TRUE(program.app.Ended());
    EXPECT_EQ(scratch.Read("option.ini"), startupOptions);
}

}  // namespace
