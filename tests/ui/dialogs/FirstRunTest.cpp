// The first run's hand-overs: the profile window to the start confirmation,
// that to the main window where it stood, or on its days to the greeting and
// from there to the main window where the greeting stood. The other buttons
// and the greeting's close box end the program with nothing written.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"

namespace {

TEST(FirstRun, HandOvers) {
    enum Way { Start, Later, Never, CloseGreeting };
    const struct { MomentParts asked; Way way; const char *greeting, *profile; } cases[] = {
        {{2008, 12, 23, 23, 59}, Start, "", "2008,12,23,23,59,20,300,100"},
        {{2008, 12, 24, 0, 0}, Start, "クリスマスイブ - nubeworks", "2008,12,24,0,0,20,300,100"},
        {{2008, 12, 25, 23, 59}, Start, "メリークリスマス - nubeworks", "2008,12,25,23,59,20,300,100"},
        {{2008, 12, 26, 0, 0}, Start, "", "2008,12,26,0,0,20,300,100"},
        {{2009, 1, 1, 0, 0}, CloseGreeting, "謹賀新年 - nubeworks", nullptr},
        {{2009, 1, 3, 23, 59}, Start, "謹賀新年 - nubeworks", "2009,1,3,23,59,20,300,100"},
        {{2009, 1, 4, 0, 0}, Start, "", "2009,1,4,0,0,20,300,100"},
        {{2008, 10, 15, 12, 7}, Later, "", nullptr},
        {{2008, 10, 15, 12, 7}, Never, "", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way * 100 + c.asked.day);
        ScratchDirectory scratch;
        Program program;
        program.app.StartUp();
        const QByteArray profile = scratch.Read("initial.ini"), options = scratch.Read("option.ini");
        QWidget* window = VisibleWindow("profileWindow");
        ASSERT_NE(window, nullptr);
        auto* price = Find<QLineEdit>(window, "priceBox");
        Find<QRadioButton>(window, "sizeChoice2")->setChecked(true);
        price->insert("300");
        for (const char* count : {"0", "20"}) {  // 0 is refused and the window stays
            Find<QLineEdit>(window, "cigarettesBox")->setText(count);
            QTest::keyClick(price, Qt::Key_Return);
            ProcessDeletions();
        }
        EXPECT_EQ(program.platform.messages, QStringList{"有効範囲内にある半角数字を入れてください"});
        QWidget* confirmation = VisibleWindow("startConfirmation");
        ASSERT_NE(confirmation, nullptr);
        confirmation->move(200, 100);
        program.platform.now = c.asked;
        if (c.way == Later || c.way == Never)
            QTest::mouseClick(Find<QPushButton>(confirmation, c.way == Later ? "laterButton" : "neverButton"), Qt::LeftButton);
        else
            QTest::keyClick(confirmation, Qt::Key_Return);
        ProcessDeletions();
        QWidget* greeting = VisibleWindow("seasonalGreeting");
        EXPECT_EQ(greeting ? greeting->windowTitle() : "", QString::fromUtf8(c.greeting));
        if (greeting != nullptr) {
            EXPECT_EQ(VisibleWindow("mainWindow"), nullptr);
            EXPECT_EQ(scratch.Read("initial.ini"), profile);
            greeting->move(150, 75);
            program.platform.now = {2009, 1, 4, 0, 3};  // pressed later: the moment asked for counts
            if (c.way == CloseGreeting) greeting->close();
            else QTest::keyClick(greeting, Qt::Key_Return);
            ProcessDeletions();
        }
        if (c.profile == nullptr) {
            EXPECT_TRUE(program.app.Ended());
            EXPECT_EQ(scratch.Read("initial.ini") + scratch.Read("option.ini"), profile + options);
            continue;
        }
        EXPECT_EQ(scratch.Read("initial.ini"), QByteArray(c.profile) + "\r\n");
        const QPoint place = greeting ? QPoint(150, 75) : QPoint(200, 100);
        EXPECT_TRUE(scratch.Read("option.ini").startsWith(QStringLiteral("1,8744,5,0,5,1,%1,%2,")
                                                              .arg(place.x() * 15).arg(place.y() * 15).toUtf8()));
        QWidget* main = VisibleWindow("mainWindow");
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(main->frameGeometry().topLeft(), place);
    }
}

}  // namespace
