#include <QFile>

#include <gtest/gtest.h>

#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"

namespace {

const QByteArray kProfile = "2008,10,5,9,0,20,300,85\r\n";

QString Options(int setupDone, int windowMode) {
    return QStringLiteral("%1,8744,5,0,5,1,1200,900,9241372,16777215,\"\",%2,0,0,\"ソルジャー\"\r\n")
        .arg(setupDone)
        .arg(windowMode);
}

class StartUpTest : public ::testing::Test {
protected:
    void TearDown() override { ProcessDeletions(); }

    ScratchDirectory scratch;
    Program program;
    FakePlatform& platform = program.platform;
};

TEST_F(StartUpTest, FirstStartCreatesBothFilesAndAsksForTheProfile) {
    platform.now = {2008, 10, 18, 21, 30};
    program.app.StartUp();
    EXPECT_EQ(scratch.Read("initial.ini"), QByteArray("2008,10,18,21,30,20,300,85\r\n"));
    EXPECT_TRUE(scratch.Read("option.ini").startsWith("0,8744,5,0,5,1,0,0,9241372,16777215,\""));
    EXPECT_TRUE(scratch.ReadText("option.ini").endsWith(QStringLiteral("\",2,0,0,\"ソルジャー\"\r\n")));
    EXPECT_NE(VisibleWindow("profileWindow"), nullptr);
    EXPECT_EQ(program.windows.Loaded(Window::Main), nullptr);
}

TEST_F(StartUpTest, AnExistingProfileIsLeftAlone) {
    scratch.Write("initial.ini", "garbage that is never read here");
    program.app.StartUp();
    EXPECT_EQ(scratch.Read("initial.ini"), QByteArray("garbage that is never read here"));
}

struct WindowModeCase {
    int setupDone;
    int windowMode;
    bool mainWindowShown;
};

class StartUpWindowTest : public StartUpTest, public ::testing::WithParamInterface<WindowModeCase> {};

TEST_P(StartUpWindowTest, OpensTheWindowTheSettingsName) {
    scratch.Write("initial.ini", kProfile);
    scratch.WriteText("option.ini", Options(GetParam().setupDone, GetParam().windowMode));
    program.app.StartUp();
    EXPECT_EQ(VisibleWindow("mainWindow") != nullptr, GetParam().mainWindowShown);
    EXPECT_EQ(VisibleWindow("profileWindow") != nullptr, !GetParam().mainWindowShown);
}

INSTANTIATE_TEST_SUITE_P(Settings, StartUpWindowTest,
                         ::testing::Values(WindowModeCase{1, 2, true}, WindowModeCase{1, 0, true},
                                           WindowModeCase{5, 2, true}, WindowModeCase{0, 2, false}));

TEST_F(StartUpTest, AShortOptionsFileSendsTheUserBackToTheFirstRunAndIsKept) {
    scratch.Write("initial.ini", kProfile);
    const QByteArray fourteen = "1,8744,5,0,5,1,1200,900,9241372,16777215,\"\",1,0,0\r\n";
    scratch.Write("option.ini", fourteen);
    program.app.StartUp();
    EXPECT_EQ(program.app.Settings().setupDone, 0);
    EXPECT_EQ(program.app.Settings().windowMode, 2);
    EXPECT_EQ(program.app.Settings().statusMode, "ソルジャー");
    EXPECT_NE(VisibleWindow("profileWindow"), nullptr);
    EXPECT_EQ(scratch.Read("option.ini"), fourteen);
}

TEST_F(StartUpTest, ASecondCopyIsRefusedAndEnds) {
    scratch.Write("initial.ini", kProfile);
    scratch.WriteText("option.ini", Options(1, 2));
    platform.anotherCopy = true;
    program.app.StartUp();
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("プログラムは既に起動されています。")});
    EXPECT_TRUE(program.app.Ended());
    EXPECT_EQ(VisibleWindow("mainWindow"), nullptr);
    EXPECT_EQ(scratch.ReadText("option.ini"), Options(1, 2));
}

TEST_F(StartUpTest, ASecondCopyIsRefusedAtTheFirstRunWindowToo) {
    platform.anotherCopy = true;
    program.app.StartUp();
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("プログラムは既に起動されています。")});
    EXPECT_TRUE(program.app.Ended());
    EXPECT_EQ(VisibleWindow("profileWindow"), nullptr);
}

TEST_F(StartUpTest, AReadOnlyDirectoryStillOpensTheFirstRunWindow) {
    QFile::setPermissions(scratch.Path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    program.app.StartUp();
    QFile::setPermissions(scratch.Path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(program.app.Settings().setupDone, 0);
    EXPECT_NE(VisibleWindow("profileWindow"), nullptr);
    EXPECT_TRUE(platform.messages.isEmpty());
}

}  // namespace
