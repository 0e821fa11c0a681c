// The program under faults of its surroundings: a full disk, a folder that
// cannot be written, the data folder taken away or replaced by a file while
// the program runs, and a clock set back before the quit moment. Each must
// leave the program usable or say what failed, and the files holding what
// was saved before.

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

#include "app/Messages.h"
#include "storage/DataFiles.h"
#include "support/DataFolder.h"
#include "support/Faults.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/MainWindow.h"
#include "ui/SettingsWindow.h"

namespace {

const QByteArray kProfile = "2008,10,5,9,0,20,300,85\r\n";
const QByteArray kOptions = "1,8744,5,1,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"ソルジャー\"\r\n";

enum class Fault { FullDisk, ReadOnlyDataFolder, DataFolderMovedAway, DataFolderReplacedByAFile };

const char* Name(Fault fault) {
    switch (fault) {
        case Fault::FullDisk: return "a full disk";
        case Fault::ReadOnlyDataFolder: return "a read-only data folder";
        case Fault::DataFolderMovedAway: return "the data folder moved away";
        case Fault::DataFolderReplacedByAFile: return "the data folder replaced by a file";
    }
    return "?";
}

// Switches a fault on for as long as it lives; afterwards the data folder is
// back where it was, as the fault left it.
class ActiveFault {
public:
    ActiveFault(Fault fault, const ScratchDirectory& scratch)
        : folder_(DataFolderPath(scratch.Path())), movedTo_(scratch.Path() + QStringLiteral("/moved-away")) {
        switch (fault) {
            case Fault::FullDisk:
                fullDisk_.emplace();
                holds_ = true;
                break;
            case Fault::ReadOnlyDataFolder:
                readOnly_.emplace(folder_);
                holds_ = readOnly_->Holds();
                break;
            case Fault::DataFolderReplacedByAFile:
            case Fault::DataFolderMovedAway:
                holds_ = QDir().rename(folder_, movedTo_);
                if (fault == Fault::DataFolderReplacedByAFile) {
                    QFile file(folder_);
                    holds_ = holds_ && file.open(QIODevice::WriteOnly) && file.write(kInPlace) == kInPlace.size();
                }
                break;
        }
    }
    ~ActiveFault() {
        fullDisk_.reset();
        readOnly_.reset();
        if (QFileInfo(movedTo_).isDir()) {
            QFile::remove(folder_);
            QDir().rename(movedTo_, folder_);
        }
    }
    ActiveFault(const ActiveFault&) = delete;
    ActiveFault& operator=(const ActiveFault&) = delete;

    bool Holds() const { return holds_; }
    // What stands where the data folder was, for a file put there.
    QByteArray InPlace() const {
        QFile file(folder_);
        return QFileInfo(folder_).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static inline const QByteArray kInPlace = "a file, not a folder";

private:
    QString folder_;
    QString movedTo_;
    std::optional<FullDisk> fullDisk_;
    std::optional<ReadOnlyFolder> readOnly_;
    bool holds_ = false;
};

QStringList DataFolderEntries(const ScratchDirectory& scratch) {
    return QDir(DataFolderPath(scratch.Path())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

class FaultInjectionTest : public ::testing::Test {
protected:
    void TearDown() override { ProcessDeletions(); }
    void WriteStartedTracker() {
        scratch.Write("initial.ini", kProfile);
        scratch.Write("option.ini", kOptions);
    }

    ScratchDirectory scratch;
    Program program;
    FakePlatform& platform = program.platform;
};

// The data files alone: a save that cannot be completed reports it and
// leaves the old file whole, never an empty or a cut one.
class FailedSaveTest : public FaultInjectionTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(FailedSaveTest, LeavesTheOldFilesWhole) {
    WriteStartedTracker();
    TrackerSettings changed;
    changed.quitYear = 2012;
    changed.blogUrl = std::string(5000, 'x');  // more than one buffer's worth
    bool profileSaved = true;
    bool optionsSaved = true;
    {
        ActiveFault fault(GetParam(), scratch);
        if (!fault.Holds()) GTEST_SKIP() << Name(GetParam()) << " cannot be made here";
        profileSaved = SaveProfile(changed, scratch.Path());
        optionsSaved = SaveOptions(changed, scratch.Path());
    }
    EXPECT_FALSE(profileSaved) << Name(GetParam());
    EXPECT_FALSE(optionsSaved) << Name(GetParam());
    EXPECT_EQ(scratch.Read("initial.ini"), kProfile) << Name(GetParam());
    EXPECT_EQ(scratch.Read("option.ini"), kOptions) << Name(GetParam());
    EXPECT_EQ(DataFolderEntries(scratch), QStringList({"initial.ini", "option.ini"})) << Name(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faults, FailedSaveTest,
                         ::testing::Values(Fault::FullDisk, Fault::ReadOnlyDataFolder, Fault::DataFolderMovedAway,
                                           Fault::DataFolderReplacedByAFile));

// The whole program on a started tracker, with the fault striking while the
// main window is open: the figures go on, the copy works, every save says it
// could not write, closing ends the program, and after the fault a restart
// finds the same quit moment.
class ProgramUnderFaultTest : public FaultInjectionTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(ProgramUnderFaultTest, KeepsWorkingAndLosesNothing) {
    WriteStartedTracker();
    platform.now = {2008, 10, 15, 12, 7};
    program.app.StartUp();
    {
        auto* mainWindow = VisibleWindow<MainWindow>("mainWindow");
        ASSERT_NE(mainWindow, nullptr);

        ActiveFault fault(GetParam(), scratch);
        if (!fault.Holds()) GTEST_SKIP() << Name(GetParam()) << " cannot be made here";

        platform.now = {2008, 10, 15, 12, 8};
        program.app.onTick();
        EXPECT_EQ(LabelText(mainWindow, "elapsedValue"), QStringLiteral("０年０ヶ月１０日３時間８分"));
        QTest::mouseClick(Find<QPushButton>(mainWindow, "copyButton"), Qt::LeftButton);
        EXPECT_TRUE(platform.clipboard.contains(QStringLiteral("ヨルマ日： 2008年 10月 5日")))
            << platform.clipboard.toStdString();

        // Every save the user causes says it failed: the windows' places as
        // they make way for the settings window, the settings, the close.
        QTest::mouseClick(Find<QPushButton>(mainWindow, "settingsButton"), Qt::LeftButton);
        ProcessDeletions();
        auto* settingsWindow = VisibleWindow<SettingsWindow>("settingsWindow");
        ASSERT_NE(settingsWindow, nullptr);
        EXPECT_EQ(platform.messages, QStringList{kDataFolderMessage});
        Find<QLineEdit>(settingsWindow, "cigarettesBox")->setText(QStringLiteral("30"));
        QTest::mouseClick(Find<QPushButton>(settingsWindow, "saveButton"), Qt::LeftButton);
        EXPECT_EQ(platform.messages.size(), 2);
        ASSERT_EQ(VisibleWindow("settingsWindow"), settingsWindow)
            << "the settings window stays open after a failed save";

        // Cancel: the main window comes back; what it cannot read it keeps from memory.
        QTest::mouseClick(Find<QPushButton>(settingsWindow, "cancelButton"), Qt::LeftButton);
        ProcessDeletions();
        mainWindow = VisibleWindow<MainWindow>("mainWindow");
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_EQ(LabelText(mainWindow, "elapsedValue"), QStringLiteral("０年０ヶ月１０日３時間８分"));

        mainWindow->move(300, 200);
        mainWindow->close();
        ProcessDeletions();
        EXPECT_TRUE(program.app.Ended());
        EXPECT_EQ(platform.messages, QStringList(3, kDataFolderMessage)) << "closing says so, once";
        if (GetParam() == Fault::DataFolderReplacedByAFile) {
            EXPECT_EQ(fault.InPlace(), ActiveFault::kInPlace);
        }
        if (GetParam() == Fault::DataFolderMovedAway) {
            EXPECT_FALSE(QFileInfo::exists(DataFolderPath(scratch.Path()))) << "no new data folder is made";
        }
    }
    EXPECT_EQ(scratch.Read("initial.ini"), kProfile);
    EXPECT_EQ(scratch.Read("option.ini"), kOptions);
    EXPECT_EQ(DataFolderEntries(scratch), QStringList({"initial.ini", "option.ini"}));

    Program restarted;
    restarted.platform.now = {2008, 10, 15, 12, 9};
    restarted.app.StartUp();
    auto* mainWindow = VisibleWindow<MainWindow>("mainWindow");
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_EQ(LabelText(mainWindow, "elapsedValue"), QStringLiteral("０年０ヶ月１０日３時間９分"));
    EXPECT_EQ(mainWindow->frameGeometry().topLeft(), QPoint(80, 60)) << "the position stored before the fault";
}

INSTANTIATE_TEST_SUITE_P(Faults, ProgramUnderFaultTest,
                         ::testing::Values(Fault::FullDisk, Fault::ReadOnlyDataFolder, Fault::DataFolderMovedAway,
                                           Fault::DataFolderReplacedByAFile));

// A current directory nobody may write into: no data folder can be made, so
// the first-run windows come, and starting still opens the main window. The
// start (on an ordinary day, or through the seasonal greeting) and the close
// each say that nothing could be saved.
class ReadOnlyFirstRunTest : public FaultInjectionTest, public ::testing::WithParamInterface<MomentParts> {};

TEST_P(ReadOnlyFirstRunTest, StillLeadsToTheMainWindowAndSaysNothingWasSaved) {
    ReadOnlyFolder readOnly(scratch.Path());
    if (!readOnly.Holds()) GTEST_SKIP() << "a read-only folder cannot be made here";
    platform.now = GetParam();
    program.app.StartUp();
    EXPECT_FALSE(QFileInfo::exists(DataFolderPath(scratch.Path())));
    QWidget* profileWindow = VisibleWindow("profileWindow");
    ASSERT_NE(profileWindow, nullptr);
    Find<QLineEdit>(profileWindow, "cigarettesBox")->setText(QStringLiteral("20"));
    Find<QLineEdit>(profileWindow, "priceBox")->setText(QStringLiteral("300"));
    QTest::keyClick(Find<QLineEdit>(profileWindow, "priceBox"), Qt::Key_Return);
    ProcessDeletions();
    QWidget* startConfirmation = VisibleWindow("startConfirmation");
    ASSERT_NE(startConfirmation, nullptr);
    QTest::keyClick(startConfirmation, Qt::Key_Return);
    ProcessDeletions();
    if (QWidget* seasonalGreeting = VisibleWindow("seasonalGreeting")) {
        QTest::keyClick(seasonalGreeting, Qt::Key_Return);
        ProcessDeletions();
    }
    EXPECT_EQ(platform.messages, QStringList{kDataFolderMessage});

    auto* mainWindow = VisibleWindow<MainWindow>("mainWindow");
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_EQ(LabelText(mainWindow, "elapsedValue"), QStringLiteral("０年０ヶ月０日０時間０分"));
    mainWindow->close();
    ProcessDeletions();
    EXPECT_TRUE(program.app.Ended());
    EXPECT_EQ(platform.messages, QStringList(2, kDataFolderMessage));
    EXPECT_TRUE(QDir(scratch.Path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

INSTANTIATE_TEST_SUITE_P(Days, ReadOnlyFirstRunTest,
                         ::testing::Values(MomentParts{2008, 10, 15, 12, 7}, MomentParts{2008, 12, 24, 12, 7}));

// The clock set back before the quit moment: the figures run negative, the
// windows and the copy go on working, and nothing but the window position
// is ever written.
struct ClockCase {
    const char* what;
    MomentParts now;
};

class ClockSetBackTest : public FaultInjectionTest, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(ClockSetBackTest, ShowsFiguresAndWritesNothingElse) {
    WriteStartedTracker();
    platform.now = GetParam().now;
    program.app.StartUp();
    auto* mainWindow = VisibleWindow<MainWindow>("mainWindow");
    ASSERT_NE(mainWindow, nullptr);
    // Elapsed time, life, money and cigarettes; no rank title applies before the quit moment.
    for (const char* label : {"elapsedValue", "lifeValue", "moneyValue", "cigarettesValue"}) {
        EXPECT_FALSE(LabelText(mainWindow, label).isEmpty()) << GetParam().what << ": " << label;
    }
    program.app.onTick();
    QTest::mouseClick(Find<QPushButton>(mainWindow, "copyButton"), Qt::LeftButton);
    EXPECT_EQ(platform.clipboard.count(QStringLiteral("\r\n")), 5) << GetParam().what << ": " << platform.clipboard.toStdString();
    EXPECT_TRUE(platform.clipboard.contains(QStringLiteral("ヨルマ日： 2008年 10月 5日")));

    mainWindow->close();
    ProcessDeletions();
    EXPECT_TRUE(program.app.Ended());
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(scratch.Read("initial.ini"), kProfile);
    EXPECT_EQ(scratch.Read("option.ini"), kOptions);
}

INSTANTIATE_TEST_SUITE_P(
    Clocks, ClockSetBackTest,
    ::testing::Values(ClockCase{"a minute before", {2008, 10, 5, 8, 59}},
                      ClockCase{"four days before", {2008, 10, 1, 12, 0}},
                      ClockCase{"the month before, past its end", {2008, 9, 30, 23, 59}},
                      ClockCase{"a century before", {1908, 10, 5, 9, 0}},
                      ClockCase{"the first day of year 1", {1, 1, 1, 0, 0}}));

}  // namespace
