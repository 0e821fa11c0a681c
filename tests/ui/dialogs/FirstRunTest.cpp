#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/Form3.h"
#include "dialogs/Form4.h"
#include "dialogs/Form6.h"
#include "startup/Module1.h"
#include "support/DataFolder.h"
#include "support/FakePlatform.h"
#include "support/Windows.h"
#include "ui/Form1.h"

namespace {

const QString kRangeMessage = QStringLiteral("有効範囲内にある半角数字を入れてください");

// A first start in an empty folder, up to the first-run settings window.
class FirstRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.now = {2008, 10, 15, 12, 7};
        module.StartUp();
        form3 = VisibleWindow<Form3>("Form3");
        ASSERT_NE(form3, nullptr);
        startupProfile = scratch.Read("initial.ini");
        startupOptions = scratch.Read("option.ini");
    }
    void TearDown() override { ProcessDeletions(); }

    void Type(int box, const QString& text) {
        form3->Text1(box)->setFocus();
        form3->Text1(box)->insert(text);  // as typed, within the box's length
    }

    Form4* EnterProfile(const QString& count, const QString& price) {
        Type(0, count);
        Type(1, price);
        QTest::keyClick(form3->Text1(1), Qt::Key_Return);
        ProcessDeletions();
        return VisibleWindow<Form4>("Form4");
    }

    ScratchDirectory scratch;
    FakePlatform platform;
    Module1 module{platform};
    QPointer<Form3> form3;  // null once unloaded, as a start hands over
    QByteArray startupProfile, startupOptions;
};

TEST_F(FirstRunTest, StartsEmptyWithTheStandardSize) {
    EXPECT_EQ(form3->windowTitle(), QStringLiteral(" ヨルマ式初期設定 - nubera"));
    EXPECT_TRUE(form3->Text1(0)->text().isEmpty());
    EXPECT_TRUE(form3->Text1(1)->text().isEmpty());
    EXPECT_TRUE(form3->Option1(1)->isChecked());
    EXPECT_EQ(form3->Text1(0)->maxLength(), 3);
    EXPECT_EQ(form3->Text1(1)->maxLength(), 4);
}

struct ProfileCase {
    const char* count;
    const char* price;
    bool accepted;
};

class ProfileValidationTest : public FirstRunTest, public ::testing::WithParamInterface<ProfileCase> {};

TEST_P(ProfileValidationTest, AcceptsOnlyCountsAndPricesInRange) {
    const ProfileCase& c = GetParam();
    Form4* form4 = EnterProfile(QString::fromUtf8(c.count), QString::fromUtf8(c.price));
    if (c.accepted) {
        EXPECT_NE(form4, nullptr);
        EXPECT_TRUE(platform.messages.isEmpty());
        EXPECT_EQ(VisibleWindow("Form3"), nullptr);
    } else {
        EXPECT_EQ(form4, nullptr);
        EXPECT_EQ(platform.messages, QStringList{kRangeMessage});  // one message, however many boxes are wrong
        ASSERT_FALSE(form3.isNull()) << "the window was left";
        EXPECT_EQ(form3->Text1(0)->text(), QString::fromUtf8(c.count));
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
    form3->Option1(2)->setChecked(true);
    ASSERT_NE(EnterProfile("20", "300"), nullptr);
    EXPECT_EQ(module.settings.sizeMillimetres, 100);
    EXPECT_EQ(module.settings.cigarettesPerDay, 20);
    EXPECT_EQ(module.settings.pricePer20, 300);
}

TEST_F(FirstRunTest, StartingRecordsNowAndOpensTheMainWindowWhereTheConfirmationStood) {
    Form4* form4 = EnterProfile("20", "300");
    ASSERT_NE(form4, nullptr);
    EXPECT_EQ(form4->windowTitle(), QStringLiteral(" ( ・◇・)  - nubera"));
    form4->move(200, 100);
    platform.now = {2008, 12, 23, 23, 59};
    QTest::keyClick(form4, Qt::Key_Return);
    ProcessDeletions();

    EXPECT_EQ(scratch.Read("initial.ini"), QByteArray("2008,12,23,23,59,20,300,85\r\n"));
    EXPECT_TRUE(scratch.Read("option.ini").startsWith("1,8744,5,0,5,1,3000,1500,"));
    auto* form1 = VisibleWindow<Form1>("Form1");
    ASSERT_NE(form1, nullptr);
    EXPECT_EQ(form1->frameGeometry().topLeft(), QPoint(200, 100));
    EXPECT_EQ(VisibleWindow("Form4"), nullptr);
    EXPECT_FALSE(module.ProgramEnded());
}

TEST_F(FirstRunTest, EitherOtherButtonEndsTheProgramWithoutWriting) {
    for (const char* button : {"Command2_0", "Command2_1"}) {
        Form4* form4 = VisibleWindow<Form4>("Form4");
        if (form4 == nullptr) form4 = EnterProfile("20", "300");
        ASSERT_NE(form4, nullptr);
        QTest::mouseClick(Find<QPushButton>(form4, button), Qt::LeftButton);
        ProcessDeletions();
        EXPECT_TRUE(module.ProgramEnded()) << button;
        EXPECT_EQ(scratch.Read("initial.ini"), startupProfile);
        EXPECT_EQ(scratch.Read("option.ini"), startupOptions);
        if (std::string(button) == "Command2_0") {
            // Start over for the second button.
            platform.endProgramCalls = 0;
            module.~Module1();
            new (&module) Module1(platform);
            module.StartUp();
            form3 = VisibleWindow<Form3>("Form3");
            ASSERT_NE(form3, nullptr);
        }
    }
}

struct SeasonCase {
    MomentParts start;
    const char* caption;  // empty: no greeting, the main window opens at once
};

class SeasonalStartTest : public FirstRunTest, public ::testing::WithParamInterface<SeasonCase> {};

TEST_P(SeasonalStartTest, GreetsOnlyOnItsDays) {
    Form4* form4 = EnterProfile("20", "300");
    ASSERT_NE(form4, nullptr);
    platform.now = GetParam().start;
    form4->Form4_Command1_Click();
    ProcessDeletions();
    auto* form6 = VisibleWindow<Form6>("Form6");
    if (*GetParam().caption == '\0') {
        EXPECT_EQ(form6, nullptr);
        EXPECT_NE(VisibleWindow("Form1"), nullptr);
        return;
    }
    ASSERT_NE(form6, nullptr);
    EXPECT_EQ(form6->windowTitle(), QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(VisibleWindow("Form1"), nullptr);
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
        module.settings.quitMonth = e.start.month;
        module.settings.quitDay = e.start.day;
        auto* form6 = new Form6(module);
        form6->Form_Load();
        form6->show();
        EXPECT_EQ(form6->Label1()->text(), QString::fromUtf8(e.label1));
        EXPECT_EQ(form6->Label2()->text(), QString::fromUtf8(e.label2));
        EXPECT_EQ(form6->Label3(0)->text(), QString::fromUtf8(e.line0));
        EXPECT_EQ(form6->Label3(1)->text(), QString::fromUtf8(e.line1));
        EXPECT_EQ(form6->Label2()->y(), e.label2Top / 15);
        EXPECT_EQ(form6->Label3(1)->y(), e.line1Top / 15);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(form6->Image1(i)->isVisible(), e.bells[i]) << e.label1 << i;
        form6->hide();
        delete form6;
    }
}

TEST_F(FirstRunTest, TheGreetingsButtonCompletesTheStartWithTheMomentAskedFor) {
    Form4* form4 = EnterProfile("30", "410");
    ASSERT_NE(form4, nullptr);
    platform.now = {2008, 12, 24, 23, 59};
    form4->Form4_Command1_Click();
    ProcessDeletions();
    auto* form6 = VisibleWindow<Form6>("Form6");
    ASSERT_NE(form6, nullptr);
    form6->move(150, 75);
    platform.now = {2008, 12, 25, 0, 3};  // pressed after midnight
    QTest::keyClick(form6, Qt::Key_Return);
    ProcessDeletions();
    EXPECT_EQ(scratch.Read("initial.ini"), QByteArray("2008,12,24,23,59,30,410,85\r\n"));
    EXPECT_TRUE(scratch.Read("option.ini").startsWith("1,8744,5,0,5,1,2250,1125,"));
    EXPECT_NE(VisibleWindow("Form1"), nullptr);
    EXPECT_EQ(VisibleWindow("Form6"), nullptr);
}

TEST_F(FirstRunTest, ClosingTheGreetingWritesNothingAndEnds) {
    Form4* form4 = EnterProfile("20", "300");
    ASSERT_NE(form4, nullptr);
    platform.now = {2009, 1, 1, 0, 0};
    form4->Form4_Command1_Click();
    ProcessDeletions();
    auto* form6 = VisibleWindow<Form6>("Form6");
    ASSERT_NE(form6, nullptr);
    form6->close();
    ProcessDeletions();
    EXPECT_TRUE(module.ProgramEnded());
    EXPECT_EQ(scratch.Read("option.ini"), startupOptions);
}

}  // namespace
