// The program under faults of its surroundings, struck while it runs: a full
// disk, the data folder moved away or replaced by a file.
// Every save says it failed and leaves the old files whole; the figures, the
// copy and closing go on working; a restart finds what was saved before.

#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>

#include <sys/resource.h>

#include <csignal>

#include "app/Messages.h"
#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"

namespace {

// No regular file of this process can grow: every write fails as on a full
// disk. The signal such a write raises is ignored, as the program's own platform does.
class FullDisk {
public:
    FullDisk() : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit none{0, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    void (*handler_)(int);
    rlimit previous_{};
};

enum class Fault { FullDisk, DataFolderMovedAway, DataFolderReplacedByAFile };

class FaultInjectionTest : public ::testing::TestWithParam<Fault> {
protected:
    void TearDown() override { ProcessDeletions(); }
    // Switches the fault on until the returned value goes; false when it cannot be made here.
    bool Strike(std::optional<FullDisk>& fullDisk) {
        const QString folder = DataFolderPath(scratch.Path());
        switch (GetParam()) {
            case Fault::FullDisk: return fullDisk.emplace(), true;
            case Fault::DataFolderMovedAway: return QDir().rename(folder, folder + "-away");
            case Fault::DataFolderReplacedByAFile: {
                QFile file(folder);
                return QDir().rename(folder, folder + "-away") && file.open(QIODevice::WriteOnly) && file.write("x") == 1;
            }
        }
        return false;
    }
    void Heal() {
        const QString folder = DataFolderPath(scratch.Path());
        if (QFileInfo(folder).isFile()) QFile::remove(folder);
        QDir().rename(folder + "-away", folder);
    }
    ScratchDirectory scratch;
};

TEST_P(FaultInjectionTest, SavesFailWithoutHarmAndTheProgramGoesOn) {
    scratch.WriteStartedTracker();
    Program program;
    FakePlatform& platform = program.platform;
    program.app.StartUp();
    {
        std::optional<FullDisk> fullDisk;
        if (!Strike(fullDisk)) GTEST_SKIP() << "the fault cannot be made here";
        TrackerSettings changed{.quitYear = 2012, .blogUrl = std::string(5000, 'x')};  // more than a buffer's worth
        EXPECT_FALSE(SaveProfile(changed, scratch.Path()));
        EXPECT_FALSE(SaveOptions(changed, scratch.Path()));
        program.app.CopyReport();
        EXPECT_TRUE(platform.clipboard.contains(QStringLiteral("ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分")));
        program.app.OpenSettings();  // stores the windows' places first
        SettingsForm form{{"2008", "10", "5", "9", "0"}, "30", "300", 1, "", "ソルジャー", 0, true, "8744", "5", "5"};
        program.app.SaveSettings(form);
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
                         ::testing::Values(Fault::FullDisk, Fault::DataFolderMovedAway, Fault::DataFolderReplacedByAFile));

}  // namespace
