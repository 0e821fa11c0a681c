// The first run and the settings window as the user meets them.

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/Messages.h"
#include "support/GoldenTable.h"
#include "support/Program.h"
#include "support/ScratchDirectory.h"
#include "support/TabledMoment.h"
#include "support/WidgetFinders.h"
#include "ui/MainWindow.h"

namespace {

// The first run's hand-overs: the profile window to the start confirmation,
// that to the main window where it stood, or on its days to the greeting and
// from there to the main window where the greeting stood. The other buttons
// and the greeting's close box end the program with nothing written.
TEST(FirstRun, HandOvers) {
    CheckGoldenTable("ui/FirstRun.txt", [](const GoldenRow& row) {
        const std::string button = row.Text("button");
        ScratchDirectory scratch;
        Program program{scratch.Path()};
        program.app.StartUp();
        QWidget* window = VisibleWindow("profileWindow");
        EXPECT_NE(window, nullptr);
        Find<QRadioButton>(window, "sizeChoice0")->setChecked(true);
        Find<QLineEdit>(window, "priceBox")->insert("300");
        Find<QLineEdit>(window, "cigarettesBox")->setText("20");
        QTest::keyClick(Find<QLineEdit>(window, "priceBox"), Qt::Key_Return);  // Enter in a box moves on
        ProcessDeletions();
        QWidget* confirmation = VisibleWindow("startConfirmation");
        EXPECT_NE(confirmation, nullptr);
        confirmation->move(200, 100);
        program.platform.now = Moment(row.Text("asked"));
        EXPECT_TRUE(TabTo(confirmation, button == "-" ? "startButton" : button.c_str()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ProcessDeletions();
        QWidget* greeting = VisibleWindow("seasonalGreeting");
        const std::string greetingTitle = greeting ? greeting->windowTitle().toStdString() : "-";
        if (greeting != nullptr) {
            EXPECT_EQ(VisibleWindow("mainWindow"), nullptr);
            greeting->move(150, 75);
            program.platform.now = {2009, 1, 4, 0, 3};  // pressed later: the moment asked for counts
            if (row.Text("greeting") == "Enter") {
                QTest::keyClick(greeting, Qt::Key_Return);
            } else {
                greeting->close();
            }
            ProcessDeletions();
        }
        const QWidget* main = VisibleWindow("mainWindow");  // none once the program has ended
        const QPoint place = main ? main->frameGeometry().topLeft() : QPoint();
        const std::string mainAt = main ? QStringLiteral("%1,%2").arg(place.x()).arg(place.y()).toStdString() : "-";
        return Results(greetingTitle, program.app.Ended(), mainAt, scratch.ReadAsTabled("initial.ini"),
                       scratch.ReadAsTabled("option.ini"));
    });
}

// The settings window: opened where the main window stood, filled from the
// stored settings, the information window and back, cancel, a refused save
// and a save. The tracker started on 5 October 2008 at 09:00;
// it is 15 October, 12:07, and the main window stands at 300, 150.
TEST(SettingsWindow, InformationCancelAndSaves) {
    ScratchDirectory scratch;
    scratch.Write("initial.ini", kStartedProfile);
    scratch.WriteText("option.ini",
                      "1,8744,5,1,5,1,1200,900,9241372,16777215,\"blog.example/me\",2,0,0,\"ソルジャー\"\r\n");
    Program program{scratch.Path()};
    program.app.StartUp();
    QWidget* window = program.windows.Loaded(Window::Main);  // the window in front, where we type and click
    const auto type = [&window](const char* box, const QString& text) {
        Find<QLineEdit>(window, box)->setFocus();
        Find<QLineEdit>(window, box)->selectAll();
        Find<QLineEdit>(window, box)->insert(text);  // as typed, within the box's length
    };
    // Every control is reached by Tab, as without a mouse: Enter presses a
    // button, Space a check box; a group of choices is entered on its chosen one.
    const auto press = [&window](const char* control, Qt::Key key = Qt::Key_Return) {
        ASSERT_TRUE(TabTo(window, control)) << control;
        QTest::keyClick(QApplication::focusWidget(), key);
        ProcessDeletions();
    };
    const auto sample = [&window](auto role) { return Find<QLabel>(window, "colourSample")->palette().color(role); };
    window->move(300, 150);
    press("settingsButton");
    ASSERT_NE(window = VisibleWindow("settingsWindow"), nullptr);
    const QByteArray profile = scratch.Read("initial.ini");
    const QByteArray options = scratch.Read("option.ini");
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(300, 150));

    // The information window takes the settings window's place; its "とじる"
    // brings the settings back, the typing gone but the colour chosen kept.
    // Shift+Tab from the first box reaches "キャンセル": the main window has its
    // stored colour again.
    type("cigarettesBox", "40");
    program.platform.colorChoice = 255;  // red
    press("textColourButton");
    EXPECT_EQ(sample(QPalette::WindowText), QColor(255, 0, 0));
    press("paidEditionButton");
    ASSERT_NE(window = VisibleWindow("infoWindow"), nullptr);
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(300, 150));
    press("closeButton");
    ASSERT_NE(window = VisibleWindow("settingsWindow"), nullptr);
    EXPECT_EQ(Find<QLineEdit>(window, "cigarettesBox")->text(), "20");
    EXPECT_EQ(sample(QPalette::WindowText), QColor(255, 0, 0));
    ASSERT_TRUE(TabTo(window, "blogUrlBox"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "cancelButton");
    press("cancelButton");
    auto* main = VisibleWindow<MainWindow>("mainWindow");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->Value(kElapsedCaption)->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(scratch.Read("initial.ini") + scratch.Read("option.ini"), profile + options);

    // A count out of range is refused: the window stays as typed, nothing is written. (A save
    // that fails is the fault tests' part.)
    program.app.OpenSettings();
    ASSERT_NE(window = VisibleWindow("settingsWindow"), nullptr);
    type("cigarettesBox", "0");
    press("saveButton");
    EXPECT_EQ(std::exchange(program.platform.messages, {}), QStringList{kRangeMessage});
    ASSERT_EQ(VisibleWindow("settingsWindow"), window);
    EXPECT_EQ(Find<QLineEdit>(window, "cigarettesBox")->text(), "0");
    EXPECT_EQ(scratch.Read("initial.ini") + scratch.Read("option.ini"), profile + options);

    window->move(200, 100);
    type("cigarettesBox", "30");
    type("blogUrlBox", "  blog.example/new, page  ");
    type("smokingYearsBox", "12");
    type("tobaccoTaxBox", "7892");
    type("consumptionTaxBox", "8");
    press("statusModeBox", Qt::Key_Down);  // コスモ
    // Tab lands on the choices stored ("ON", "スタンダード"), where the arrow chooses the next;
    // the text colour red again (the cancel dropped it), the back colour's dialog cancelled.
    press("copyPlusChoice", Qt::Key_Right);
    press("packDisplayBox", Qt::Key_Space);
    press("sizeChoice", Qt::Key_Right);
    press("textColourButton");
    program.platform.colorChoice.reset();
    press("backColourButton");
    press("tobaccoTaxBox");  // Enter in a box saves
    EXPECT_TRUE(program.platform.messages.isEmpty());
    EXPECT_EQ(scratch.Read("initial.ini"), "2008,10,5,9,0,30,300,100\r\n");
    EXPECT_EQ(scratch.ReadText("option.ini"),
              "1,7892,8,2,12,0,3000,1500,9241372,255,\"blog.example/new, page\",2,0,0,\"コスモ\"\r\n");
    ASSERT_NE(main = VisibleWindow<MainWindow>("mainWindow"), nullptr);
    EXPECT_EQ(main->frameGeometry().topLeft(), QPoint(200, 100));
    EXPECT_EQ(main->Value(kRankCaption)->text(), QStringLiteral("ヒヨコ"));  // day 10 on the cosmo ladder
}

}  // namespace
