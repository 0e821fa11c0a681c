// The settings window as the user meets it: opened from a display window,
// filled from the stored settings, checked on save, and what lands in the
// two data files.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/Form2.h"
#include "startup/Module1.h"
#include "support/DataFolder.h"
#include "support/FakePlatform.h"
#include "support/Windows.h"
#include "ui/Form1.h"
#include "ui/Form7.h"

namespace {

const char* const kRange = "有効範囲内にある半角数字を入れてください";
const char* const kFuture = "現在より未来の日時は設定できません";

struct StoredOptions {
    int tobacco = 8744;
    int consumption = 5;
    int copyPlus = 1;
    int pack = 1;
    int windowMode = 2;
    const char* mode = "ソルジャー";
    QString blog = QStringLiteral("blog.example/me");
};

QByteArray OptionsLine(const StoredOptions& o) {
    return QStringLiteral("1,%1,%2,%3,5,%4,1200,900,9241372,16777215,\"%7\",%5,0,0,\"%6\"\r\n")
        .arg(o.tobacco).arg(o.consumption).arg(o.copyPlus).arg(o.pack).arg(o.windowMode)
        .arg(QString::fromUtf8(o.mode), o.blog).toUtf8();
}

// Fields of the one line of a data file (1-based, quotes kept), joined by commas.
QString Fields(const QByteArray& line, std::initializer_list<int> numbers) {
    const QStringList all = DecodeFileText(line).trimmed().split(QLatin1Char(','));
    QStringList picked;
    for (int n : numbers) picked << all.value(n - 1);
    return picked.join(QLatin1Char(','));
}

class SettingsWindowTest : public ::testing::Test {
protected:
    // Starts the program on stored files at 15 October 2008, 12:07, and opens
    // the settings window from the display window on screen.
    void Start(const StoredOptions& stored = {}, const char* profile = "2008,10,5,9,0,20,300,85\r\n") {
        scratch.Write("initial.ini", profile);
        scratch.Write("option.ini", OptionsLine(stored));
        module.StartUp();
        if (auto* form1 = VisibleWindow<Form1>("Form1")) {
            form1->move(300, 150);
            QTest::mouseClick(Find<QPushButton>(form1, "Command1"), Qt::LeftButton);
        } else if (auto* form7 = VisibleWindow<Form7>("Form7")) {
            form7->MenuEntry("mnuSettei")->trigger();
        }
        ProcessDeletions();
        form2 = VisibleWindow<Form2>("Form2");
        storedProfile = scratch.Read("initial.ini");
        storedOptions = scratch.Read("option.ini");
    }

    QLineEdit* Box(const char* name) const { return Find<QLineEdit>(form2, name); }
    QRadioButton* Option(const char* name) const { return Find<QRadioButton>(form2, name); }

    // Replaces a box's text as typing would, within the box's input limit.
    void Type(const char* box, const char* text) {
        Box(box)->setFocus();
        Box(box)->selectAll();
        Box(box)->insert(QString::fromUtf8(text));
    }

    void Click(const char* control) {
        QTest::mouseClick(form2->findChild<QAbstractButton*>(QLatin1String(control)), Qt::LeftButton);
        ProcessDeletions();
    }

    bool SettingsOpen() const { return VisibleWindow("Form2") != nullptr; }

    ScratchDirectory scratch;
    FakePlatform platform;
    Module1 module{platform};
    Form2* form2 = nullptr;
    QByteArray storedProfile, storedOptions;
};

TEST_F(SettingsWindowTest, ShowsTheStoredSettingsWhereTheMainWindowStood) {
    Start({}, "2007,3,9,8,5,25,410,85\r\n");
    ASSERT_NE(form2, nullptr);
    EXPECT_EQ(form2->windowTitle(), QStringLiteral(" 設定ウィンドウ - 全て半角で記入してください - nubera"));
    EXPECT_EQ(form2->frameGeometry().topLeft(), QPoint(300, 150));
    EXPECT_EQ(module.LoadedForm1(), nullptr);  // nothing refreshes meanwhile
    QStringList shown;
    for (const char* box : {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text2", "Text3", "Text5", "Text6",
                            "Text7", "Text4"}) {
        shown << Box(box)->text();
    }
    EXPECT_EQ(shown.join(QLatin1Char(' ')), QStringLiteral("2007 3 9 8 5 25 410 8744 5 5 blog.example/me"));
    auto* sample = Find<QLabel>(form2, "Label2");
    EXPECT_EQ(sample->palette().color(QPalette::Window), QColor(28, 3, 141));
    EXPECT_EQ(sample->palette().color(QPalette::WindowText), QColor(255, 255, 255));
}

struct LoadCase {
    const char* name;
    StoredOptions stored;
    const char* profile;
    const char* chosen;  // the size and COPY+ options shown chosen
    bool yearsOpen, packChecked;
    const char* modeShown;
    const char* saved;  // size, copyPlusMode, packDisplay, statusMode after a save
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class SettingsLoadTest : public SettingsWindowTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(SettingsLoadTest, ShowsTheStoredChoicesAndSavesWhatItShows) {
    const LoadCase& c = GetParam();
    Start(c.stored, c.profile);
    ASSERT_NE(form2, nullptr);
    QStringList chosen;
    for (const char* option : {"Option1_0", "Option1_1", "Option1_2", "Option2_0", "Option2_1", "Option2_2"}) {
        if (Option(option)->isChecked()) chosen << QString::fromLatin1(option);
    }
    EXPECT_EQ(chosen.join(QLatin1Char(' ')), c.chosen);
    EXPECT_EQ(Box("Text7")->isEnabled(), c.yearsOpen);
    EXPECT_EQ(Find<QCheckBox>(form2, "Check2")->isChecked(), c.packChecked);
    EXPECT_EQ(Find<QComboBox>(form2, "Combo1")->currentText(), QString::fromUtf8(c.modeShown));
    Click("Command1");
    EXPECT_EQ(Fields(scratch.Read("initial.ini"), {8}) + ',' + Fields(scratch.Read("option.ini"), {4, 6, 15}),
              QString::fromUtf8(c.saved));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsLoadTest,
    ::testing::Values(
        LoadCase{"Defaults", {}, "2008,10,5,9,0,20,300,85\r\n", "Option1_1 Option2_1", false, true, "ソルジャー",
                 "85,1,1,\"ソルジャー\""},
        LoadCase{"ShortWithYears", {.copyPlus = 2, .pack = 0, .mode = "コスモ"}, "2008,10,5,9,0,20,300,50\r\n",
                 "Option1_0 Option2_2", true, false, "コスモ", "50,2,0,\"コスモ\""},
        LoadCase{"Long", {.copyPlus = 0}, "2008,10,5,9,0,20,300,100\r\n", "Option1_2 Option2_0", false, true,
                 "ソルジャー", "100,0,1,\"ソルジャー\""},
        // Values no control can show, as a hand-edited file may hold them.
        LoadCase{"Unknown", {.copyPlus = 7, .pack = 2, .mode = "ゴールド"}, "2008,10,5,9,0,20,300,70\r\n",
                 "Option1_1 Option2_0", false, false, "ゴールド", "85,0,0,\"ゴールド\""}),
    [](const auto& tested) { return std::string(tested.param.name); });

class SettingsTypingTest : public SettingsWindowTest, public ::testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(SettingsTypingTest, EachBoxTakesOnlyAsManyCharactersAsItsField) {
    Start({.copyPlus = 2});
    ASSERT_NE(form2, nullptr);
    QLineEdit* box = Box(GetParam().first);
    box->clear();
    const QString typed = QStringLiteral("1234567890").repeated(30);
    QTest::keyClicks(box, typed);
    EXPECT_EQ(box->text(), typed.left(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsTypingTest,
                         ::testing::Values(std::pair{"Text1_0", 4}, std::pair{"Text1_1", 2}, std::pair{"Text1_4", 2},
                                           std::pair{"Text2", 3}, std::pair{"Text3", 4}, std::pair{"Text5", 5},
                                           std::pair{"Text6", 2}, std::pair{"Text7", 2}, std::pair{"Text4", 256}));

TEST_F(SettingsWindowTest, StoredValuesLongerThanTheBoxesTakeAreShownAndKeptWhole) {
    Start({.tobacco = 100000, .consumption = 100});
    ASSERT_NE(form2, nullptr);
    EXPECT_EQ(Box("Text5")->text() + ',' + Box("Text6")->text(), "100000,100");
    Click("Command1");
    EXPECT_EQ(Fields(scratch.Read("option.ini"), {2, 3}), "100000,100");
}

// The address box takes 256 characters as typed; a longer address stored by
// hand is shown whole. Either survives a save and a restart unchanged.
struct AddressCase {
    const char* name;
    QString stored;
    QString typed;  // empty: the box is left as it was loaded
};

void PrintTo(const AddressCase& c, std::ostream* os) { *os << c.name; }

class SettingsAddressTest : public SettingsWindowTest, public ::testing::WithParamInterface<AddressCase> {};

TEST_P(SettingsAddressTest, SurvivesASaveAndARestart) {
    const AddressCase& c = GetParam();
    Start({.blog = c.stored});
    ASSERT_NE(form2, nullptr);
    if (!c.typed.isEmpty()) Type("Text4", c.typed.toUtf8().constData());
    Click("Command1");
    ASSERT_TRUE(platform.messages.isEmpty());
    FakePlatform again;
    Module1 restarted(again);
    restarted.StartUp();
    const QString expected = c.typed.isEmpty() ? c.stored : c.typed;
    EXPECT_EQ(QString::fromStdString(restarted.settings.blogUrl), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, SettingsAddressTest,
    ::testing::Values(AddressCase{"Typed256", QStringLiteral("blog.example/me"),
                                  QStringLiteral("日記.example.jp/") + QString(242, QChar(0x65E5))},
                      AddressCase{"Stored40000", QStringLiteral("blog.example/") + QString(39987, QLatin1Char('a')), {}}),
    [](const auto& tested) { return std::string(tested.param.name); });

struct MomentCase {
    const char* name;
    const char* moment[5];
    const char* count;
    const char* price;
    const char* outcome;  // the message, or "initial.ini" after the save
};

void PrintTo(const MomentCase& c, std::ostream* os) { *os << c.name; }

class SettingsMomentTest : public SettingsWindowTest, public ::testing::WithParamInterface<MomentCase> {};

TEST_P(SettingsMomentTest, ChecksTheQuitMomentCountAndPrice) {
    const MomentCase& c = GetParam();
    Start();
    ASSERT_NE(form2, nullptr);
    for (int i = 0; i < 5; ++i) Type(QStringLiteral("Text1_%1").arg(i).toLatin1().constData(), c.moment[i]);
    Type("Text2", c.count);
    Type("Text3", c.price);
    Click("Command1");
    const bool refused = c.outcome == kRange || c.outcome == kFuture;
    if (refused) {
        EXPECT_EQ(platform.messages, QStringList{QString::fromUtf8(c.outcome)});  // one, however many faults
        EXPECT_TRUE(SettingsOpen());
        EXPECT_EQ(Box("Text2")->text(), QString::fromUtf8(c.count));  // the typing stays
        EXPECT_EQ(scratch.Read("initial.ini"), storedProfile);
        EXPECT_EQ(scratch.Read("option.ini"), storedOptions);
    } else {
        EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('|').toStdString();
        EXPECT_EQ(scratch.Read("initial.ini"), QByteArray(c.outcome) + "\r\n");
        EXPECT_FALSE(SettingsOpen());
    }
}

// The clock stands at 15 October 2008, 12:07.
INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsMomentTest,
    ::testing::Values(
        MomentCase{"LeadingZerosDropped", {"2008", "03", "05", "07", "09"}, "020", "0300", "2008,3,5,7,9,20,300,85"},
        MomentCase{"LeapDay2008", {"2008", "2", "29", "9", "0"}, "20", "300", "2008,2,29,9,0,20,300,85"},
        MomentCase{"LeapDay2000", {"2000", "2", "29", "9", "0"}, "20", "300", "2000,2,29,9,0,20,300,85"},
        MomentCase{"LeapDay1900", {"1900", "2", "29", "9", "0"}, "20", "300", kRange},
        MomentCase{"ThirtiethOfFebruary", {"2008", "2", "30", "9", "0"}, "20", "300", kRange},
        MomentCase{"NextYearIsARangeFault", {"2009", "1", "1", "0", "0"}, "20", "300", kRange},
        MomentCase{"OneMinuteAhead", {"2008", "10", "15", "12", "8"}, "20", "300", kFuture},
        MomentCase{"ThisMinute", {"2008", "10", "15", "12", "7"}, "20", "300", "2008,10,15,12,7,20,300,85"},
        MomentCase{"RangeBeforeFuture", {"2008", "10", "15", "12", "8"}, "0", "300", kRange},
        MomentCase{"CountEmpty", {"2008", "10", "1", "9", "0"}, "", "300", kRange},
        MomentCase{"CountWithUnit", {"2008", "10", "1", "9", "0"}, "20本", "99.9", "2008,10,1,9,0,20,99,85"},
        MomentCase{"FullWidthDigits", {"2008", "10", "1", "9", "0"}, "２０", "300", kRange},
        MomentCase{"EveryBoxWrong", {"1800", "13", "40", "25", "61"}, "999", "9999", kRange}),
    [](const auto& tested) { return std::string(tested.param.name); });

struct TaxCase {
    const char* name;
    const char* tobacco;
    const char* consumption;
    const char* years;
    const char* saved;  // fields 2, 3 and 5 of "option.ini"; nullptr: refused
};

void PrintTo(const TaxCase& c, std::ostream* os) { *os << c.name; }

class SettingsTaxTest : public SettingsWindowTest, public ::testing::WithParamInterface<TaxCase> {};

TEST_P(SettingsTaxTest, ChecksTheTaxesAndYearsBeforeAnythingIsWritten) {
    const TaxCase& c = GetParam();
    Start();
    ASSERT_NE(form2, nullptr);
    Type("Text1_2", "6");
    Type("Text5", c.tobacco);
    Type("Text6", c.consumption);
    Type("Text7", c.years);  // read even though the box is disabled
    Click("Command1");
    if (c.saved != nullptr) {
        EXPECT_TRUE(platform.messages.isEmpty());
        EXPECT_EQ(scratch.Read("initial.ini"), QByteArray("2008,10,6,9,0,20,300,85\r\n"));
        EXPECT_EQ(Fields(scratch.Read("option.ini"), {2, 3, 5}), c.saved);
    } else {
        EXPECT_EQ(platform.messages, QStringList{kRange});
        EXPECT_EQ(scratch.Read("initial.ini"), storedProfile);
        EXPECT_EQ(scratch.Read("option.ini"), storedOptions);
        EXPECT_TRUE(SettingsOpen());
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsTaxTest,
                         ::testing::Values(TaxCase{"MostTheBoxTakes", "99999", "10", "5", "99999,10,5"},
                                           TaxCase{"SurroundingBlanks", " 874", "5 ", "5", "874,5,5"},
                                           TaxCase{"FractionRoundedDown", "8.9", "5", "5", "8,5,5"},
                                           TaxCase{"YearsWithUnit", "8744", "5", "5年", "8744,5,5"},
                                           TaxCase{"EmptyTobacco", "", "5", "5", nullptr},
                                           TaxCase{"TobaccoWithUnit", "87円", "5", "5", nullptr},
                                           TaxCase{"NotANumber", "nan", "5", "5", nullptr},
                                           TaxCase{"EmptyConsumption", "8744", "", "5", nullptr},
                                           TaxCase{"EmptyYears", "8744", "5", "", nullptr}),
                         [](const auto& tested) { return std::string(tested.param.name); });

struct BoundaryCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> boxes;  // box, text
    bool accepted;
};

void PrintTo(const BoundaryCase& c, std::ostream* os) { *os << c.name; }

class SettingsBoundaryTest : public SettingsWindowTest, public ::testing::WithParamInterface<BoundaryCase> {};

// Each limit of each range is accepted and its neighbour outside refused.
// The boxes are filled as loading fills them, beyond what typing takes.
TEST_P(SettingsBoundaryTest, AcceptsEachLimitAndRefusesItsNeighbour) {
    // The file and field (1-based) each box is saved in.
    const std::map<std::string, std::pair<const char*, int>> stored = {
        {"Text1_0", {"initial.ini", 1}}, {"Text1_1", {"initial.ini", 2}}, {"Text1_2", {"initial.ini", 3}},
        {"Text1_3", {"initial.ini", 4}}, {"Text1_4", {"initial.ini", 5}}, {"Text2", {"initial.ini", 6}},
        {"Text3", {"initial.ini", 7}},   {"Text5", {"option.ini", 2}},    {"Text6", {"option.ini", 3}},
        {"Text7", {"option.ini", 5}}};
    Start({}, "2007,10,5,9,0,20,300,85\r\n");  // the clock stands at 15 October 2008, 12:07
    ASSERT_NE(form2, nullptr);
    for (const auto& [box, text] : GetParam().boxes) Box(box)->setText(QString::fromLatin1(text));
    Click("Command1");
    if (!GetParam().accepted) {
        EXPECT_EQ(platform.messages, QStringList{kRange});
        EXPECT_TRUE(SettingsOpen());
        return;
    }
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('|').toStdString();
    EXPECT_FALSE(SettingsOpen());
    for (const auto& [box, text] : GetParam().boxes) {
        const auto& [file, field] = stored.at(box);
        EXPECT_EQ(Fields(scratch.Read(file), {field}), QString::fromLatin1(text)) << box;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsBoundaryTest,
    ::testing::Values(
        BoundaryCase{"Year1900", {{"Text1_0", "1900"}}, true}, BoundaryCase{"Year1899", {{"Text1_0", "1899"}}, false},
        BoundaryCase{"Month1", {{"Text1_1", "1"}}, true}, BoundaryCase{"Month0", {{"Text1_1", "0"}}, false},
        BoundaryCase{"Month12", {{"Text1_1", "12"}}, true}, BoundaryCase{"Month13", {{"Text1_1", "13"}}, false},
        BoundaryCase{"Day1", {{"Text1_2", "1"}}, true}, BoundaryCase{"Day0", {{"Text1_2", "0"}}, false},
        BoundaryCase{"October31", {{"Text1_2", "31"}}, true}, BoundaryCase{"October32", {{"Text1_2", "32"}}, false},
        BoundaryCase{"April30", {{"Text1_1", "4"}, {"Text1_2", "30"}}, true},
        BoundaryCase{"April31", {{"Text1_1", "4"}, {"Text1_2", "31"}}, false},
        BoundaryCase{"June31", {{"Text1_1", "6"}, {"Text1_2", "31"}}, false},
        BoundaryCase{"September31", {{"Text1_1", "9"}, {"Text1_2", "31"}}, false},
        BoundaryCase{"November30", {{"Text1_1", "11"}, {"Text1_2", "30"}}, true},
        BoundaryCase{"November31", {{"Text1_1", "11"}, {"Text1_2", "31"}}, false},
        BoundaryCase{"December31", {{"Text1_1", "12"}, {"Text1_2", "31"}}, true},
        BoundaryCase{"February28", {{"Text1_1", "2"}, {"Text1_2", "28"}}, true},
        BoundaryCase{"February29", {{"Text1_1", "2"}, {"Text1_2", "29"}}, false},
        BoundaryCase{"Hour0", {{"Text1_3", "0"}}, true}, BoundaryCase{"HourMinus1", {{"Text1_3", "-1"}}, false},
        BoundaryCase{"Hour23", {{"Text1_3", "23"}}, true}, BoundaryCase{"Hour24", {{"Text1_3", "24"}}, false},
        BoundaryCase{"Minute0", {{"Text1_4", "0"}}, true}, BoundaryCase{"MinuteMinus1", {{"Text1_4", "-1"}}, false},
        BoundaryCase{"Minute59", {{"Text1_4", "59"}}, true}, BoundaryCase{"Minute60", {{"Text1_4", "60"}}, false},
        BoundaryCase{"Count1", {{"Text2", "1"}}, true}, BoundaryCase{"Count0", {{"Text2", "0"}}, false},
        BoundaryCase{"Count200", {{"Text2", "200"}}, true}, BoundaryCase{"Count201", {{"Text2", "201"}}, false},
        BoundaryCase{"Price1", {{"Text3", "1"}}, true}, BoundaryCase{"Price0", {{"Text3", "0"}}, false},
        BoundaryCase{"Price2000", {{"Text3", "2000"}}, true}, BoundaryCase{"Price2001", {{"Text3", "2001"}}, false},
        BoundaryCase{"Tobacco0", {{"Text5", "0"}}, true}, BoundaryCase{"TobaccoMinus1", {{"Text5", "-1"}}, false},
        BoundaryCase{"Tobacco100000", {{"Text5", "100000"}}, true},
        BoundaryCase{"Tobacco100001", {{"Text5", "100001"}}, false},
        BoundaryCase{"Consumption0", {{"Text6", "0"}}, true},
        BoundaryCase{"ConsumptionMinus1", {{"Text6", "-1"}}, false},
        BoundaryCase{"Consumption100", {{"Text6", "100"}}, true},
        BoundaryCase{"Consumption101", {{"Text6", "101"}}, false}, BoundaryCase{"Years1", {{"Text7", "1"}}, true},
        BoundaryCase{"Years0", {{"Text7", "0"}}, false}, BoundaryCase{"Years99", {{"Text7", "99"}}, true},
        BoundaryCase{"Years100", {{"Text7", "100"}}, false}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(SettingsWindowTest, SavingWritesEverySettingAndTheMainWindowShowsThem) {
    Start();
    ASSERT_NE(form2, nullptr);
    form2->move(200, 100);
    Type("Text4", "  blog.example/new, page  ");
    Find<QComboBox>(form2, "Combo1")->setCurrentIndex(1);  // コスモ
    Click("Option2_2");
    Type("Text7", "12");
    Click("Check2");
    Click("Option1_2");
    Type("Text5", "7892");
    Type("Text6", "8");
    platform.colorChoice = QColor(255, 0, 0);
    Click("Command3");
    EXPECT_EQ(Find<QLabel>(form2, "Label2")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    platform.colorChoice.reset();  // the dialog cancelled
    Click("Command4");
    Click("Command1");

    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(scratch.Read("initial.ini"), QByteArray("2008,10,5,9,0,20,300,100\r\n"));
    EXPECT_EQ(scratch.ReadText("option.ini"),
              QStringLiteral("1,7892,8,2,12,0,3000,1500,9241372,255,\"blog.example/new, page\",2,0,0,\"コスモ\"\r\n"));
    auto* form1 = VisibleWindow<Form1>("Form1");
    ASSERT_NE(form1, nullptr);
    EXPECT_EQ(form1->frameGeometry().topLeft(), QPoint(200, 100));
    EXPECT_EQ(form1->Label2(3)->text(), QStringLiteral("ヒヨコ"));  // day 10 on the cosmo ladder
}

TEST_F(SettingsWindowTest, AChosenColourLastsUntilTheMainWindowLoadsAgain) {
    Start();
    ASSERT_NE(form2, nullptr);
    platform.colorChoice = QColor(255, 0, 0);
    Click("Command3");
    EXPECT_EQ(module.settings.textColor, 255);

    // Through the information window and back: the colour is still chosen.
    Click("Command5");
    QWidget* form8 = VisibleWindow("Form8");
    ASSERT_NE(form8, nullptr);
    form8->close();
    ProcessDeletions();
    form2 = VisibleWindow<Form2>("Form2");
    ASSERT_NE(form2, nullptr);
    EXPECT_EQ(Find<QLabel>(form2, "Label2")->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // Cancel: the main window reads the stored colour again.
    Click("Command2");
    auto* form1 = VisibleWindow<Form1>("Form1");
    ASSERT_NE(form1, nullptr);
    EXPECT_EQ(module.settings.textColor, 16777215);
    EXPECT_EQ(form1->Label2(0)->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(scratch.Read("option.ini"), storedOptions);
}

class SettingsEnterTest : public SettingsWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SettingsEnterTest, EnterSavesFromAnyControl) {
    Start();
    ASSERT_NE(form2, nullptr);
    Type("Text2", "33");
    QTest::keyClick(form2->findChild<QWidget*>(QLatin1String(GetParam())), Qt::Key_Return);
    ProcessDeletions();
    EXPECT_EQ(scratch.Read("initial.ini"), QByteArray("2008,10,5,9,0,33,300,85\r\n"));
    EXPECT_NE(VisibleWindow("Form1"), nullptr);
}

// Even on the cancel and paid-edition buttons, Enter saves.
INSTANTIATE_TEST_SUITE_P(Settings, SettingsEnterTest,
                         ::testing::Values("Text1_0", "Text4", "Combo1", "Check2", "Option1_0", "Command2", "Command5"));

TEST_F(SettingsWindowTest, TheYearsBoxIsOpenOnlyWithTheYearsOption) {
    Start();
    ASSERT_NE(form2, nullptr);
    QString seen;
    for (const char* option : {"Option2_2", "Option2_0", "Option2_2", "Option2_1"}) {
        Click(option);
        seen += Box("Text7")->isEnabled() ? '+' : '-';
    }
    EXPECT_EQ(seen, "+-+-");
}

TEST_F(SettingsWindowTest, ARefusedSaveThenCancelKeepsTheStoredQuitMoment) {
    Start();
    ASSERT_NE(form2, nullptr);
    Type("Text1_0", "2007");
    Type("Text4", "new.example/");
    Type("Text5", "abc");
    Click("Command1");
    EXPECT_EQ(module.settings.quitYear, 2007);  // in memory until the main window reloads
    Click("Command2");
    EXPECT_EQ(module.settings.quitYear, 2008);
    EXPECT_EQ(module.settings.tobaccoTaxPer1000, 8744);
    EXPECT_EQ(module.settings.blogUrl, "blog.example/me");
    EXPECT_EQ(LabelText(VisibleWindow("Form1"), "Label2_0"), QStringLiteral("０年０ヶ月１０日３時間７分"));
}

TEST_F(SettingsWindowTest, AProfileThatCannotBeWrittenIsReportedAndTheWindowStays) {
    Start();
    ASSERT_NE(form2, nullptr);
    // A file where the data folder was: nothing can be written there.
    QDir(scratch.Path() + "/yorumadata").removeRecursively();
    QFile blocker(scratch.Path() + "/yorumadata");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Click("Command1");
    EXPECT_EQ(platform.messages, QStringList{kDataFolderMessage});
    EXPECT_TRUE(SettingsOpen());
    EXPECT_FALSE(module.ProgramEnded());
}

TEST_F(SettingsWindowTest, OptionsThatCannotBeWrittenAreReportedAndTheWindowStays) {
    Start();
    ASSERT_NE(form2, nullptr);
    // A folder in place of "option.ini": the options cannot be written, so
    // the profile is not written either.
    QFile::remove(scratch.DataFile("option.ini"));
    ASSERT_TRUE(QDir(scratch.Path()).mkpath("yorumadata/option.ini"));
    Type("Text2", "30");
    Click("Command1");
    EXPECT_EQ(platform.messages, QStringList{kDataFolderMessage});
    EXPECT_EQ(scratch.Read("initial.ini"), storedProfile);
    EXPECT_TRUE(SettingsOpen());
    EXPECT_EQ(Box("Text2")->text(), QStringLiteral("30"));
    EXPECT_FALSE(module.ProgramEnded());
}

TEST_F(SettingsWindowTest, ADoubleQuoteInTheAddressIsRefusedBeforeAnythingIsWritten) {
    Start();
    ASSERT_NE(form2, nullptr);
    Type("Text4", "blog.example/\"quoted\"");
    Type("Text2", "30");
    Click("Command1");
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("アドレスとステータスには「\"」を使えません")});
    EXPECT_TRUE(SettingsOpen());
    EXPECT_EQ(scratch.Read("initial.ini"), storedProfile);
    EXPECT_EQ(scratch.Read("option.ini"), storedOptions);
}

struct ReturnCase {
    const char* name;
    int windowMode;
    const char* way;  // a button, or "close" for the close box
    const char* shown;
    int countAfter;   // the count in memory once the display window is back
};

void PrintTo(const ReturnCase& c, std::ostream* os) { *os << c.name; }

class SettingsReturnTest : public SettingsWindowTest, public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(SettingsReturnTest, BringsBackTheDisplayWindowInUse) {
    const ReturnCase& c = GetParam();
    Start({.windowMode = c.windowMode});
    ASSERT_NE(form2, nullptr);
    Type("Text2", "40");
    if (std::string(c.way) == "close") {
        form2->close();
        ProcessDeletions();
    } else {
        Click(c.way);
    }
    EXPECT_FALSE(SettingsOpen());
    EXPECT_EQ(VisibleWindow("Form1") != nullptr, std::string(c.shown) == "Form1");
    EXPECT_EQ(VisibleWindow("Form7") != nullptr, std::string(c.shown) == "Form7");
    EXPECT_NE(module.LoadedForm1(), nullptr);  // both loaded again, the other one hidden
    EXPECT_NE(module.LoadedForm7(), nullptr);
    EXPECT_EQ(module.settings.cigarettesPerDay, c.countAfter);
    if (c.countAfter == 20) {  // nothing written
        EXPECT_EQ(scratch.Read("initial.ini") + scratch.Read("option.ini"), storedProfile + storedOptions);
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsReturnTest,
                         ::testing::Values(ReturnCase{"MiniSave", 1, "Command1", "Form7", 40},
                                           ReturnCase{"MiniCancel", 1, "Command2", "Form7", 20},
                                           ReturnCase{"MiniClose", 1, "close", "Form7", 20},
                                           ReturnCase{"MainSave", 2, "Command1", "Form1", 40},
                                           ReturnCase{"MainAgainCancel", 0, "Command2", "Form1", 20},
                                           ReturnCase{"MainClose", 2, "close", "Form1", 20}),
                         [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
