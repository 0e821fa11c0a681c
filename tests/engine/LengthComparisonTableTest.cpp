#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "engine/LengthComparisonTable.h"

namespace {

constexpr std::string_view kStartText = "ガンバレ－";
constexpr std::string_view kStratosphereText = "成層圏を脱しました！";
constexpr std::size_t kStratosphereRowNumber = 612;

// Rows are numbered from 1, as the help text and the table's users count them.
const ComparisonRow& Row(std::size_t number) { return LengthComparisonTable.at(number - 1); }

std::int64_t WholeMillimetres(double exactMillimetres) {
    return static_cast<std::int64_t>(std::floor(exactMillimetres));
}

struct NumberedRow {
    std::size_t number;
    std::int32_t threshold;
    std::string_view text;
};

// Spread over the whole table, with the rows that carry blanks, half-width
// letters, brackets or full-width digits and punctuation.
const NumberedRow kKnownRows[] = {
    {1, 0, "ガンバレ－"},
    {2, 110, "ダチョウの卵"},
    {7, 1000, "新札１億円の高さ"},
    {15, 1460, "Ｂ０版の長辺"},
    {20, 1680, "シーラカンス"},
    {43, 2900, "デンキウナギ"},
    {44, 2950, "マカジキ"},
    {45, 3000, "ラグビークロスバー"},
    {56, 4000, "ティラノサウルス"},
    {57, 4200, "ペルミケ「最後の晩餐」縦"},
    {58, 4300, "マカジキ"},
    {94, 10400, "豊浜祭り 鯛の張り子"},
    {98, 11370, "妖怪一反木綿"},
    {99, 12000, "竿灯（大人用標準）"},
    {103, 13300, "ティラノサウルス"},
    {115, 17500, "ガンキャノン(RX-77)"},
    {185, 50000, "パリ凱旋門"},
    {186, 51000, "シンデレラ城"},
    {375, 333000, "東京タワー"},
    {432, 550000, "Lupu daqiao"},
    {440, 610000, "新東京タワー（予定）"},
    {462, 815000, "Burj Dubai（仮）"},
    {574, 3776000, "富士山"},
    {602, 27200000, "東京－横浜"},
    {604, 42195000, "フルマラソン完走！"},
    {610, 500000000, "アマゾン川河口幅"},
    {611, 565400000, "国道１号線"},
    {612, 800000000, "成層圏を脱しました！"},
    {613, 999999998, "空"},
    {614, 999999999, "くう空くう"},
};

TEST(LengthComparisonTable, KnownRowsHoldTheirThresholdAndText) {
    for (const NumberedRow& known : kKnownRows) {
        SCOPED_TRACE("row " + std::to_string(known.number));
        EXPECT_EQ(Row(known.number).threshold, known.threshold);
        EXPECT_EQ(Row(known.number).text, known.text);
    }
}

TEST(LengthComparisonTable, ThresholdsStartAtZeroAndRiseStrictly) {
    EXPECT_EQ(Row(1).threshold, 0);
    for (std::size_t number = 2; number <= kComparisonRowCount; ++number) {
        EXPECT_LT(Row(number - 1).threshold, Row(number).threshold) << "row " << number;
    }
}

TEST(LengthComparisonTable, TextsAreNonEmptyAndUnpadded) {
    for (std::size_t number = 1; number <= kComparisonRowCount; ++number) {
        const std::string_view text = Row(number).text;
        ASSERT_FALSE(text.empty()) << "row " << number;
        EXPECT_NE(text.front(), ' ') << "row " << number;
        EXPECT_NE(text.back(), ' ') << "row " << number;
    }
}

TEST(LengthComparisonTable, OnlyTheTwoKnownTextsRepeat) {
    std::map<std::string_view, std::vector<std::size_t>> rowsByText;
    for (std::size_t number = 1; number <= kComparisonRowCount; ++number) {
        rowsByText[Row(number).text].push_back(number);
    }
    std::map<std::string_view, std::vector<std::size_t>> repeated;
    for (const auto& [text, numbers] : rowsByText) {
        if (numbers.size() > 1) repeated[text] = numbers;
    }
    const std::map<std::string_view, std::vector<std::size_t>> expected = {
        {"マカジキ", {44, 58}},
        {"ティラノサウルス", {56, 103}},
    };
    EXPECT_EQ(repeated, expected);
}

// FNV-1a over every row as "threshold<TAB>text<LF>": guards the released
// thresholds and texts byte for byte, full-width characters and blanks included.
TEST(LengthComparisonTable, ContentMatchesReleasedDigest) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const ComparisonRow& row : LengthComparisonTable) {
        const std::string line =
            std::to_string(row.threshold) + '\t' + std::string(row.text) + '\n';
        for (const char c : line) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 0x100000001b3u;
        }
    }
    EXPECT_EQ(hash, 0x97be983ac2421a9cu);
}

// Each row takes over exactly at its threshold and holds until the next one;
// from the stratosphere row on, the text no longer changes.
TEST(SelectComparisonText, EveryRowTakesOverAtItsThresholdAndHoldsUntilTheNext) {
    for (std::size_t number = 2; number <= kComparisonRowCount; ++number) {
        SCOPED_TRACE("row " + std::to_string(number));
        const std::int64_t threshold = Row(number).threshold;
        if (number <= kStratosphereRowNumber) {
            EXPECT_EQ(SelectComparisonText(threshold - 1), Row(number - 1).text);
            EXPECT_EQ(SelectComparisonText(threshold), Row(number).text);
        } else {
            EXPECT_EQ(SelectComparisonText(threshold - 1), kStratosphereText);
            EXPECT_EQ(SelectComparisonText(threshold), kStratosphereText);
        }
        if (number < kStratosphereRowNumber) {
            const std::int64_t next = Row(number + 1).threshold;
            EXPECT_EQ(SelectComparisonText((threshold + next) / 2), Row(number).text);
        }
    }
}

struct LengthCase {
    const char* what;
    std::int64_t wholeMillimetres;
    std::string_view text;
};

TEST(SelectComparisonText, EdgeLengths) {
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const LengthCase cases[] = {
        {"just after quitting", 0, kStartText},
        {"clock set back", -1, kStartText},
        {"clock set far back", kMin, kStartText},
        {"short of the first row", 109, kStartText},
        {"a hair short of the first row", WholeMillimetres(109.999), kStartText},
        {"first row reached exactly", 110, "ダチョウの卵"},
        {"first of two equal texts", 2950, "マカジキ"},
        {"the row between", 3000, "ラグビークロスバー"},
        {"second of two equal texts", 4300, "マカジキ"},
        {"first of the other pair", 4000, "ティラノサウルス"},
        {"second of the other pair", 13300, "ティラノサウルス"},
        {"last row before the stratosphere", 799999999, "国道１号線"},
        {"stratosphere reached exactly", 800000000, kStratosphereText},
        {"past the stratosphere", 800000001, kStratosphereText},
        {"at the first closing row", 999999998, kStratosphereText},
        {"at the last closing row", 999999999, kStratosphereText},
        {"beyond every row", 2000000000, kStratosphereText},
        {"largest length", kMax, kStratosphereText},
    };
    for (const LengthCase& c : cases) {
        EXPECT_EQ(SelectComparisonText(c.wholeMillimetres), c.text) << c.what;
    }
}

// 20 standard (85 mm) cigarettes a day; the length counts fractions of a day.
TEST(SelectComparisonText, DefaultProfileOverTime) {
    struct Moment {
        std::int64_t minutes;
        std::int64_t expectedLength;
        std::size_t row;
    };
    const Moment moments[] = {
        {1440, 1700, 20},
        {7 * 1440, 11900, 98},
        {30 * 1440 - 1, 50998, 185},  // one minute short of the next row
        {30 * 1440, 51000, 186},      // exactly on its threshold
        {365 * 1440, 620500, 440},
    };
    for (const Moment& m : moments) {
        SCOPED_TRACE("after " + std::to_string(m.minutes) + " minutes");
        const std::int64_t length = m.minutes * 20 * 85 / 1440;
        ASSERT_EQ(length, m.expectedLength);
        EXPECT_EQ(SelectComparisonText(length), Row(m.row).text);
    }
    EXPECT_EQ(SelectComparisonText(1700), "シーラカンス");
    EXPECT_EQ(SelectComparisonText(11900), "妖怪一反木綿");
    EXPECT_EQ(SelectComparisonText(51000), "シンデレラ城");
    EXPECT_EQ(SelectComparisonText(620500), "新東京タワー（予定）");
}

// The two rows after the stratosphere only close the list.
TEST(SelectComparisonText, ClosingRowsAreNeverShown) {
    std::vector<std::int64_t> lengths;
    for (const ComparisonRow& row : LengthComparisonTable) {
        lengths.insert(lengths.end(),
                       {row.threshold - 1LL, std::int64_t{row.threshold}, row.threshold + 1LL});
    }
    for (std::int64_t length = 1; length < std::numeric_limits<std::int64_t>::max() / 2;
         length += length / 16 + 1) {
        lengths.push_back(length);
    }
    for (const std::int64_t length : lengths) {
        const std::string_view text = SelectComparisonText(length);
        EXPECT_NE(text, "空") << length;
        EXPECT_NE(text, "くう空くう") << length;
        if (length >= kStratosphereLimit) {
            EXPECT_EQ(text, kStratosphereText) << length;
        }
    }
}

}  // namespace
