#include "storage/DataFiles.h"

#include <gtest/gtest.h>

#include <array>

#include "support/GoldenTable.h"
#include "support/ScratchDirectory.h"

using namespace DataFiles;

namespace {

// The load's findings by name, as the tables write them.
constexpr std::array<const char*, 5> kLoadResultNames{"Complete", "Incomplete", "NotOpened", "Unreadable", "Refused"};

// Loads `file` as "option.ini" over a record that holds 7 and "before" where the
// file's fields would go: what the load finds, then the fields it took or kept.
GoldenResults LoadedOverARecord(const QByteArray& file) {
    ScratchDirectory scratch;
    scratch.Write("option.ini", file);
    TrackerSettings s{.setupDone = 7, .tobaccoTaxPer1000 = 7, .blogUrl = "before", .statusMode = "before"};
    const LoadResult result = LoadOptions(s, DataDirectory(scratch.Path()));
    return Results(kLoadResultNames.at(static_cast<std::size_t>(result)), s.setupDone, s.tobaccoTaxPer1000, s.blogUrl,
                   s.statusMode);
}

// The cases stand in tests/golden/storage/DamagedOptions.txt.
TEST(DataFiles, DamagedOptionsAreReadAsFarAsTheyGo) {
    CheckGoldenTable("storage/DamagedOptions.txt", [](const GoldenRow& row) {
#ifdef _WIN32
        if (row.Text("system") == "notWindows") throw GoldenRowSkipped("such bytes are text in the system's code page");
#endif
        return LoadedOverARecord(QByteArray::fromPercentEncoding(QByteArray::fromStdString(row.Text("file"))));
    });
}

// Reading stops long before the end of a line longer than any the program writes.
TEST(DataFiles, AnOverlongFieldIsNotTaken) {
    EXPECT_EQ(LoadedOverARecord("1,8744," + QByteArray(5 << 20, '7')),
              Results("Incomplete", 1, 8744, "before", "before"));
}

#ifndef _WIN32  // there, such bytes are text in the system's code page
// "option.ini" of the Windows program, in Shift-JIS, is read as such and written back in UTF-8.
TEST(DataFiles, ShiftJisOptionsAreReadAndWrittenBackInUtf8) {
    ScratchDirectory scratch;
    DataDirectory folder(scratch.Path());
    // "日記" and "ソルジャー" in Shift-JIS.
    scratch.Write("option.ini",
                  "1,8744,5,1,5,1,1200,900,9241372,16777215,\"example.jp/\x93\xfa\x8b\x4c\",2,0,0,\""
                  "\x83\x5c\x83\x8b\x83\x57\x83\x83\x81\x5b\"\r\n");
    TrackerSettings read;
    ASSERT_EQ(LoadOptions(read, folder), LoadResult::Complete);
    ASSERT_TRUE(SaveOptions(read, folder) && SaveProfile(read, folder));
    // A file the program makes anew is the user's alone.
    EXPECT_EQ(QFile::permissions(scratch.DataFile("initial.ini")) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(scratch.ReadText("option.ini"),
              "1,8744,5,1,5,1,1200,900,9241372,16777215,\"example.jp/日記\",2,0,0,\"ソルジャー\"\r\n");
}
#endif

}  // namespace
