// The settings window as the user meets it: opened where the main window
// stood, filled from the stored settings, its saves (refused, failed, done),
// the information window and back.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/Messages.h"
#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/MainWindow.h"

namespace {

class SettingsWindowTest : public ::testing::Test {
protected:
    // The tracker started on 5 October 2008 at 09:00, on 15 October at 12:07,
    // with its main window at 300, 150 when "設定" is chosen.
    void Start() {
        scratch.Write("initial.ini", kStartedProfile);
        scratch.WriteText("option.ini", "1,8744,5,1,5,1,1200,900,9241372,16777215,\"blog.example/me\",2,0,0,\"ソルジャー\"\r\n");
        program.app.StartUp();
        QWidget* main = program.windows.Loaded(Window::Main);
        main->move(300, 150);
        QTest::mouseClick(Find<QPushButton>(main, "settingsButton"), Qt::LeftButton);
        ProcessDeletions();
        settings = VisibleWindow("settingsWindow");
        ASSERT_NE(settings, nullptr);
        profile = scratch.Read("initial.ini");
        options = scratch.Read("option.ini");
    }
    void TearDown() override { ProcessDeletions(); }

    void Type(const char* box, const QString& text) {
        Find<QLineEdit>(settings, box)->setFocus();
        Find<QLineEdit>(settings, box)->selectAll();
        Find<QLineEdit>(settings, box)->insert(text);  // as typed, within the box's length
    }
    void Click(const char* control) {
        QTest::mouseClick(settings->findChild<QAbstractButton*>(QLatin1String(control)), Qt::LeftButton);
        ProcessDeletions();
    }
    QColor SampleColour(QPalette::ColorRole role) {
        return Find<QLabel>(settings, "colourSample")->palette().color(role);
    }

    ScratchDirectory scratch;
    Program program;
    FakePlatform& platform = program.platform;
    QWidget* settings = nullptr;
    QByteArray profile, options;
};

TEST_F(SettingsWindowTest, ARefusedSaveAndAFailedOneWriteNothingThenEverySettingIsSaved) {
    Start();
    EXPECT_EQ(settings->frameGeometry().topLeft(), QPoint(300, 150));
    EXPECT_EQ(SampleColour(QPalette::Window), QColor(28, 3, 141));  // 9241372: red in the lowest byte

    // A folder in place of "option.ini": the options cannot be written, so the profile is not written either.
    const struct { const char* count; bool blocked; QString message; } refusals[] = {
        {"0", false, QStringLiteral("有効範囲内にある半角数字を入れてください")}, {"30", true, kDataFolderMessage}};
    for (const auto& [count, blocked, message] : refusals) {
        if (blocked) {
            QFile::remove(scratch.DataFile("option.ini"));
            QDir().mkpath(scratch.DataFile("option.ini"));
        }
        Type("cigarettesBox", count);
        Click("saveButton");
        EXPECT_EQ(platform.messages, QStringList{message});
        EXPECT_EQ(VisibleWindow("settingsWindow"), settings);
        EXPECT_EQ(scratch.Read("initial.ini"), profile);
        EXPECT_EQ(Find<QLineEdit>(settings, "cigarettesBox")->text(), count);
        platform.messages.clear();
    }
    EXPECT_FALSE(program.app.Ended());
    QDir().rmdir(scratch.DataFile("option.ini"));

    settings->move(200, 100);
    Type("blogUrlBox", "  blog.example/new, page  ");
    Find<QComboBox>(settings, "statusModeBox")->setCurrentIndex(1);  // コスモ
    Click("copyPlusChoice2");
    Type("smokingYearsBox", "12");
    Click("packDisplayBox");
    Click("sizeChoice2");
    Type("tobaccoTaxBox", "7892");
    Type("consumptionTaxBox", "8");
    platform.colourChoice = 255;  // red
    Click("textColourButton");
    EXPECT_EQ(SampleColour(QPalette::WindowText), QColor(255, 0, 0));
    platform.colourChoice.reset();  // the dialog cancelled
    Click("backColourButton");
    Click("saveButton");
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(scratch.Read("initial.ini"), "2008,10,5,9,0,30,300,100\r\n");
    EXPECT_EQ(scratch.ReadText("option.ini"),
              QStringLiteral("1,7892,8,2,12,0,3000,1500,9241372,255,\"blog.example/new, page\",2,0,0,\"コスモ\"\r\n"));
    auto* main = VisibleWindow<MainWindow>("mainWindow");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->frameGeometry().topLeft(), QPoint(200, 100));
    EXPECT_EQ(main->Value(kRankCaption)->text(), QStringLiteral("ヒヨコ"));  // day 10 on the cosmo ladder
}

// The information window takes the settings window's place; Enter on its
// focused "とじる" brings the settings back, the typing gone but the colour
// chosen kept. Cancel: the main window has its stored colour again.
TEST_F(SettingsWindowTest, ThroughTheInformationWindowAndCancel) {
    Start();
    Type("cigarettesBox", "40");
    platform.colourChoice = 255;
    Click("textColourButton");
    Click("paidEditionButton");
    QWidget* info = VisibleWindow("infoWindow");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->frameGeometry().topLeft(), QPoint(300, 150));
    Find<QPushButton>(info, "closeButton")->setFocus();
    QTest::keyClick(Find<QPushButton>(info, "closeButton"), Qt::Key_Return);
    ProcessDeletions();
    settings = VisibleWindow("settingsWindow");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(Find<QLineEdit>(settings, "cigarettesBox")->text(), "20");
    EXPECT_EQ(SampleColour(QPalette::WindowText), QColor(255, 0, 0));
    Click("cancelButton");
    auto* main = VisibleWindow<MainWindow>("mainWindow");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->Value(kElapsedCaption)->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(scratch.Read("initial.ini") + scratch.Read("option.ini"), profile + options);
}

}  // namespace
