// The information window about the paid edition: reached from the settings
// window, and however it closes, the settings window comes back.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/Form2.h"
#include "dialogs/Form8.h"
#include "startup/Module1.h"
#include "support/DataFolder.h"
#include "support/FakePlatform.h"
#include "support/Windows.h"
#include "ui/Form1.h"

namespace {

class InfoWindowTest : public ::testing::Test {
protected:
    // From the main window, standing at (300, 150), to the settings window
    // and on to the information window.
    void SetUp() override {
        scratch.Write("initial.ini", "2008,10,5,9,0,20,300,85\r\n");
        scratch.Write("option.ini",
                      QStringLiteral("1,8744,5,1,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"ソルジャー\"\r\n").toUtf8());
        module.StartUp();
        auto* form1 = VisibleWindow<Form1>("Form1");
        ASSERT_NE(form1, nullptr);
        form1->move(300, 150);
        QTest::mouseClick(Find<QPushButton>(form1, "Command1"), Qt::LeftButton);
        ProcessDeletions();
        form2 = VisibleWindow<Form2>("Form2");
        ASSERT_NE(form2, nullptr);
        profile = scratch.Read("initial.ini");
        options = scratch.Read("option.ini");
    }
    void TearDown() override { ProcessDeletions(); }

    Form8* OpenInformation() {
        QTest::mouseClick(Find<QPushButton>(form2, "Command5"), Qt::LeftButton);
        ProcessDeletions();
        return VisibleWindow<Form8>("Form8");
    }

    ScratchDirectory scratch;
    FakePlatform platform;
    Module1 module{platform};
    Form2* form2 = nullptr;
    QByteArray profile, options;
};

TEST_F(InfoWindowTest, TakesThePlaceOfTheSettingsWindow) {
    Form8* form8 = OpenInformation();
    ASSERT_NE(form8, nullptr);
    EXPECT_EQ(form8->windowTitle(), QStringLiteral(" ヾ(〃^∇^)ﾉ つぎはのんびりヨルマ旅行～"));
    EXPECT_EQ(form8->size(), QSize(373, 220));
    EXPECT_EQ(form8->frameGeometry().topLeft(), QPoint(300, 150));
    EXPECT_EQ(VisibleWindow("Form2"), nullptr);
    EXPECT_EQ(Find<QPushButton>(form8, "Command1")->text(), QStringLiteral("とじる"));

    const QStringList lines = Find<QPlainTextEdit>(form8, "Text1")->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 11);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("シェアウェア")));
    EXPECT_TRUE(lines[1].isEmpty());
    const QString numbers[] = {QStringLiteral("　１）"), QStringLiteral("　２）"), QStringLiteral("　３）"),
                               QStringLiteral("　４）"), QStringLiteral("　５）")};
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(lines[2 + i].startsWith(numbers[i])) << i;
    EXPECT_TRUE(lines[7].isEmpty());
    EXPECT_EQ(lines[9], QString::fromLatin1(kPaidEditionUrl));

    // Nothing is written on the way.
    EXPECT_EQ(scratch.Read("initial.ini"), profile);
    EXPECT_EQ(scratch.Read("option.ini"), options);
}

struct WebCase {
    const char* name;
    bool opens;
    QStringList messages;
};

void PrintTo(const WebCase& c, std::ostream* os) { *os << c.name; }

class InfoWebTest : public InfoWindowTest, public ::testing::WithParamInterface<WebCase> {};

TEST_P(InfoWebTest, TheWebButtonOpensThePaidEditionsPage) {
    Form8* form8 = OpenInformation();
    ASSERT_NE(form8, nullptr);
    platform.openUrlSucceeds = GetParam().opens;
    QTest::mouseClick(Find<QPushButton>(form8, "Command2"), Qt::LeftButton);
    ProcessDeletions();
    EXPECT_EQ(platform.openedUrls, QStringList{QString::fromLatin1(kPaidEditionUrl)});
    EXPECT_EQ(platform.messages, GetParam().messages);
    EXPECT_EQ(VisibleWindow<Form8>("Form8"), form8);
    EXPECT_EQ(VisibleWindow("Form2"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Info, InfoWebTest,
    ::testing::Values(WebCase{"Opened", true, {}},
                      WebCase{"NoBrowser", false, {QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください")}}),
    [](const auto& tested) { return std::string(tested.param.name); });

class InfoCloseTest : public InfoWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(InfoCloseTest, BringsTheSettingsWindowBackFilledAfresh) {
    Find<QLineEdit>(form2, "Text2")->setText(QStringLiteral("40"));
    platform.colorChoice = QColor(0, 128, 0);
    QTest::mouseClick(Find<QPushButton>(form2, "Command4"), Qt::LeftButton);
    Form8* form8 = OpenInformation();
    ASSERT_NE(form8, nullptr);

    if (std::string(GetParam()) == "close") {
        form8->close();
    } else if (std::string(GetParam()) == "enter") {
        auto* command1 = Find<QPushButton>(form8, "Command1");
        command1->setFocus();
        QTest::keyClick(command1, Qt::Key_Return);
    } else {
        QTest::mouseClick(Find<QPushButton>(form8, GetParam()), Qt::LeftButton);
    }
    ProcessDeletions();

    EXPECT_EQ(VisibleWindow("Form8"), nullptr);
    auto* again = VisibleWindow<Form2>("Form2");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Find<QLineEdit>(again, "Text2")->text(), QStringLiteral("20"));  // the typing is gone
    // The colour was chosen into the settings, so it stays.
    EXPECT_EQ(Find<QLabel>(again, "Label2")->palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(again->frameGeometry().topLeft(), QPoint(300, 150));
    EXPECT_EQ(scratch.Read("initial.ini"), profile);
    EXPECT_EQ(scratch.Read("option.ini"), options);
    EXPECT_FALSE(module.ProgramEnded());
}

// "enter": Enter on the focused "とじる" presses it.
INSTANTIATE_TEST_SUITE_P(Info, InfoCloseTest, ::testing::Values("Command1", "close", "enter"));

}  // namespace
