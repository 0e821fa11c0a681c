#include "storage/DataFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "support/ScratchDirectory.h"

using namespace DataFiles;

namespace {

// Fields before the damage are taken; the rest keep what the record held.
TEST(DataFiles, DamagedOptionsAreReadAsFarAsTheyGo) {
    // The file, what its load finds and how many of its leading fields it takes.
    const std::tuple<QByteArray, LoadResult, int> files[] = {
        {"1,8744,5,0,5,1,0,0,0,0,\"\",2,0,0,\"x\"", LoadResult::Complete, 15},
        {"  1, 8744 ,5,0,5,1,0,0,0,0, \"a b\" ,2,0,0,  \"x\",9\r\n", LoadResult::Complete, 15},
        {"1,8744,5,0,5,1,0,0,0,0,\"\",2,0,0,\r\n", LoadResult::Complete, 15},
        {"1,8744,5,0,5,1,0,0,0,0,\"\",2,0,0\r\n", LoadResult::Incomplete, 14},
        {"", LoadResult::Incomplete, 0},
        {"1,87", LoadResult::Incomplete, 2},
        {"1,87x4,5", LoadResult::Incomplete, 1},
        {"1,2147483648,5", LoadResult::Incomplete, 1},
        {"1,8744,5,0,5,1,0,0,0,0,\"abc,2,0,0,\"x\"", LoadResult::Incomplete, 11},
        {QByteArray("1,8744\0,5", 9), LoadResult::Incomplete, 1},
        {"1,8744," + QByteArray(5 << 20, '7'), LoadResult::Incomplete, 2},
        {"1,8744\r\n5,0,5,1,0,0,0,0,\"\",2,0,0,\"x\"\r\n", LoadResult::Incomplete, 2},
        {"\n1,8744,5,0,5,1,0,0,0,0,\"\",2,0,0,\"x\"\r\n", LoadResult::Incomplete, 0},
#ifndef _WIN32  // there, such bytes are text in the system's code page
        {"1,8744,5,0,5,1,0,0,0,0,\"\xff\xfe\",2,0,0,\"\xc3\"\r\n", LoadResult::Unreadable, 0},
#endif
    };
    ScratchDirectory scratch;
    const DataDirectory folder(scratch.Path());
    for (const auto& [content, result, fieldsTaken] : files) {
        SCOPED_TRACE(content.left(60).toStdString());
        scratch.Write("option.ini", content);
        TrackerSettings s{.setupDone = 7, .tobaccoTaxPer1000 = 7, .statusMode = "before"};
        EXPECT_EQ(LoadOptions(s, folder), result);
        EXPECT_EQ(std::tuple(s.setupDone == 7, s.tobaccoTaxPer1000 == 7, s.statusMode == "before"),
                  std::tuple(fieldsTaken < 1, fieldsTaken < 2, fieldsTaken < 15));
    }
    // Blanks around a quoted text are not part of it, nor are byte-order marks at its start.
    scratch.Write("option.ini",
                  "1,8744,5,0,5,1,0,0,0,0,  \"\xEF\xBB\xBF\xEF\xBB\xBF"
                  "a b\" ,2,0,0,\t\"x\"\r\n");
    TrackerSettings read;
    ASSERT_EQ(LoadOptions(read, folder), LoadResult::Complete);
    EXPECT_EQ(std::pair(read.blogUrl, read.statusMode), std::pair(std::string("a b"), std::string("x")));
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
