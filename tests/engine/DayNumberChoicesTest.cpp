// What follows the day count: the rank title, the message of the day, the
// lung colour, the ducks and the progress bar.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/DailyMessage.h"
#include "engine/LungAndCharacters.h"
#include "engine/RankTitles.h"

namespace {

constexpr std::string_view kSoldier = "ソルジャー", kCosmo = "コスモ";
constexpr std::int32_t kMin = INT32_MIN, kMax = INT32_MAX;

struct Title {
    std::int32_t from;  // the first day, or the first completed year
    std::string_view soldier, cosmo;
};

// Each title begins on its day (or year) and the one before still has the title before it.
TEST(RankTitles, EachTitleBeginsOnItsDayOrYear) {
    const Title days[] = {
        {0, "２等兵", "素粒子"}, {1, "１等兵", "陽子"}, {2, "上等兵", "原子"}, {3, "兵長", "分子"},
        {4, "伍長", "ゴマ粒"}, {5, "軍曹", "小豆"}, {6, "曹長", "大豆"}, {8, "准尉", "タマゴ"},
        {10, "少尉", "ヒヨコ"}, {12, "中尉", "ニワトリ"}, {14, "大尉", "鶏小屋"}, {16, "少佐", "農家"},
        {18, "中佐", "集落"}, {20, "大佐", "村"}, {22, "少将", "市"}, {26, "中将", "県"},
        {30, "大将", "日本列島"}, {60, "元帥", "東アジア"}, {90, "大臣", "アジア"}, {120, "首相", "北半球"},
        {150, "大統領", "地球"}, {180, "王様", "月と地球"}, {210, "大王様", "太陽系"}, {240, "神", "銀河"},
        {270, "カイオウ", "大銀河"}, {300, "ラオウ", "星雲"}, {330, "トキ", "小宇宙"}};
    const Title years[] = {
        {1, "ケンシロウ", "コスモ"}, {2, "チョッパー", "大宇宙"}, {3, "ゾロ", "宇宙王子"}, {4, "ロビン", "宇宙王"},
        {5, "ルフィ", "宇宙大王"}, {10, "ユリア", "宇宙神"}, {100, "宇宙大神", "宇宙大神"},
        {333, "ルパン三世", "ルパン三世"}, {334, "宇宙大神", "宇宙大神"}, {1000, "トトロ", "トトロ"}};
    for (std::size_t i = 0; i < std::size(days); ++i) {
        for (const std::int32_t day : {days[i].from, i + 1 < std::size(days) ? days[i + 1].from - 1 : kMax}) {
            EXPECT_EQ(SelectRankTitle(kSoldier, day, 0), days[i].soldier) << "day " << day;
            EXPECT_EQ(SelectRankTitle(kCosmo, day, 0), days[i].cosmo) << "day " << day;
        }
    }
    // From the first completed year the year decides, whatever the day count.
    for (std::size_t i = 0; i < std::size(years); ++i) {
        const std::int32_t last = i + 1 < std::size(years) ? years[i + 1].from - 1 : kMax;
        using Moment = std::pair<std::int32_t, std::int32_t>;  // years, day
        for (const auto& [year, day] : {Moment{years[i].from, 365 * years[i].from}, Moment{last, 0}, Moment{last, kMax}}) {
            EXPECT_EQ(SelectRankTitle(kSoldier, day, year), years[i].soldier) << year << " years";
            EXPECT_EQ(SelectRankTitle(kCosmo, day, year), years[i].cosmo) << year << " years";
        }
    }
}

TEST(RankTitles, NoTitleBeforeTheQuitMomentOrForAnotherMode) {
    EXPECT_EQ(SelectRankTitle(kSoldier, -1, -1), "");
    EXPECT_EQ(SelectRankTitle(kCosmo, kMin, kMin), "");
    for (const std::string_view mode : {"", "ソルジャー ", "ｿﾙｼﾞｬｰ", "コスモス", "cosmo"}) {
        EXPECT_EQ(SelectRankTitle(mode, 10, 0), "") << mode;
        EXPECT_EQ(SelectRankTitle(mode, 400, 333), "") << mode;
    }
}

TEST(DailyMessage, IndexByDayCalendarAndDraw) {
    struct Case { std::int32_t day, years, months, draw, index; };
    const Case cases[] = {
        {0, 0, 0, 99, 0},   {1, 0, 0, 19, 49},  {1, 0, 0, 20, 1},   {1, 0, 0, 21, 50},  {1, 0, 0, 29, 50},
        {1, 0, 0, 30, 1},   {1, 0, 0, 70, 1},   {1, 0, 0, 71, 48},  {2, 0, 0, 0, 52},   {2, 0, 0, 20, 2},
        {2, 0, 0, 21, 53},  {2, 0, 0, 29, 53},  {2, 0, 0, 30, 2},   {2, 0, 0, 70, 2},   {2, 0, 0, 71, 51},
        {2, 0, 0, 99, 51},  {3, 0, 0, 70, 3},   {3, 0, 0, 71, 54},  {4, 0, 0, 99, 4},   {30, 0, 0, 2, 30},
        {28, 0, 0, 50, 28}, {28, 0, 1, 50, 32}, {36, 0, 1, 0, 32},  {36, 0, 1, 1, 45},  {36, 0, 1, 2, 45},
        {36, 0, 1, 3, 46},  {36, 0, 1, 4, 47},  {36, 0, 1, 5, 32},  {340, 0, 11, 0, 42}, {340, 0, 11, 4, 47},
        {33, 0, 1, 1, 44},  {34, 0, 1, 3, 55},  {35, 0, 1, 4, 56},  {44, 0, 1, 2, 57},  {55, 0, 1, 71, 58},
        {66, 0, 2, 3, 59},  {365, 1, 0, 1, 43}, {400, 1, 1, 4, 43}, {121700, 333, 0, 71, 43},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SelectMessageIndex(c.day, c.years, c.months, c.draw), c.index)
            << "day " << c.day << ", " << c.years << " years " << c.months << " months, draw " << c.draw;
    }
    // The table's two ends, and nothing past them.
    EXPECT_EQ(DailyMessageText(0), "さあ今日からいよいよヨルマです！がんばりましょう！");
    EXPECT_FALSE(DailyMessageText(59).empty());
    EXPECT_EQ(DailyMessageText(60), "");
    EXPECT_EQ(DailyMessageText(-1), "");
}

// Red climbs by 10 a day from 5, then green and blue together up to 140;
// the ducks arrive on days 11, 22 and 33 and rejoice from days 44, 55 and 66.
TEST(LungAndCharacters, ColourDucksAndBarByDay) {
    // The ducks as left, middle and right slot, plain and rejoicing.
    struct Case { std::int32_t day, colour; const char *plain, *rejoicing; bool down; std::int32_t progress; };
    const Case cases[] = {
        {kMin, 0, "...", "...", false, 0},       {-1, 0, "...", "...", false, 0},
        {0, 5, "...", "...", false, 0},          {10, 105, "...", "...", false, 30},
        {11, 115, "X..", "...", false, 0},       {21, 215, "X..", "...", false, 30},
        {22, 225, "X.X", "...", false, 0},       {24, 245, "X.X", "...", false, 6},
        {25, 255, "X.X", "...", false, 9},       {26, 658175, "X.X", "...", false, 12},
        {32, 4605695, "X.X", "...", false, 30},  {33, 5263615, "XXX", "...", true, 0},
        {38, 8553215, "XXX", "...", true, 0},    {39, 9211135, "XXX", "...", true, 0},
        {43, 9211135, "XXX", "...", true, 0},    {44, 9211135, ".XX", "X..", true, 0},
        {54, 9211135, ".XX", "X..", true, 0},    {55, 9211135, ".X.", "X.X", true, 0},
        {65, 9211135, ".X.", "X.X", true, 0},    {66, 9211135, "...", "XXX", true, 0},
        {kMax, 9211135, "...", "XXX", true, 0},
    };
    const auto slots = [](const char* s) { return std::array<bool, 3>{s[0] == 'X', s[1] == 'X', s[2] == 'X'}; };
    for (const Case& c : cases) {
        EXPECT_EQ(LungColorForDay(c.day), c.colour) << "day " << c.day;
        const CharacterView expected{slots(c.plain), slots(c.rejoicing), c.down, c.down};
        EXPECT_EQ(CharactersForDay(c.day), expected) << "day " << c.day;
        EXPECT_EQ(ProgressValueForDay(c.day), c.progress) << "day " << c.day;
    }
}

}  // namespace
