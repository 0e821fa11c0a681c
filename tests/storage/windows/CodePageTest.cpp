// The data files on Windows: written and read in the system's ANSI code page,
// Shift-JIS (932) on a Japanese desktop.
// Built for Windows only; run under wine once with code page 1252 and once
// with 932. YORUMA_EXPECT_ACP, when set, names the code page the run is for,
// so that a run meant for 932 cannot quietly run with another one.

#include <windows.h>

#include <QDir>

#include <gtest/gtest.h>

#include "storage/DataFiles.h"
#include "support/ScratchDirectory.h"

using namespace DataFiles;

namespace {

// "ソルジャー" in Shift-JIS; the second byte of ソ is a backslash.
const QByteArray kSoldierShiftJis("\x83\x5C\x83\x8B\x83\x57\x83\x83\x81\x5B", 10);

TEST(WindowsCodePage, IsTheOneTheRunIsFor) {
    const QByteArray expected = qgetenv("YORUMA_EXPECT_ACP");
    if (expected.isEmpty()) GTEST_SKIP() << "YORUMA_EXPECT_ACP not set; the code page is " << GetACP();
    EXPECT_EQ(GetACP(), expected.toUInt());
}

// Text goes into the file in the code page where it holds all of it, in UTF-8
// otherwise (a Western Windows: the rank would turn into question marks), and
// reads back as it was written.
TEST(WindowsCodePage, OptionsAreWrittenInTheCodePageThatHoldsThemAndReadBack) {
    // Whether the row is for this run's code page, the address and the rank
    // mode saved, and how the file then ends.
    const std::tuple<bool, std::string, std::string, QByteArray> cases[] = {
        {GetACP() == 932, "ヨルマ.example.jp/表示", "ソルジャー",
         ",\"" + kSoldierShiftJis + "\"\r\n"},  // 表 ends in 0x5C too
        {GetACP() != 932, "caf\xC3\xA9.example", "ソルジャー", ",\"ソルジャー\"\r\n"},
        {GetACP() == 1252, "caf\xC3\xA9.example", "soldier", "\"caf\xE9.example\",2,0,0,\"soldier\"\r\n"},
    };
    for (const auto& [forThisCodePage, blogUrl, statusMode, fileEnd] : cases) {
        if (!forThisCodePage) continue;
        ScratchDirectory scratch;
        DataDirectory folder(scratch.Path());
        ASSERT_TRUE(SaveOptions({.blogUrl = blogUrl, .statusMode = statusMode}, folder));
        EXPECT_TRUE(scratch.Read("option.ini").endsWith(fileEnd))
            << scratch.Read("option.ini").toHex(' ').toStdString();
        TrackerSettings read;
        ASSERT_EQ(LoadOptions(read, folder), LoadResult::Complete);
        EXPECT_EQ(std::pair(read.blogUrl, read.statusMode), std::pair(blogUrl, statusMode));
    }
}

}  // namespace
