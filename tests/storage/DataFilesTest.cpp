#include "storage/DataFiles.h"

#include <QFile>
#include <QFileDevice>

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "support/DataFolder.h"

namespace {

TrackerSettings Sample() {
    TrackerSettings s;
    s.quitYear = 2008;
    s.quitMonth = 10;
    s.quitDay = 18;
    s.quitHour = 21;
    s.quitMinute = 30;
    s.setupDone = 1;
    s.mainLeft = 1200;
    s.mainTop = 900;
    s.blogUrl = "";
    return s;
}

class DataFilesTest : public ::testing::Test {
protected:
    void SetUp() override { QDir(scratch.Path()).mkpath("yorumadata"); }
    ScratchDirectory scratch;
};

TEST_F(DataFilesTest, WritesTheProfileAsOneLine) {
    ASSERT_TRUE(SaveProfile(Sample(), scratch.Path()));
    EXPECT_EQ(scratch.Read("initial.ini"), QByteArray("2008,10,18,21,30,20,300,85\r\n"));
}

TEST_F(DataFilesTest, WritesTheOptionsInFileOrder) {
    TrackerSettings s = Sample();
    s.windowMode = 2;
    ASSERT_TRUE(SaveOptions(s, scratch.Path()));
    EXPECT_EQ(scratch.ReadText("option.ini"),
              QStringLiteral("1,8744,5,0,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"ソルジャー\"\r\n"));
}

TEST_F(DataFilesTest, NumbersHaveNoLeadingZerosAndNegativesTheirSign) {
    TrackerSettings s = Sample();
    s.quitYear = 2008;
    s.quitMonth = 1;
    s.quitDay = 3;
    s.quitHour = 9;
    s.quitMinute = 5;
    s.cigarettesPerDay = -4;
    ASSERT_TRUE(SaveProfile(s, scratch.Path()));
    EXPECT_TRUE(scratch.Read("initial.ini").startsWith("2008,1,3,9,5,-4,"));
}

TEST_F(DataFilesTest, EverySettingSurvivesARoundTrip) {
    TrackerSettings s = Sample();
    s.blogUrl = "example.jp/a,b,c?x=1&y=２";  // a comma stays inside the quotes
    s.statusMode = "コスモ";
    s.backColor = 0;                         // pure black
    s.textColor = 255;
    s.mainLeft = -300;
    s.miniLeft = std::numeric_limits<std::int32_t>::max();
    s.miniTop = std::numeric_limits<std::int32_t>::min();
    ASSERT_TRUE(SaveProfile(s, scratch.Path()));
    ASSERT_TRUE(SaveOptions(s, scratch.Path()));

    TrackerSettings read;
    read.quitYear = 1;
    EXPECT_EQ(LoadProfile(read, scratch.Path()), LoadResult::Complete);
    EXPECT_EQ(LoadOptions(read, scratch.Path()), LoadResult::Complete);
    EXPECT_EQ(read, s);
}

TEST_F(DataFilesTest, ADoubleQuoteNeverBreaksTheLine) {
    TrackerSettings s = Sample();
    s.blogUrl = "a\"b";
    ASSERT_TRUE(SaveOptions(s, scratch.Path()));
    TrackerSettings read;
    EXPECT_EQ(LoadOptions(read, scratch.Path()), LoadResult::Complete);
    EXPECT_EQ(read.blogUrl, "ab");
    EXPECT_EQ(read.statusMode, "ソルジャー");
}

TEST_F(DataFilesTest, MissingFileIsNotOpenedAndChangesNothing) {
    TrackerSettings s = Sample();
    EXPECT_EQ(LoadProfile(s, scratch.Path()), LoadResult::NotOpened);
    EXPECT_EQ(LoadOptions(s, scratch.Path()), LoadResult::NotOpened);
    EXPECT_EQ(s, Sample());
}

struct DamagedCase {
    const char* name;
    QByteArray content;
    LoadResult expected;
    int fieldsTaken;  // leading option fields that come from the file
};

class DamagedOptionsTest : public DataFilesTest, public ::testing::WithParamInterface<DamagedCase> {};

// Fields before the damage are taken; the rest keep what the record held.
TEST_P(DamagedOptionsTest, ReadsWhatItCanAndReportsTheRest) {
    const DamagedCase& c = GetParam();
    scratch.Write("option.ini", c.content);
    TrackerSettings s;
    s.setupDone = 7;
    s.tobaccoTaxPer1000 = 7;
    s.statusMode = "before";
    EXPECT_EQ(LoadOptions(s, scratch.Path()), c.expected);
    EXPECT_EQ(s.setupDone == 7, c.fieldsTaken < 1) << c.name;
    EXPECT_EQ(s.tobaccoTaxPer1000 == 7, c.fieldsTaken < 2) << c.name;
    EXPECT_EQ(s.statusMode == "before", c.fieldsTaken < 15) << c.name;
}

const std::vector<DamagedCase> kDamagedOptions = {
    DamagedCase{"complete", "1,8744,5,0,5,1,0,0,0,0,\"\",2,0,0,\"x\"\r\n", LoadResult::Complete, 15},
    DamagedCase{"no line end", "1,8744,5,0,5,1,0,0,0,0,\"\",2,0,0,\"x\"", LoadResult::Complete, 15},
    DamagedCase{"blanks", "  1, 8744 ,5,0,5,1,0,0,0,0, \"a b\" ,2,0,0,  \"x\"\r\n", LoadResult::Complete, 15},
    DamagedCase{"extra fields", "1,8744,5,0,5,1,0,0,0,0,\"\",2,0,0,\"x\",9,9\r\n", LoadResult::Complete, 15},
    DamagedCase{"fourteen fields", "1,8744,5,0,5,1,0,0,0,0,\"\",2,0,0\r\n", LoadResult::Incomplete, 14},
    DamagedCase{"empty", "", LoadResult::Incomplete, 0},
    DamagedCase{"empty last text", "1,8744,5,0,5,1,0,0,0,0,\"\",2,0,0,\r\n", LoadResult::Complete, 15},
    DamagedCase{"torn", "1,87", LoadResult::Incomplete, 2},
    DamagedCase{"letters in a number", "1,87x4,5", LoadResult::Incomplete, 1},
    DamagedCase{"beyond 32 bits", "1,2147483648,5", LoadResult::Incomplete, 1},
    DamagedCase{"unterminated quote", "1,8744,5,0,5,1,0,0,0,0,\"abc,2,0,0,\"x\"", LoadResult::Incomplete, 11},
    DamagedCase{"NUL bytes", QByteArray("1,8744\0,5", 9), LoadResult::Incomplete, 1},
    DamagedCase{"second line ignored", "1,8744\r\n5,0,5,1,0,0,0,0,\"\",2,0,0,\"x\"\r\n", LoadResult::Incomplete, 2},
#ifndef _WIN32
    // Neither UTF-8 nor Shift-JIS: nothing is guessed, nothing taken. (On
    // Windows such bytes are text in the system's code page.)
    DamagedCase{"invalid UTF-8", "1,8744,5,0,5,1,0,0,0,0,\"\xff\xfe\",2,0,0,\"\xc3\"\r\n", LoadResult::Unreadable, 0},
    DamagedCase{"binary", QByteArray::fromHex("00ff10e3819200"), LoadResult::Unreadable, 0},
#endif
};

INSTANTIATE_TEST_SUITE_P(
    Contents, DamagedOptionsTest, ::testing::ValuesIn(kDamagedOptions),
    [](const auto& param) {
        std::string name = param.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        return name;
    });

TEST_F(DataFilesTest, AHugeLineIsReadOnlyAsFarAsNeeded) {
    scratch.Write("option.ini", "1,8744," + QByteArray(5 << 20, '7'));
    TrackerSettings s;
    EXPECT_EQ(LoadOptions(s, scratch.Path()), LoadResult::Incomplete);
    EXPECT_EQ(s.tobaccoTaxPer1000, 8744);
}

TEST_F(DataFilesTest, OptionDefaultsReplaceEveryOptionFieldAndNoProfileField) {
    TrackerSettings s = Sample();
    s.setupDone = 1;
    s.windowMode = 1;
    s.statusMode = "コスモ";
    s.blogUrl = "mine/";
    SetOptionDefaults(s);
    const TrackerSettings defaults;
    EXPECT_EQ(s.setupDone, 0);
    EXPECT_EQ(s.windowMode, 2);
    EXPECT_EQ(s.statusMode, "ソルジャー");
    EXPECT_EQ(s.blogUrl, defaults.blogUrl);
    EXPECT_EQ(s.quitYear, 2008);
    EXPECT_EQ(s.quitMinute, 30);
}

TEST_F(DataFilesTest, ProfileDefaultsTakeTheCurrentMoment) {
    TrackerSettings s = Sample();
    s.cigarettesPerDay = 3;
    s.setupDone = 1;
    SetProfileDefaults(s, {2010, 2, 28, 23, 59});
    EXPECT_EQ(ProfileLine(s), QStringLiteral("2010,2,28,23,59,20,300,85\r\n"));
    EXPECT_EQ(s.setupDone, 1);
}

TEST_F(DataFilesTest, NoDataFolderMeansNoFileAndNoCrash) {
    QDir(scratch.Path()).rmdir("yorumadata");
    EXPECT_FALSE(SaveProfile(Sample(), scratch.Path()));
    EXPECT_FALSE(SaveOptions(Sample(), scratch.Path()));
    TrackerSettings s;
    EXPECT_EQ(LoadOptions(s, scratch.Path()), LoadResult::NotOpened);
}

}  // namespace
