// The information window about the paid edition: reached from the settings
// window, and however it closes, the settings window comes back.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/WebAddress.h"
#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/InfoWindow.h"
#include "ui/MainWindow.h"
#include "ui/SettingsWindow.h"

namespace {

class InfoWindowTest : public ::testing::Test {
protected:
    // From the main window, standing at (300, 150), to the settings window
    // and on to the information window.
    void SetUp() override {
        scratch.Write("initial.ini", "2008,10,5,9,0,20,300,85\r\n");
        scratch.Write("option.ini",
                      QStringLiteral("1,8744,5,1,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"ソルジャー\"\r\n").toUtf8());
        program.app.StartUp();
        auto* main = VisibleWindow<MainWindow>("mainWindow");
        ASSERT_NE(main, nullptr);
        main->move(300, 150);
        QTest::mouseClick(Find<QPushButton>(main, "settingsButton"), Qt::LeftButton);
        ProcessDeletions();
        settings = VisibleWindow<SettingsWindow>("settingsWindow");
        ASSERT_NE(settings, nullptr);
        profile = scratch.Read("initial.ini");
        options = scratch.Read("option.ini");
    }
    void TearDown() override { ProcessDeletions(); }

    InfoWindow* OpenInformation() {
        QTest::mouseClick(Find<QPushButton>(settings, "paidEditionButton"), Qt::LeftButton);
        ProcessDeletions();
        return VisibleWindow<InfoWindow>("infoWindow");
    }

    ScratchDirectory scratch;
    Program program;
    FakePlatform& platform = program.platform;
    SettingsWindow* settings = nullptr;
    QByteArray profile, options;
};

TEST_F(InfoWindowTest, TakesThePlaceOfTheSettingsWindow) {
    InfoWindow* info = OpenInformation();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->windowTitle(), QStringLiteral(" ヾ(〃^∇^)ﾉ つぎはのんびりヨルマ旅行～"));
    EXPECT_EQ(info->size(), QSize(373, 220));
    EXPECT_EQ(info->frameGeometry().topLeft(), QPoint(300, 150));
    EXPECT_EQ(VisibleWindow("settingsWindow"), nullptr);
    EXPECT_EQ(Find<QPushButton>(info, "closeButton")->text(), QStringLiteral("とじる"));

    const QStringList lines = Find<QPlainTextEdit>(info, "infoText")->toPlainText().split(QLatin1Char('\n'));
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
    InfoWindow* info = OpenInformation();
    ASSERT_NE(info, nullptr);
    platform.openUrlSucceeds = GetParam().opens;
    QTest::mouseClick(Find<QPushButton>(info, "webPageButton"), Qt::LeftButton);
    ProcessDeletions();
    EXPECT_EQ(platform.openedUrls, QStringList{QString::fromLatin1(kPaidEditionUrl)});
    EXPECT_EQ(platform.messages, GetParam().messages);
    EXPECT_EQ(VisibleWindow<InfoWindow>("infoWindow"), info);
    EXPECT_EQ(VisibleWindow("settingsWindow"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Info, InfoWebTest,
    ::testing::Values(WebCase{"Opened", true, {}},
                      WebCase{"NoBrowser", false, {QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください")}}),
    [](const auto& tested) { return std::string(tested.param.name); });

class InfoCloseTest : public InfoWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(InfoCloseTest, BringsTheSettingsWindowBackFilledAfresh) {
    Find<QLineEdit>(settings, "cigarettesBox")->setText(QStringLiteral("40"));
    platform.colourChoice = 128 << 8;  // green, as stored: red in the lowest byte
    QTest::mouseClick(Find<QPushButton>(settings, "backColourButton"), Qt::LeftButton);
    InfoWindow* info = OpenInformation();
    ASSERT_NE(info, nullptr);

    if (std::string(GetParam()) == "close") {
        info->close();
    } else if (std::string(GetParam()) == "enter") {
        auto* closeButton = Find<QPushButton>(info, "closeButton");
        closeButton->setFocus();
        QTest::keyClick(closeButton, Qt::Key_Return);
    } else {
        QTest::mouseClick(Find<QPushButton>(info, GetParam()), Qt::LeftButton);
    }
    ProcessDeletions();

    EXPECT_EQ(VisibleWindow("infoWindow"), nullptr);
    auto* again = VisibleWindow<SettingsWindow>("settingsWindow");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Find<QLineEdit>(again, "cigarettesBox")->text(), QStringLiteral("20"));  // the typing is gone
    // The colour was chosen into the settings, so it stays.
    EXPECT_EQ(Find<QLabel>(again, "colourSample")->palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(again->frameGeometry().topLeft(), QPoint(300, 150));
    EXPECT_EQ(scratch.Read("initial.ini"), profile);
    EXPECT_EQ(scratch.Read("option.ini"), options);
    EXPECT_FALSE(program.app.Ended());
}

// "enter": Enter on the focused "とじる" presses it.
INSTANTIATE_TEST_SUITE_P(Info, InfoCloseTest, ::testing::Values("closeButton", "close", "enter"));

}  // namespace
