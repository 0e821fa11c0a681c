// The program under faults of its surroundings, struck while it runs: a full
// disk, the data folder moved away or replaced by a file, a disk that fails
// to replace "option.ini" (so that the settings save must put "initial.ini"
// back). Every save says it failed and leaves the old files whole; the
// figures, the copy and closing go on working; a restart finds what was saved
// before. And a kill at any step of a save that writes a file over itself.

#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>

#include <gtest/gtest.h>

#include <optional>

#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/Messages.h"
#include "support/Program.h"
#include "support/ScratchDirectory.h"
#include "support/WidgetFinders.h"
#include "ui/QtPlatform.h"
#include "ui/SettingsWindow.h"

namespace {

// The name onto which every rename fails as on a failing disk, while set
// (calls from the program's own libraries reach this one first).
const char* failRenamesOnto = nullptr;

}  // namespace

extern "C" int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    static const auto next =
        reinterpret_cast<int (*)(int, const char*, int, const char*)>(dlsym(RTLD_NEXT, "renameat"));
    if (failRenamesOnto != nullptr && std::strcmp(to, failRenamesOnto) == 0) {
        errno = EIO;
        return -1;
    }
    return next(fromFolder, from, toFolder, to);
}

namespace {

// No regular file of this process can grow: every write fails as on a full
// disk. The signal such a write raises would end the process; the program's
// own platform ignores it, so that the write fails instead.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit none{0, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &previous_); }

private:
    QtPlatform platform_;
    rlimit previous_{};
};

enum class Fault { FullDisk, DataFolderMovedAway, DataFolderReplacedByAFile, OptionsCannotBeReplaced };

// Also the name of the fault's test.
void PrintTo(Fault fault, std::ostream* os) {
    const char* names[] = {"FullDisk", "DataFolderMovedAway", "DataFolderReplacedByAFile", "OptionsCannotBeReplaced"};
    *os << names[static_cast<int>(fault)];
}

class FaultInjectionTest : public ::testing::TestWithParam<Fault> {
protected:
    void TearDown() override { ProcessDeletions(); }
    // Switches the fault on until the returned value goes; false when it cannot be made here.
    bool Strike(std::optional<FullDisk>& fullDisk) {
        const QString folder = DataFolderPath(scratch.Path());
        switch (GetParam()) {
            case Fault::FullDisk: fullDisk.emplace(); return true;
            case Fault::DataFolderMovedAway: return QDir().rename(folder, folder + "-away");
            case Fault::DataFolderReplacedByAFile: {
                QFile file(folder);
                return QDir().rename(folder, folder + "-away") && file.open(QIODevice::WriteOnly) &&
                       file.write("x") == 1;
            }
            case Fault::OptionsCannotBeReplaced: failRenamesOnto = "option.ini"; return true;
        }
        return false;
    }
    void Heal() {
        failRenamesOnto = nullptr;
        const QString folder = DataFolderPath(scratch.Path());
        if (QFileInfo(folder).isFile()) QFile::remove(folder);
        QDir().rename(folder + "-away", folder);
    }
    ScratchDirectory scratch;
};

TEST_P(FaultInjectionTest, SavesFailWithoutHarmAndTheProgramGoesOn) {
    scratch.WriteStartedTracker();
    Program program{scratch.Path()};
    FakePlatform& platform = program.platform;
    program.app.StartUp();
    {
        std::optional<FullDisk> fullDisk;
        if (!Strike(fullDisk)) GTEST_SKIP() << "the fault cannot be made here";
        program.app.CopyReport();
        EXPECT_TRUE(platform.clipboard.contains(QStringLiteral("ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分")));
        program.app.OpenSettings();  // stores the windows' places first
        auto* settings = program.Loaded<SettingsWindow>(Window::Settings);
        Find<QLineEdit>(settings, "cigarettesBox")->setText("30");
        settings->OnSave();
        ProcessDeletions();
        EXPECT_TRUE(program.windows.IsOpen(Window::Settings)) << "the settings window stays open after a failed save";
        program.app.CancelSettings();
        program.app.Exit();
        ProcessDeletions();
        EXPECT_TRUE(program.app.Ended());
        EXPECT_EQ(platform.messages, QStringList(3, kDataFolderMessage));
        EXPECT_EQ(GetParam() == Fault::DataFolderMovedAway, !QFileInfo::exists(DataFolderPath(scratch.Path())));
    }
    Heal();
    EXPECT_EQ(scratch.Read("initial.ini"), kStartedProfile);
    EXPECT_EQ(scratch.Read("option.ini"), kStartedOptions);
    EXPECT_EQ(QDir(DataFolderPath(scratch.Path())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"initial.ini", "option.ini"}));
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultInjectionTest,
                         ::testing::Values(Fault::FullDisk, Fault::DataFolderMovedAway,
                                           Fault::DataFolderReplacedByAFile, Fault::OptionsCannotBeReplaced),
                         ::testing::PrintToStringParamName());

// In a folder the user may not write (mode 555) a save goes into the file
// itself. The save program kills itself at each step of its first save in
// turn; every step leaves the old line or the new one first in each file.
TEST(InPlaceSave, AKillAtAnyStepLeavesAWholeLine) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write a folder of mode 555 (storage_tests_as_nobody runs it)";
    ScratchDirectory scratch;
    const QByteArray folder = QFile::encodeName(DataFolderPath(scratch.Path()));
    for (int step = 1; step <= 8; ++step) {
        chmod(folder.constData(), 0755);
        scratch.Write("initial.ini", kStartedProfile);
        scratch.Write("option.ini", QByteArray(kStartedOptions).replace("\"\"", "\"" + QByteArray(300, 'a') + "\""));
        chmod(folder.constData(), 0555);
        QProcess storm;
        storm.setWorkingDirectory(scratch.Path());
        storm.setEnvironment(QProcess::systemEnvironment() << "YORUMA_KILL_AT_STEP=" + QString::number(step));
        storm.start(QStringLiteral(SAVE_STORM_PATH), {"1000000"});
        ASSERT_TRUE(storm.waitForFinished(20000));
        EXPECT_EQ(storm.exitStatus(), QProcess::CrashExit) << "never reached step " << step;
        for (const char* file : {"initial.ini", "option.ini"}) {
            EXPECT_TRUE(HoldsAWholeLine(scratch, file))
                << "step " << step << ": " << scratch.Read(file).left(80).constData();
        }
    }
    chmod(folder.constData(), 0755);
}

}  // namespace
