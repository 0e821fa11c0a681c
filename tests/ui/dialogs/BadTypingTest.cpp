// Whatever is typed into any box of the settings window or the first-run
// window, the outcome is one of two: the save goes through, or one of the
// program's messages says why not and the window stays. A refusal never
// writes "option.ini", and whatever is written is one whole line.

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/ProfileWindow.h"
#include "ui/SettingsWindow.h"

namespace {

const QByteArray kProfile = "2008,10,5,9,0,20,300,85\r\n";
const QByteArray kOptions = "1,8744,5,2,5,1,1200,900,9241372,16777215,\"blog.example/me\",2,0,0,\"ソルジャー\"\r\n";

const QStringList kMessages = {
    QStringLiteral("有効範囲内にある半角数字を入れてください"),
    QStringLiteral("現在より未来の日時は設定できません"),
    QStringLiteral("アドレスとステータスには「\"」を使えません"),
};

// Texts no one should type, and some that look like numbers but are not.
const QStringList kBadTexts = {
    QString(),
    QStringLiteral(" "),
    QStringLiteral("\t\n"),
    QStringLiteral("１２"),             // full-width digits
    QStringLiteral("٣٠"),               // Arabic-Indic digits
    QStringLiteral("𝟑𝟎"),               // mathematical digits, outside the basic plane
    QStringLiteral("\u202E21"),         // a right-to-left override before digits
    QStringLiteral("3\u00000"),         // a NUL between digits
    QStringLiteral("🚭"),
    QStringLiteral("\""),
    QStringLiteral("1e999"),
    QStringLiteral("-1e999"),
    QStringLiteral("1e-999"),
    QStringLiteral("-0"),
    QStringLiteral("0x1F"),
    QStringLiteral("2,5"),
    QStringLiteral("2.5e1"),
    QStringLiteral("+"),
    QStringLiteral("-2147483649"),
    QStringLiteral("99999999999999999999"),
    QStringLiteral("NaN"),
    QStringLiteral("inf"),
    QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1"),
    QString(300, QLatin1Char('9')),
};

QString Show(const QString& text) { return text.size() > 40 ? text.left(40) + QStringLiteral("…") : text; }

bool IsWholeProfile(const QByteArray& bytes) {
    static const QRegularExpression line(QStringLiteral("^-?\\d+(,-?\\d+){7}\\r\\n$"));
    return line.match(DecodeFileText(bytes)).hasMatch();
}

bool IsWholeOptions(const QByteArray& bytes) {
    static const QRegularExpression line(QStringLiteral("^(-?\\d+,){10}\"[^\"\\r\\n]*\",(-?\\d+,){3}\"[^\"\\r\\n]*\"\\r\\n$"));
    return line.match(DecodeFileText(bytes)).hasMatch();
}

// One box of the settings window (the years box is open: report mode 2),
// every bad text in turn, each on a fresh start.
class SettingsBadTypingTest : public ::testing::TestWithParam<const char*> {};

TEST_P(SettingsBadTypingTest, SavesOrSaysWhyNot) {
    for (const QString& text : kBadTexts) {
        ScratchDirectory scratch;
        scratch.Write("initial.ini", kProfile);
        scratch.Write("option.ini", kOptions);
        {
            Program program;
            FakePlatform& platform = program.platform;
            platform.now = {2008, 10, 15, 12, 7};
            program.app.StartUp();
            auto* main = VisibleWindow("mainWindow");
            ASSERT_NE(main, nullptr);
            QTest::mouseClick(Find<QPushButton>(main, "settingsButton"), Qt::LeftButton);
            ProcessDeletions();
            auto* settings = VisibleWindow<SettingsWindow>("settingsWindow");
            ASSERT_NE(settings, nullptr);
            const QByteArray optionsBefore = scratch.Read("option.ini");

            auto* box = Find<QLineEdit>(settings, GetParam());
            ASSERT_NE(box, nullptr) << GetParam();
            box->setFocus();
            box->selectAll();
            box->insert(text);  // as typing would, within the box's length
            QTest::mouseClick(Find<QPushButton>(settings, "saveButton"), Qt::LeftButton);
            ProcessDeletions();

            const QString what = QStringLiteral("%1 <- '%2'").arg(QLatin1String(GetParam()), Show(text));
            const QByteArray profile = scratch.Read("initial.ini");
            const QByteArray options = scratch.Read("option.ini");
            EXPECT_TRUE(IsWholeProfile(profile)) << what.toStdString() << ": " << profile.constData();
            EXPECT_TRUE(IsWholeOptions(options)) << what.toStdString() << ": " << options.constData();
            if (platform.messages.isEmpty()) {
                EXPECT_EQ(VisibleWindow("settingsWindow"), nullptr) << what.toStdString() << ": saved, yet still open";
                EXPECT_NE(VisibleWindow("mainWindow"), nullptr) << what.toStdString();
            } else {
                ASSERT_EQ(platform.messages.size(), 1) << what.toStdString();
                EXPECT_TRUE(kMessages.contains(platform.messages[0]))
                    << what.toStdString() << ": " << platform.messages[0].toStdString();
                EXPECT_EQ(VisibleWindow("settingsWindow"), settings) << what.toStdString() << ": refused, yet closed";
                EXPECT_EQ(options, optionsBefore) << what.toStdString() << ": a refusal wrote option.ini";
            }
            EXPECT_FALSE(program.app.Ended()) << what.toStdString();
        }
        ProcessDeletions();
        if (HasFatalFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, SettingsBadTypingTest,
                         ::testing::Values("yearBox", "monthBox", "dayBox", "hourBox", "minuteBox", "cigarettesBox",
                                           "priceBox", "blogUrlBox", "tobaccoTaxBox", "consumptionTaxBox",
                                           "smokingYearsBox"));

// The first-run window's two boxes: the confirmation comes, or the range
// message; either way nothing is written before the start.
class FirstRunBadTypingTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FirstRunBadTypingTest, GoesOnOrSaysWhyNotAndWritesNothing) {
    for (const QString& text : kBadTexts) {
        ScratchDirectory scratch;
        {
            Program program;
            FakePlatform& platform = program.platform;
            platform.now = {2008, 10, 15, 12, 7};
            program.app.StartUp();
            auto* profileWindow = VisibleWindow<ProfileWindow>("profileWindow");
            ASSERT_NE(profileWindow, nullptr);
            const QByteArray profileBefore = scratch.Read("initial.ini");
            const QByteArray optionsBefore = scratch.Read("option.ini");
            Find<QLineEdit>(profileWindow, "cigarettesBox")->setText(QStringLiteral("20"));
            Find<QLineEdit>(profileWindow, "priceBox")->setText(QStringLiteral("300"));
            auto* box = Find<QLineEdit>(profileWindow, GetParam());
            ASSERT_NE(box, nullptr) << GetParam();
            box->setFocus();
            box->selectAll();
            box->insert(text);
            QTest::keyClick(box, Qt::Key_Return);
            ProcessDeletions();

            const QString what = QStringLiteral("%1 <- '%2'").arg(QLatin1String(GetParam()), Show(text));
            if (platform.messages.isEmpty()) {
                EXPECT_NE(VisibleWindow("startConfirmation"), nullptr) << what.toStdString();
            } else {
                EXPECT_EQ(platform.messages, QStringList{kMessages[0]}) << what.toStdString();
                EXPECT_EQ(VisibleWindow("profileWindow"), profileWindow) << what.toStdString();
            }
            EXPECT_EQ(scratch.Read("initial.ini"), profileBefore) << what.toStdString();
            EXPECT_EQ(scratch.Read("option.ini"), optionsBefore) << what.toStdString();
            EXPECT_FALSE(program.app.Ended()) << what.toStdString();
        }
        ProcessDeletions();
        if (HasFatalFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, FirstRunBadTypingTest, ::testing::Values("cigarettesBox", "priceBox"));

}  // namespace
