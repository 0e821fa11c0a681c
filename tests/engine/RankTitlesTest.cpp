#include "engine/RankTitles.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kSoldier = "ソルジャー";
constexpr std::string_view kCosmo = "コスモ";
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct TitleRange {
    std::int32_t first;
    std::int32_t last;
    std::string_view soldier;
    std::string_view cosmo;
};

// Days 0 to 5 one title each, then two days a title up to day 21, two
// four-day titles, thirty days a title from day 30, and the last one open-ended.
constexpr std::array<TitleRange, 27> kDayTitles{{
    {0, 0, "２等兵", "素粒子"},
    {1, 1, "１等兵", "陽子"},
    {2, 2, "上等兵", "原子"},
    {3, 3, "兵長", "分子"},
    {4, 4, "伍長", "ゴマ粒"},
    {5, 5, "軍曹", "小豆"},
    {6, 7, "曹長", "大豆"},
    {8, 9, "准尉", "タマゴ"},
    {10, 11, "少尉", "ヒヨコ"},
    {12, 13, "中尉", "ニワトリ"},
    {14, 15, "大尉", "鶏小屋"},
    {16, 17, "少佐", "農家"},
    {18, 19, "中佐", "集落"},
    {20, 21, "大佐", "村"},
    {22, 25, "少将", "市"},
    {26, 29, "中将", "県"},
    {30, 59, "大将", "日本列島"},
    {60, 89, "元帥", "東アジア"},
    {90, 119, "大臣", "アジア"},
    {120, 149, "首相", "北半球"},
    {150, 179, "大統領", "地球"},
    {180, 209, "王様", "月と地球"},
    {210, 239, "大王様", "太陽系"},
    {240, 269, "神", "銀河"},
    {270, 299, "カイオウ", "大銀河"},
    {300, 329, "ラオウ", "星雲"},
    {330, kMax, "トキ", "小宇宙"},
}};

// Completed calendar years; 333 alone has a title of its own, between two runs of the same title.
constexpr std::array<TitleRange, 10> kYearTitles{{
    {1, 1, "ケンシロウ", "コスモ"},
    {2, 2, "チョッパー", "大宇宙"},
    {3, 3, "ゾロ", "宇宙王子"},
    {4, 4, "ロビン", "宇宙王"},
    {5, 9, "ルフィ", "宇宙大王"},
    {10, 99, "ユリア", "宇宙神"},
    {100, 332, "宇宙大神", "宇宙大神"},
    {333, 333, "ルパン三世", "ルパン三世"},
    {334, 999, "宇宙大神", "宇宙大神"},
    {1000, kMax, "トトロ", "トトロ"},
}};

template <std::size_t N>
const TitleRange* Find(const std::array<TitleRange, N>& ranges, std::int32_t value) {
    for (const TitleRange& range : ranges) {
        if (value >= range.first && value <= range.last) return &range;
    }
    return nullptr;
}

// The day count on the anniversary, give or take a day; the year titles must not depend on it.
std::int32_t DayNumberForYears(std::int32_t years) {
    const std::int64_t days = std::int64_t{years} * 365 + years / 4;
    return days > kMax ? kMax : static_cast<std::int32_t>(days);
}

TEST(RankTitles, EveryDayOfTheFirstYearGetsTheTitleOfItsRange) {
    for (std::int32_t day = -1; day <= 400; ++day) {
        const TitleRange* range = Find(kDayTitles, day);
        if (day >= 0) {
            ASSERT_NE(range, nullptr) << "day " << day;
        }
        const std::string_view soldier = range ? range->soldier : "";
        const std::string_view cosmo = range ? range->cosmo : "";
        EXPECT_EQ(SelectRankTitle(kSoldier, day, 0), soldier) << "day " << day;
        EXPECT_EQ(SelectRankTitle(kCosmo, day, 0), cosmo) << "day " << day;
    }
}

TEST(RankTitles, DayTitleHoldsUntilTheCalendarYearIsComplete) {
    struct Case {
        std::int32_t day;
        std::int32_t years;
        std::string_view soldier;
        std::string_view cosmo;
    };
    // Days 365 and 366 can still be short of the anniversary when a 29 February lies between.
    constexpr std::array<Case, 6> cases{{
        {364, 0, "トキ", "小宇宙"},
        {365, 0, "トキ", "小宇宙"},
        {366, 0, "トキ", "小宇宙"},
        {365, 1, "ケンシロウ", "コスモ"},
        {366, 1, "ケンシロウ", "コスモ"},
        {kMax, 0, "トキ", "小宇宙"},
    }};
    for (const Case& c : cases) {
        EXPECT_EQ(SelectRankTitle(kSoldier, c.day, c.years), c.soldier) << c.day << " days, " << c.years << " years";
        EXPECT_EQ(SelectRankTitle(kCosmo, c.day, c.years), c.cosmo) << c.day << " days, " << c.years << " years";
    }
}

TEST(RankTitles, ChosenYearsGetTheirTitles) {
    struct Case {
        std::int32_t years;
        std::string_view soldier;
        std::string_view cosmo;
    };
    constexpr std::array<Case, 19> cases{{
        {1, "ケンシロウ", "コスモ"},
        {2, "チョッパー", "大宇宙"},
        {3, "ゾロ", "宇宙王子"},
        {4, "ロビン", "宇宙王"},
        {5, "ルフィ", "宇宙大王"},
        {9, "ルフィ", "宇宙大王"},
        {10, "ユリア", "宇宙神"},
        {99, "ユリア", "宇宙神"},
        {100, "宇宙大神", "宇宙大神"},
        {332, "宇宙大神", "宇宙大神"},
        {333, "ルパン三世", "ルパン三世"},
        {334, "宇宙大神", "宇宙大神"},
        {999, "宇宙大神", "宇宙大神"},
        {1000, "トトロ", "トトロ"},
        {1001, "トトロ", "トトロ"},
        {4000, "トトロ", "トトロ"},
        {1'000'000, "トトロ", "トトロ"},
        {kMax - 1, "トトロ", "トトロ"},
        {kMax, "トトロ", "トトロ"},
    }};
    for (const Case& c : cases) {
        const std::int32_t day = DayNumberForYears(c.years);
        EXPECT_EQ(SelectRankTitle(kSoldier, day, c.years), c.soldier) << c.years << " years";
        EXPECT_EQ(SelectRankTitle(kCosmo, day, c.years), c.cosmo) << c.years << " years";
    }
}

TEST(RankTitles, EveryYearUpTo1100GetsTheTitleOfItsRange) {
    for (std::int32_t years = 1; years <= 1100; ++years) {
        const TitleRange* range = Find(kYearTitles, years);
        ASSERT_NE(range, nullptr) << years << " years";
        const std::int32_t day = DayNumberForYears(years);
        EXPECT_EQ(SelectRankTitle(kSoldier, day, years), range->soldier) << years << " years";
        EXPECT_EQ(SelectRankTitle(kCosmo, day, years), range->cosmo) << years << " years";
    }
}

TEST(RankTitles, YearTitleOverridesWhateverTheDayCount) {
    constexpr std::array<std::int32_t, 3> years{1, 333, 1000};
    constexpr std::array<std::int32_t, 11> days{0, 1, 5, 6, 29, 30, 329, 330, 364, 365, kMax};
    for (const std::int32_t y : years) {
        const TitleRange* range = Find(kYearTitles, y);
        ASSERT_NE(range, nullptr);
        for (const std::int32_t day : days) {
            EXPECT_EQ(SelectRankTitle(kSoldier, day, y), range->soldier) << day << " days, " << y << " years";
            EXPECT_EQ(SelectRankTitle(kCosmo, day, y), range->cosmo) << day << " days, " << y << " years";
        }
    }
}

TEST(RankTitles, ClockSetBackBeforeTheQuitMomentGivesNoTitle) {
    struct Case {
        std::int32_t day;
        std::int32_t years;
    };
    constexpr std::array<Case, 6> cases{{
        {-1, -1},
        {-1, 0},
        {-30, -1},
        {-400, -2},
        {-1000, -1000},
        {kMin, kMin},
    }};
    for (const Case& c : cases) {
        EXPECT_EQ(SelectRankTitle(kSoldier, c.day, c.years), "") << c.day << " days, " << c.years << " years";
        EXPECT_EQ(SelectRankTitle(kCosmo, c.day, c.years), "") << c.day << " days, " << c.years << " years";
    }
}

TEST(RankTitles, OnlyTheExactModeNamesSelectALadder) {
    using namespace std::string_view_literals;
    const std::array<std::string_view, 13> modes{
        ""sv,
        "ソルジャ"sv,
        "ソルジャー "sv,
        " ソルジャー"sv,
        "ｿﾙｼﾞｬｰ"sv,
        "そるじゃー"sv,
        "soldier"sv,
        "コスモス"sv,
        "コスモ "sv,
        "ｺｽﾓ"sv,
        "cosmo"sv,
        "ソルジャーコスモ"sv,
        "コスモ\0"sv,
    };
    struct Case {
        std::int32_t day;
        std::int32_t years;
    };
    constexpr std::array<Case, 5> cases{{{0, 0}, {7, 0}, {364, 0}, {400, 1}, {121'700, 333}}};
    for (const std::string_view mode : modes) {
        for (const Case& c : cases) {
            EXPECT_EQ(SelectRankTitle(mode, c.day, c.years), "")
                << "mode \"" << mode << "\", " << c.day << " days, " << c.years << " years";
        }
    }
}

TEST(RankTitles, FirstTwoSoldierTitlesUseFullWidthDigits) {
    EXPECT_EQ(SelectRankTitle(kSoldier, 0, 0), "\xEF\xBC\x92" "等兵");  // U+FF12
    EXPECT_EQ(SelectRankTitle(kSoldier, 1, 0), "\xEF\xBC\x91" "等兵");  // U+FF11
}

TEST(RankTitles, TitleOutlivesTheModeTextAndLaterCalls) {
    std::string_view title;
    {
        std::string mode(kCosmo);
        title = SelectRankTitle(mode, 3, 0);
        mode.assign(mode.size(), 'x');
    }
    for (std::int32_t day = 0; day <= 400; ++day) {
        SelectRankTitle(kSoldier, day, 0);
        SelectRankTitle(kCosmo, day, 0);
    }
    EXPECT_EQ(title, "分子");
}

}  // namespace
