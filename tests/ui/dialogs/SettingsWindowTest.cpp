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

#include "app/Messages.h"
#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/MainWindow.h"
#include "ui/MiniWindow.h"
#include "ui/SettingsWindow.h"

namespace {

const char* const kRange = "有効範囲内にある半角数字を入れてください";
const char* const kFuture = "現在より未来の日時は設定できません";

// The quit moment's boxes: year, month, day, hour, minute.
const char* const kQuitMomentBoxes[5] = {"yearBox", "monthBox", "dayBox", "hourBox", "minuteBox"};

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
        program.app.StartUp();
        if (auto* main = VisibleWindow<MainWindow>("mainWindow")) {
            main->move(300, 150);
            QTest::mouseClick(Find<QPushButton>(main, "settingsButton"), Qt::LeftButton);
        } else if (auto* mini = VisibleWindow<MiniWindow>("miniWindow")) {
            mini->MenuEntry("settingsEntry")->trigger();
        }
        ProcessDeletions();
        settings = VisibleWindow<SettingsWindow>("settingsWindow");
        storedProfile = scratch.Read("initial.ini");
        storedOptions = scratch.Read("option.ini");
    }

    QLineEdit* Box(const char* name) const { return Find<QLineEdit>(settings, name); }
    QRadioButton* Option(const char* name) const { return Find<QRadioButton>(settings, name); }

    // Replaces a box's text as typing would, within the box's input limit.
    void Type(const char* box, const char* text) {
        Box(box)->setFocus();
        Box(box)->selectAll();
        Box(box)->insert(QString::fromUtf8(text));
    }

    void Click(const char* control) {
        QTest::mouseClick(settings->findChild<QAbstractButton*>(QLatin1String(control)), Qt::LeftButton);
        ProcessDeletions();
    }

    bool SettingsOpen() const { return VisibleWindow("settingsWindow") != nullptr; }

    ScratchDirectory scratch;
    Program program;
    FakePlatform& platform = program.platform;
    SettingsWindow* settings = nullptr;
    QByteArray storedProfile, storedOptions;
};

TEST_F(SettingsWindowTest, ShowsTheStoredSettingsWhereTheMainWindowStood) {
    Start({}, "2007,3,9,8,5,25,410,85\r\n");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->windowTitle(), QStringLiteral(" 設定ウィンドウ - 全て半角で記入してください - nubera"));
    EXPECT_EQ(settings->frameGeometry().topLeft(), QPoint(300, 150));
    EXPECT_EQ(program.windows.Loaded(Window::Main), nullptr);  // nothing refreshes meanwhile
    QStringList shown;
    for (const char* box : {"yearBox", "monthBox", "dayBox", "hourBox", "minuteBox", "cigarettesBox", "priceBox",
                            "tobaccoTaxBox", "consumptionTaxBox", "smokingYearsBox", "blogUrlBox"}) {
        shown << Box(box)->text();
    }
    EXPECT_EQ(shown.join(QLatin1Char(' ')), QStringLiteral("2007 3 9 8 5 25 410 8744 5 5 blog.example/me"));
    auto* sample = Find<QLabel>(settings, "colourSample");
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
    ASSERT_NE(settings, nullptr);
    QStringList chosen;
    for (const char* option :
         {"sizeChoice0", "sizeChoice1", "sizeChoice2", "copyPlusChoice0", "copyPlusChoice1", "copyPlusChoice2"}) {
        if (Option(option)->isChecked()) chosen << QString::fromLatin1(option);
    }
    EXPECT_EQ(chosen.join(QLatin1Char(' ')), c.chosen);
    EXPECT_EQ(Box("smokingYearsBox")->isEnabled(), c.yearsOpen);
    EXPECT_EQ(Find<QCheckBox>(settings, "packDisplayBox")->isChecked(), c.packChecked);
    EXPECT_EQ(Find<QComboBox>(settings, "statusModeBox")->currentText(), QString::fromUtf8(c.modeShown));
    Click("saveButton");
    EXPECT_EQ(Fields(scratch.Read("initial.ini"), {8}) + ',' + Fields(scratch.Read("option.ini"), {4, 6, 15}),
              QString::fromUtf8(c.saved));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsLoadTest,
    ::testing::Values(
        LoadCase{"Defaults", {}, "2008,10,5,9,0,20,300,85\r\n", "sizeChoice1 copyPlusChoice1", false, true,
                 "ソルジャー", "85,1,1,\"ソルジャー\""},
        LoadCase{"ShortWithYears", {.copyPlus = 2, .pack = 0, .mode = "コスモ"}, "2008,10,5,9,0,20,300,50\r\n",
                 "sizeChoice0 copyPlusChoice2", true, false, "コスモ", "50,2,0,\"コスモ\""},
        LoadCase{"Long", {.copyPlus = 0}, "2008,10,5,9,0,20,300,100\r\n", "sizeChoice2 copyPlusChoice0", false, true,
                 "ソルジャー", "100,0,1,\"ソルジャー\""},
        // Values no control can show, as a hand-edited file may hold them.
        LoadCase{"Unknown", {.copyPlus = 7, .pack = 2, .mode = "ゴールド"}, "2008,10,5,9,0,20,300,70\r\n",
                 "sizeChoice1 copyPlusChoice0", false, false, "ゴールド", "85,0,0,\"ゴールド\""}),
    [](const auto& tested) { return std::string(tested.param.name); });

class SettingsTypingTest : public SettingsWindowTest, public ::testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(SettingsTypingTest, EachBoxTakesOnlyAsManyCharactersAsItsField) {
    Start({.copyPlus = 2});
    ASSERT_NE(settings, nullptr);
    QLineEdit* box = Box(GetParam().first);
    box->clear();
    const QString typed = QStringLiteral("1234567890").repeated(30);
    QTest::keyClicks(box, typed);
    EXPECT_EQ(box->text(), typed.left(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsTypingTest,
                         ::testing::Values(std::pair{"yearBox", 4}, std::pair{"monthBox", 2}, std::pair{"minuteBox", 2},
                                           std::pair{"cigarettesBox", 3}, std::pair{"priceBox", 4},
                                           std::pair{"tobaccoTaxBox", 5}, std::pair{"consumptionTaxBox", 2},
                                           std::pair{"smokingYearsBox", 2}, std::pair{"blogUrlBox", 256}));

TEST_F(SettingsWindowTest, StoredValuesLongerThanTheBoxesTakeAreShownAndKeptWhole) {
    Start({.tobacco = 100000, .consumption = 100});
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(Box("tobaccoTaxBox")->text() + ',' + Box("consumptionTaxBox")->text(), "100000,100");
    Click("saveButton");
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
    ASSERT_NE(settings, nullptr);
    if (!c.typed.isEmpty()) Type("blogUrlBox", c.typed.toUtf8().constData());
    Click("saveButton");
    ASSERT_TRUE(platform.messages.isEmpty());
    Program restarted;
    restarted.app.StartUp();
    const QString expected = c.typed.isEmpty() ? c.stored : c.typed;
    EXPECT_EQ(QString::fromStdString(restarted.app.Settings().blogUrl), expected);
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
    ASSERT_NE(settings, nullptr);
    for (int i = 0; i < 5; ++i) Type(kQuitMomentBoxes[i], c.moment[i]);
    Type("cigarettesBox", c.count);
    Type("priceBox", c.price);
    Click("saveButton");
    const bool refused = c.outcome == kRange || c.outcome == kFuture;
    if (refused) {
        EXPECT_EQ(platform.messages, QStringList{QString::fromUtf8(c.outcome)});  // one, however many faults
        EXPECT_TRUE(SettingsOpen());
        EXPECT_EQ(Box("cigarettesBox")->text(), QString::fromUtf8(c.count));  // the typing stays
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
    ASSERT_NE(settings, nullptr);
    Type("dayBox", "6");
    Type("tobaccoTaxBox", c.tobacco);
    Type("consumptionTaxBox", c.consumption);
    Type("smokingYearsBox", c.years);  // read even though the box is disabled
    Click("saveButton");
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
        {"yearBox", {"initial.ini", 1}},         {"monthBox", {"initial.ini", 2}},
        {"dayBox", {"initial.ini", 3}},          {"hourBox", {"initial.ini", 4}},
        {"minuteBox", {"initial.ini", 5}},       {"cigarettesBox", {"initial.ini", 6}},
        {"priceBox", {"initial.ini", 7}},        {"tobaccoTaxBox", {"option.ini", 2}},
        {"consumptionTaxBox", {"option.ini", 3}}, {"smokingYearsBox", {"option.ini", 5}}};
    Start({}, "2007,10,5,9,0,20,300,85\r\n");  // the clock stands at 15 October 2008, 12:07
    ASSERT_NE(settings, nullptr);
    for (const auto& [box, text] : GetParam().boxes) Box(box)->setText(QString::fromLatin1(text));
    Click("saveButton");
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
        BoundaryCase{"Year1900", {{"yearBox", "1900"}}, true}, BoundaryCase{"Year1899", {{"yearBox", "1899"}}, false},
        BoundaryCase{"Month1", {{"monthBox", "1"}}, true}, BoundaryCase{"Month0", {{"monthBox", "0"}}, false},
        BoundaryCase{"Month12", {{"monthBox", "12"}}, true}, BoundaryCase{"Month13", {{"monthBox", "13"}}, false},
        BoundaryCase{"Day1", {{"dayBox", "1"}}, true}, BoundaryCase{"Day0", {{"dayBox", "0"}}, false},
        BoundaryCase{"October31", {{"dayBox", "31"}}, true}, BoundaryCase{"October32", {{"dayBox", "32"}}, false},
        BoundaryCase{"April30", {{"monthBox", "4"}, {"dayBox", "30"}}, true},
        BoundaryCase{"April31", {{"monthBox", "4"}, {"dayBox", "31"}}, false},
        BoundaryCase{"June31", {{"monthBox", "6"}, {"dayBox", "31"}}, false},
        BoundaryCase{"September31", {{"monthBox", "9"}, {"dayBox", "31"}}, false},
        BoundaryCase{"November30", {{"monthBox", "11"}, {"dayBox", "30"}}, true},
        BoundaryCase{"November31", {{"monthBox", "11"}, {"dayBox", "31"}}, false},
        BoundaryCase{"December31", {{"monthBox", "12"}, {"dayBox", "31"}}, true},
        BoundaryCase{"February28", {{"monthBox", "2"}, {"dayBox", "28"}}, true},
        BoundaryCase{"February29", {{"monthBox", "2"}, {"dayBox", "29"}}, false},
        BoundaryCase{"Hour0", {{"hourBox", "0"}}, true}, BoundaryCase{"HourMinus1", {{"hourBox", "-1"}}, false},
        BoundaryCase{"Hour23", {{"hourBox", "23"}}, true}, BoundaryCase{"Hour24", {{"hourBox", "24"}}, false},
        BoundaryCase{"Minute0", {{"minuteBox", "0"}}, true}, BoundaryCase{"MinuteMinus1", {{"minuteBox", "-1"}}, false},
        BoundaryCase{"Minute59", {{"minuteBox", "59"}}, true}, BoundaryCase{"Minute60", {{"minuteBox", "60"}}, false},
        BoundaryCase{"Count1", {{"cigarettesBox", "1"}}, true}, BoundaryCase{"Count0", {{"cigarettesBox", "0"}}, false},
        BoundaryCase{"Count200", {{"cigarettesBox", "200"}}, true},
        BoundaryCase{"Count201", {{"cigarettesBox", "201"}}, false},
        BoundaryCase{"Price1", {{"priceBox", "1"}}, true}, BoundaryCase{"Price0", {{"priceBox", "0"}}, false},
        BoundaryCase{"Price2000", {{"priceBox", "2000"}}, true},
        BoundaryCase{"Price2001", {{"priceBox", "2001"}}, false},
        BoundaryCase{"Tobacco0", {{"tobaccoTaxBox", "0"}}, true},
        BoundaryCase{"TobaccoMinus1", {{"tobaccoTaxBox", "-1"}}, false},
        BoundaryCase{"Tobacco100000", {{"tobaccoTaxBox", "100000"}}, true},
        BoundaryCase{"Tobacco100001", {{"tobaccoTaxBox", "100001"}}, false},
        BoundaryCase{"Consumption0", {{"consumptionTaxBox", "0"}}, true},
        BoundaryCase{"ConsumptionMinus1", {{"consumptionTaxBox", "-1"}}, false},
        BoundaryCase{"Consumption100", {{"consumptionTaxBox", "100"}}, true},
        BoundaryCase{"Consumption101", {{"consumptionTaxBox", "101"}}, false},
        BoundaryCase{"Years1", {{"smokingYearsBox", "1"}}, true},
        BoundaryCase{"Years0", {{"smokingYearsBox", "0"}}, false},
        BoundaryCase{"Years99", {{"smokingYearsBox", "99"}}, true},
        BoundaryCase{"Years100", {{"smokingYearsBox", "100"}}, false}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(SettingsWindowTest, SavingWritesEverySettingAndTheMainWindowShowsThem) {
    Start();
    ASSERT_NE(settings, nullptr);
    settings->move(200, 100);
    Type("blogUrlBox", "  blog.example/new, page  ");
    Find<QComboBox>(settings, "statusModeBox")->setCurrentIndex(1);  // コスモ
    Click("copyPlusChoice2");
    Type("smokingYearsBox", "12");
    Click("packDisplayBox");
    Click("sizeChoice2");
    Type("tobaccoTaxBox", "7892");
    Type("consumptionTaxBox", "8");
    platform.colourChoice = 255;  // red, as stored: red in the lowest byte
    Click("textColourButton");
    EXPECT_EQ(Find<QLabel>(settings, "colourSample")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    platform.colourChoice.reset();  // the dialog cancelled
    Click("backColourButton");
    Click("saveButton");

    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(scratch.Read("initial.ini"), QByteArray("2008,10,5,9,0,20,300,100\r\n"));
    EXPECT_EQ(scratch.ReadText("option.ini"),
              QStringLiteral("1,7892,8,2,12,0,3000,1500,9241372,255,\"blog.example/new, page\",2,0,0,\"コスモ\"\r\n"));
    auto* main = VisibleWindow<MainWindow>("mainWindow");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->frameGeometry().topLeft(), QPoint(200, 100));
    EXPECT_EQ(main->Value(kRankCaption)->text(), QStringLiteral("ヒヨコ"));  // day 10 on the cosmo ladder
}

TEST_F(SettingsWindowTest, AChosenColourLastsUntilTheMainWindowLoadsAgain) {
    Start();
    ASSERT_NE(settings, nullptr);
    platform.colourChoice = 255;  // red, as stored: red in the lowest byte
    Click("textColourButton");
    EXPECT_EQ(program.app.Settings().textColor, 255);

    // Through the information window and back: the colour is still chosen.
    Click("paidEditionButton");
    QWidget* info = VisibleWindow("infoWindow");
    ASSERT_NE(info, nullptr);
    info->close();
    ProcessDeletions();
    settings = VisibleWindow<SettingsWindow>("settingsWindow");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(Find<QLabel>(settings, "colourSample")->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // Cancel: the main window reads the stored colour again.
    Click("cancelButton");
    auto* main = VisibleWindow<MainWindow>("mainWindow");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(program.app.Settings().textColor, 16777215);
    EXPECT_EQ(main->Value(kElapsedCaption)->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(scratch.Read("option.ini"), storedOptions);
}

class SettingsEnterTest : public SettingsWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SettingsEnterTest, EnterSavesFromAnyControl) {
    Start();
    ASSERT_NE(settings, nullptr);
    Type("cigarettesBox", "33");
    QTest::keyClick(settings->findChild<QWidget*>(QLatin1String(GetParam())), Qt::Key_Return);
    ProcessDeletions();
    EXPECT_EQ(scratch.Read("initial.ini"), QByteArray("2008,10,5,9,0,33,300,85\r\n"));
    EXPECT_NE(VisibleWindow("mainWindow"), nullptr);
}

// Even on the cancel and paid-edition buttons, Enter saves.
INSTANTIATE_TEST_SUITE_P(Settings, SettingsEnterTest,
                         ::testing::Values("yearBox", "blogUrlBox", "statusModeBox", "packDisplayBox", "sizeChoice0",
                                           "cancelButton", "paidEditionButton"));

TEST_F(SettingsWindowTest, TheYearsBoxIsOpenOnlyWithTheYearsOption) {
    Start();
    ASSERT_NE(settings, nullptr);
    QString seen;
    for (const char* option : {"copyPlusChoice2", "copyPlusChoice0", "copyPlusChoice2", "copyPlusChoice1"}) {
        Click(option);
        seen += Box("smokingYearsBox")->isEnabled() ? '+' : '-';
    }
    EXPECT_EQ(seen, "+-+-");
}

TEST_F(SettingsWindowTest, ARefusedSaveThenCancelKeepsTheStoredQuitMoment) {
    Start();
    ASSERT_NE(settings, nullptr);
    Type("yearBox", "2007");
    Type("blogUrlBox", "new.example/");
    Type("tobaccoTaxBox", "abc");
    Click("saveButton");
    // A refused save changes nothing, not even in memory.
    EXPECT_EQ(program.app.Settings().quitYear, 2008);
    Click("cancelButton");
    EXPECT_EQ(program.app.Settings().quitYear, 2008);
    EXPECT_EQ(program.app.Settings().tobaccoTaxPer1000, 8744);
    EXPECT_EQ(program.app.Settings().blogUrl, "blog.example/me");
    EXPECT_EQ(LabelText(VisibleWindow("mainWindow"), "elapsedValue"), QStringLiteral("０年０ヶ月１０日３時間７分"));
}

TEST_F(SettingsWindowTest, AProfileThatCannotBeWrittenIsReportedAndTheWindowStays) {
    Start();
    ASSERT_NE(settings, nullptr);
    // A file where the data folder was: nothing can be written there.
    QDir(scratch.Path() + "/yorumadata").removeRecursively();
    QFile blocker(scratch.Path() + "/yorumadata");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Click("saveButton");
    EXPECT_EQ(platform.messages, QStringList{kDataFolderMessage});
    EXPECT_TRUE(SettingsOpen());
    EXPECT_FALSE(program.app.Ended());
}

TEST_F(SettingsWindowTest, OptionsThatCannotBeWrittenAreReportedAndTheWindowStays) {
    Start();
    ASSERT_NE(settings, nullptr);
    // A folder in place of "option.ini": the options cannot be written, so
    // the profile is not written either.
    QFile::remove(scratch.DataFile("option.ini"));
    ASSERT_TRUE(QDir(scratch.Path()).mkpath("yorumadata/option.ini"));
    Type("cigarettesBox", "30");
    Click("saveButton");
    EXPECT_EQ(platform.messages, QStringList{kDataFolderMessage});
    EXPECT_EQ(scratch.Read("initial.ini"), storedProfile);
    EXPECT_TRUE(SettingsOpen());
    EXPECT_EQ(Box("cigarettesBox")->text(), QStringLiteral("30"));
    EXPECT_FALSE(program.app.Ended());
}

TEST_F(SettingsWindowTest, ADoubleQuoteInTheAddressIsRefusedBeforeAnythingIsWritten) {
    Start();
    ASSERT_NE(settings, nullptr);
    Type("blogUrlBox", "blog.example/\"quoted\"");
    Type("cigarettesBox", "30");
    Click("saveButton");
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
    ASSERT_NE(settings, nullptr);
    Type("cigarettesBox", "40");
    if (std::string(c.way) == "close") {
        settings->close();
        ProcessDeletions();
    } else {
        Click(c.way);
    }
    EXPECT_FALSE(SettingsOpen());
    EXPECT_EQ(VisibleWindow("mainWindow") != nullptr, std::string(c.shown) == "mainWindow");
    EXPECT_EQ(VisibleWindow("miniWindow") != nullptr, std::string(c.shown) == "miniWindow");
    EXPECT_NE(program.windows.Loaded(Window::Main), nullptr);  // both loaded again, the other one hidden
    EXPECT_NE(program.windows.Loaded(Window::Mini), nullptr);
    EXPECT_EQ(program.app.Settings().cigarettesPerDay, c.countAfter);
    if (c.countAfter == 20) {  // nothing written
        EXPECT_EQ(scratch.Read("initial.ini") + scratch.Read("option.ini"), storedProfile + storedOptions);
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsReturnTest,
                         ::testing::Values(ReturnCase{"MiniSave", 1, "saveButton", "miniWindow", 40},
                                           ReturnCase{"MiniCancel", 1, "cancelButton", "miniWindow", 20},
                                           ReturnCase{"MiniClose", 1, "close", "miniWindow", 20},
                                           ReturnCase{"MainSave", 2, "saveButton", "mainWindow", 40},
                                           ReturnCase{"MainAgainCancel", 0, "cancelButton", "mainWindow", 20},
                                           ReturnCase{"MainClose", 2, "close", "mainWindow", 20}),
                         [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
