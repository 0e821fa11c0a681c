// The data files on Windows: written and read in the system's ANSI code page,
// Shift-JIS (932) on a Japanese desktop, in folders with Japanese names.
// Built for Windows only; run under wine once with code page 1252 and once
// with 932. YORUMA_EXPECT_ACP, when set, names the code page the run is for,
// so that a run meant for 932 cannot quietly run with another one.

#include <windows.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>

#include <gtest/gtest.h>

#include "storage/DataFiles.h"
#include "support/DataFolder.h"

namespace {

// "ソルジャー" in Shift-JIS; the second byte of ソ is a backslash.
const QByteArray kSoldierShiftJis("\x83\x5C\x83\x8B\x83\x57\x83\x83\x81\x5B", 10);

bool ShiftJisSystem() { return GetACP() == 932; }

TEST(WindowsCodePage, IsTheOneTheRunIsFor) {
    const QByteArray expected = qgetenv("YORUMA_EXPECT_ACP");
    if (expected.isEmpty()) GTEST_SKIP() << "YORUMA_EXPECT_ACP not set; the code page is " << GetACP();
    EXPECT_EQ(GetACP(), expected.toUInt());
}

class WindowsDataFilesTest : public ::testing::Test {
protected:
    void SetUp() override { QDir(scratch.Path()).mkpath("yorumadata"); }
    ScratchDirectory scratch;
};

TEST_F(WindowsDataFilesTest, OptionsHoldTheStatusModeInShiftJis) {
    if (!ShiftJisSystem()) GTEST_SKIP() << "code page " << GetACP() << " has no Japanese";
    TrackerSettings settings;
    settings.statusMode = "ソルジャー";
    ASSERT_TRUE(SaveOptions(settings, scratch.Path()));
    const QByteArray bytes = scratch.Read("option.ini");
    EXPECT_TRUE(bytes.endsWith(",\"" + kSoldierShiftJis + "\"\r\n")) << bytes.toHex(' ').toStdString();
    EXPECT_FALSE(bytes.contains(QByteArray("ソルジャー"))) << "written as UTF-8";
}

TEST_F(WindowsDataFilesTest, OptionsWrittenHereReadBackIntact) {
    if (!ShiftJisSystem()) GTEST_SKIP() << "code page " << GetACP() << " has no Japanese";
    TrackerSettings written;
    written.statusMode = "ソルジャー";
    written.blogUrl = "ヨルマ.example.jp/表示";  // 表 ends in 0x5C too
    ASSERT_TRUE(SaveOptions(written, scratch.Path()));
    TrackerSettings read;
    read.statusMode.clear();
    read.blogUrl.clear();
    ASSERT_EQ(LoadOptions(read, scratch.Path()), LoadResult::Complete);
    EXPECT_EQ(read.statusMode, "ソルジャー");
    EXPECT_EQ(read.blogUrl, "ヨルマ.example.jp/表示");
}

TEST_F(WindowsDataFilesTest, ReadsAShiftJisFileFromAnotherCopy) {
    if (!ShiftJisSystem()) GTEST_SKIP() << "code page " << GetACP() << " has no Japanese";
    scratch.Write("option.ini",
                  "1,8744,5,0,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"" + kSoldierShiftJis + "\"\r\n");
    TrackerSettings read;
    read.statusMode.clear();
    ASSERT_EQ(LoadOptions(read, scratch.Path()), LoadResult::Complete);
    EXPECT_EQ(read.statusMode, "ソルジャー");
    EXPECT_EQ(read.mainLeft, 1200);
}

TEST_F(WindowsDataFilesTest, AUtf8FileFromAnotherSystemReadsIntact) {
    scratch.Write("option.ini",
                  QByteArray("1,8744,5,0,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"") + "ソルジャー" + "\"\r\n");
    TrackerSettings read;
    read.statusMode.clear();
    ASSERT_EQ(LoadOptions(read, scratch.Path()), LoadResult::Complete);
    EXPECT_EQ(read.statusMode, "ソルジャー");
}

// A Western Windows has no Japanese in its code page: the words must not
// turn into question marks (the rank would vanish at the next start).
TEST_F(WindowsDataFilesTest, WithoutJapaneseInTheCodePageTheTextIsKeptInUtf8) {
    if (ShiftJisSystem()) GTEST_SKIP() << "code page 932 holds Japanese";
    TrackerSettings written;
    written.statusMode = "ソルジャー";
    written.blogUrl = "caf\xC3\xA9.example";  // é, which code page 1252 does hold
    ASSERT_TRUE(SaveOptions(written, scratch.Path()));
    const QByteArray bytes = scratch.Read("option.ini");
    EXPECT_TRUE(bytes.endsWith(",\"ソルジャー\"\r\n")) << bytes.toHex(' ').toStdString();
    TrackerSettings read;
    ASSERT_EQ(LoadOptions(read, scratch.Path()), LoadResult::Complete);
    EXPECT_EQ(read.statusMode, "ソルジャー");
    EXPECT_EQ(read.blogUrl, written.blogUrl);
}

TEST_F(WindowsDataFilesTest, TextTheCodePageHoldsIsWrittenInIt) {
    if (GetACP() != 1252) GTEST_SKIP() << "for code page 1252";
    TrackerSettings written;
    written.blogUrl = "caf\xC3\xA9.example";
    written.statusMode = "soldier";  // the line holds nothing the code page lacks
    ASSERT_TRUE(SaveOptions(written, scratch.Path()));
    EXPECT_TRUE(scratch.Read("option.ini").contains(",\"caf\xE9.example\","));
    TrackerSettings read;
    ASSERT_EQ(LoadOptions(read, scratch.Path()), LoadResult::Complete);
    EXPECT_EQ(read.blogUrl, written.blogUrl);
}

// Whatever the code page, the program's folder may have a Japanese name.
TEST_F(WindowsDataFilesTest, WorksInAFolderWithAJapaneseName) {
    const QString folder = scratch.Path() + QStringLiteral("/ヨルマ式のデータ");
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/yorumadata")));
    TrackerSettings written;
    written.quitYear = 2008;
    written.mainLeft = 1500;
    ASSERT_TRUE(SaveProfile(written, folder));
    ASSERT_TRUE(SaveOptions(written, folder));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/yorumadata/initial.ini")));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/yorumadata/option.ini")));
    // The folder is there under its own name, not under a mangled one.
    const QStringList folders = QDir(scratch.Path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_TRUE(folders.contains(QStringLiteral("ヨルマ式のデータ"))) << folders.join(u' ').toStdString();
    TrackerSettings read;
    ASSERT_EQ(LoadProfile(read, folder), LoadResult::Complete);
    ASSERT_EQ(LoadOptions(read, folder), LoadResult::Complete);
    EXPECT_EQ(read.quitYear, 2008);
    EXPECT_EQ(read.mainLeft, 1500);
}

// The program takes its folder from the current directory.
TEST_F(WindowsDataFilesTest, CurrentDirectoryWithAJapaneseNameIsKept) {
    const QString folder = scratch.Path() + QStringLiteral("/禁煙 ソルジャー");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QDir::setCurrent(folder));
    EXPECT_EQ(QDir::currentPath(), QDir(folder).absolutePath());
    wchar_t native[MAX_PATH] = {};
    ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, native), 0u);
    EXPECT_TRUE(QString::fromWCharArray(native).endsWith(QStringLiteral("\\禁煙 ソルジャー")));
}

}  // namespace
