#include "engine/DailyMessage.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::int32_t kDraws = 100;  // draws run 0 to 99
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct Figures {
    std::int32_t day;
    std::int32_t years;
    std::int32_t months;
};

std::string Describe(const Figures& f, std::int32_t draw) {
    return "day " + std::to_string(f.day) + ", " + std::to_string(f.years) + " years, " +
           std::to_string(f.months) + " months, draw " + std::to_string(draw);
}

std::map<std::int32_t, int> CountOverDraws(const Figures& f) {
    std::map<std::int32_t, int> counts;
    for (std::int32_t draw = 0; draw < kDraws; ++draw) ++counts[SelectMessageIndex(f.day, f.years, f.months, draw)];
    return counts;
}

// The greetings of the days on which the ducks arrive or rejoice.
constexpr std::array<std::pair<std::int32_t, std::int32_t>, 6> kCharacterDays{{
    {33, 44}, {34, 55}, {35, 56}, {44, 57}, {55, 58}, {66, 59},
}};

struct MonthSpan {
    std::int32_t months;
    std::int32_t firstDay;
    std::int32_t lastDay;
};

// The calendar months a day count can show in the first ten weeks. The first
// month can be complete from day 28 (31 January to 1 March) and the first day
// of a 31-day month can reach day 30 without completing it.
constexpr std::array<MonthSpan, 3> kEarlyMonths{{{0, 0, 30}, {1, 28, 61}, {2, 59, 70}}};

// The message before the draw for the first ten weeks: each day of the first
// calendar month has its own, later days show the month reached, except the
// character days.
std::int32_t EarlyMessage(std::int32_t day, std::int32_t months) {
    for (const auto& [characterDay, index] : kCharacterDays) {
        if (day == characterDay) return index;
    }
    return months == 0 ? day : 31 + months;
}

struct DrawRange {
    std::int32_t first;
    std::int32_t last;
    std::int32_t index;  // -1: the message stays
};

// What the draw makes of a message that has alternatives.
std::vector<DrawRange> AlternativesOf(std::int32_t message) {
    if (message == 1) return {{0, 19, 49}, {21, 29, 50}, {71, 99, 48}};
    if (message == 2) return {{0, 19, 52}, {21, 29, 53}, {71, 99, 51}};
    if (message == 3) return {{71, 99, 54}};
    if (message >= 32 && message <= 42) return {{1, 2, 45}, {3, 3, 46}, {4, 4, 47}};
    return {};
}

std::int32_t AfterDraw(std::int32_t message, std::int32_t draw) {
    for (const DrawRange& range : AlternativesOf(message)) {
        if (draw >= range.first && draw <= range.last) return range.index;
    }
    return message;
}

std::vector<Figures> MonthFigures() {
    std::vector<Figures> figures;
    for (std::int32_t months = 1; months <= 11; ++months) {
        for (const std::int32_t day : {31 * months, 31 * months + 20}) figures.push_back({day, 0, months});
    }
    return figures;
}

std::vector<Figures> YearFigures() {
    std::vector<Figures> figures;
    for (const std::int32_t years : {1, 2, 5, 99, 100, 333, 1000, 4000}) {
        for (std::int32_t months = 0; months <= 11; ++months) {
            figures.push_back({365 * years + years / 4 + 30 * months, years, months});
        }
    }
    figures.push_back({kMax, 5'879'000, 0});
    return figures;
}

std::vector<Figures> RealisticFigures() {
    std::vector<Figures> figures;
    for (const MonthSpan& span : kEarlyMonths) {
        for (std::int32_t day = span.firstDay; day <= span.lastDay; ++day) figures.push_back({day, 0, span.months});
    }
    for (const Figures& f : MonthFigures()) figures.push_back(f);
    for (const Figures& f : YearFigures()) figures.push_back(f);
    return figures;
}

TEST(DailyMessage, FirstTenWeeksForEveryDraw) {
    for (const MonthSpan& span : kEarlyMonths) {
        for (std::int32_t day = span.firstDay; day <= span.lastDay; ++day) {
            const Figures f{day, 0, span.months};
            const std::int32_t message = EarlyMessage(day, span.months);
            for (std::int32_t draw = 0; draw < kDraws; ++draw) {
                EXPECT_EQ(SelectMessageIndex(day, 0, span.months, draw), AfterDraw(message, draw)) << Describe(f, draw);
            }
        }
    }
}

TEST(DailyMessage, FirstDayHasNoAlternative) {
    EXPECT_EQ(CountOverDraws({0, 0, 0}), (std::map<std::int32_t, int>{{0, 100}}));
}

TEST(DailyMessage, ProportionsOfTheFirstThreeDays) {
    struct Case {
        std::int32_t day;
        std::map<std::int32_t, int> counts;
    };
    const std::array<Case, 3> cases{{
        {1, {{1, 42}, {48, 29}, {49, 20}, {50, 9}}},
        {2, {{2, 42}, {51, 29}, {52, 20}, {53, 9}}},
        {3, {{3, 71}, {54, 29}}},
    }};
    for (const Case& c : cases) EXPECT_EQ(CountOverDraws({c.day, 0, 0}), c.counts) << "day " << c.day;
}

TEST(DailyMessage, BoundaryDrawsOfTheFirstThreeDays) {
    struct Case {
        std::int32_t day;
        std::int32_t draw;
        std::int32_t index;
    };
    constexpr std::array<Case, 20> cases{{
        {1, 19, 49}, {1, 20, 1}, {1, 21, 50}, {1, 29, 50}, {1, 30, 1}, {1, 70, 1}, {1, 71, 48}, {1, 99, 48},
        {2, 19, 52}, {2, 20, 2}, {2, 21, 53}, {2, 29, 53}, {2, 30, 2}, {2, 70, 2}, {2, 71, 51}, {2, 99, 51},
        {3, 0, 3},   {3, 70, 3}, {3, 71, 54}, {3, 99, 54},
    }};
    for (const Case& c : cases) {
        EXPECT_EQ(SelectMessageIndex(c.day, 0, 0, c.draw), c.index) << "day " << c.day << ", draw " << c.draw;
    }
}

TEST(DailyMessage, EveryMonthMessageGivesWayToAWarningInFourDrawsOfAHundred) {
    for (const Figures& f : MonthFigures()) {
        const std::int32_t month = 31 + f.months;
        EXPECT_EQ(CountOverDraws(f), (std::map<std::int32_t, int>{{month, 96}, {45, 2}, {46, 1}, {47, 1}}))
            << Describe(f, -1);
        constexpr std::array<std::pair<std::int32_t, std::int32_t>, 6> drawToIndex{{
            {0, -1}, {1, 45}, {2, 45}, {3, 46}, {4, 47}, {5, -1},
        }};
        for (const auto& [draw, index] : drawToIndex) {
            EXPECT_EQ(SelectMessageIndex(f.day, f.years, f.months, draw), index < 0 ? month : index)
                << Describe(f, draw);
        }
    }
}

TEST(DailyMessage, MonthMessageFromTheDayTheFirstMonthIsComplete) {
    for (const std::int32_t day : {28, 29, 30}) {
        EXPECT_EQ(SelectMessageIndex(day, 0, 1, 50), 32) << "day " << day;
        EXPECT_EQ(SelectMessageIndex(day, 0, 0, 50), day) << "day " << day;
    }
}

TEST(DailyMessage, CharacterDaysIgnoreTheCalendarMonthsAndTheDraw) {
    for (const auto& [day, index] : kCharacterDays) {
        for (std::int32_t months = 0; months <= 11; ++months) {
            for (std::int32_t draw = 0; draw < kDraws; ++draw) {
                EXPECT_EQ(SelectMessageIndex(day, 0, months, draw), index) << Describe({day, 0, months}, draw);
            }
        }
    }
}

TEST(DailyMessage, Day36WithOneMonthShowsTheFirstMonthMessageOrAWarning) {
    EXPECT_EQ(CountOverDraws({36, 0, 1}), (std::map<std::int32_t, int>{{32, 96}, {45, 2}, {46, 1}, {47, 1}}));
}

TEST(DailyMessage, AFullYearOrMoreAlwaysShowsTheYearMessage) {
    for (const Figures& f : YearFigures()) {
        for (std::int32_t draw = 0; draw < kDraws; ++draw) {
            EXPECT_EQ(SelectMessageIndex(f.day, f.years, f.months, draw), 43) << Describe(f, draw);
        }
    }
}

TEST(DailyMessage, Entry31IsNeverChosen) {
    std::vector<Figures> figures = RealisticFigures();
    for (std::int32_t months = 0; months <= 11; ++months) {
        for (const std::int32_t day : {-1, -2, -31, -400, kMin}) figures.push_back({day, -1, months});
    }
    for (const Figures& f : figures) {
        for (std::int32_t draw = 0; draw < kDraws; ++draw) {
            const std::int32_t index = SelectMessageIndex(f.day, f.years, f.months, draw);
            EXPECT_NE(index, 31) << Describe(f, draw);
            EXPECT_FALSE(DailyMessageText(index).empty()) << Describe(f, draw) << ", index " << index;
        }
    }
}

TEST(DailyMessage, EveryTableEntryIsReachable) {
    std::set<std::int32_t> reached;
    for (const Figures& f : RealisticFigures()) {
        for (std::int32_t draw = 0; draw < kDraws; ++draw) reached.insert(SelectMessageIndex(f.day, f.years, f.months, draw));
    }
    for (std::int32_t index = 0; index < 60; ++index) {
        EXPECT_EQ(reached.count(index), index == 31 ? 0u : 1u) << "index " << index;
    }
}

TEST(DailyMessage, NumberedMessagesNameTheirDayOrMonth) {
    struct Case {
        Figures figures;
        std::string_view wording;
    };
    const std::array<Case, 17> cases{{
        {{11, 0, 0}, "ヨルマして１１日目です"},
        {{22, 0, 0}, "ヨルマして２２日目です"},
        {{33, 0, 1}, "ヨルマして３３日目です"},
        {{44, 0, 1}, "ヨルマして４４日目です"},
        {{55, 0, 1}, "ヨルマして５５日目です"},
        {{66, 0, 2}, "ヨルマして６６日目です"},
        {{40, 0, 1}, "ヨルマから１ヶ月経過しました"},
        {{70, 0, 2}, "ヨルマから２ヶ月経過しました"},
        {{100, 0, 3}, "ヨルマから３ヶ月経過しました"},
        {{130, 0, 4}, "ヨルマから４ヶ月経過しました"},
        {{160, 0, 5}, "ヨルマから５ヶ月経過しました"},
        {{190, 0, 6}, "ヨルマから６ヶ月経過しました"},
        {{220, 0, 7}, "ヨルマから７ヶ月経過しました"},
        {{250, 0, 8}, "ヨルマから８ヶ月経過しました"},
        {{280, 0, 9}, "ヨルマから９ヶ月経過しました"},
        {{310, 0, 10}, "ヨルマから１０ヶ月経過しました"},
        {{340, 0, 11}, "ヨルマから１１ヶ月経過しました"},
    }};
    constexpr std::int32_t kNoAlternative = 50;
    for (const Case& c : cases) {
        const Figures& f = c.figures;
        const std::string_view text = DailyMessageText(SelectMessageIndex(f.day, f.years, f.months, kNoAlternative));
        EXPECT_NE(text.find(c.wording), std::string_view::npos) << Describe(f, kNoAlternative) << ": " << text;
    }
}

TEST(DailyMessageText, EntriesWithBlanksAndTildesByteForByte) {
    struct Case {
        std::int32_t index;
        std::string_view text;
    };
    // \x20 is the half-width blank, \xE3\x80\x80 the full-width blank U+3000,
    // \xEF\xBD\x9E the full-width tilde U+FF5E.
    const std::array<Case, 4> cases{{
        {12, "リラックス、リラックス。\x20ひとやすみ、ひとやすみ。"},
        {28, "アヒル隊長から一言\x20「もうすぐ一ヶ月達成です」"},
        {43, "\xEF\xBD\x9E\x20ごヨルマおめでとうございます\x20\xEF\xBD\x9E"},
        {55, "よるま\x20いっかげつ\x20おめでとぉー\xE3\x80\x80がぁーがぁーがぁー"},
    }};
    for (const Case& c : cases) EXPECT_EQ(DailyMessageText(c.index), c.text) << "index " << c.index;
}

TEST(DailyMessageText, OtherEntriesHaveNoBlanks) {
    const std::map<std::int32_t, std::pair<int, int>> blanks{{12, {1, 0}}, {28, {1, 0}}, {43, {2, 0}}, {55, {2, 1}}};
    for (std::int32_t index = 0; index < 60; ++index) {
        const std::string_view text = DailyMessageText(index);
        int halfWidth = 0;
        int fullWidth = 0;
        for (std::size_t at = 0; at < text.size(); ++at) {
            if (text[at] == ' ') ++halfWidth;
            if (text.substr(at, 3) == "\xE3\x80\x80") ++fullWidth;
        }
        const auto found = blanks.find(index);
        const std::pair<int, int> expected = found == blanks.end() ? std::pair{0, 0} : found->second;
        EXPECT_EQ(std::pair(halfWidth, fullWidth), expected) << "index " << index << ": " << text;
    }
}

TEST(DailyMessageText, SampleEntries) {
    struct Case {
        std::int32_t index;
        std::string_view text;
    };
    const std::array<Case, 9> cases{{
        {0, "さあ今日からいよいよヨルマです！がんばりましょう！"},
        {10, "「自分の意志で簡単にやめられない」←コレが煙草害の筆頭"},
        {24, "タバコ臭いという理由だけで振られました・・・"},
        {30, "人生を２度楽しめる。ヨルマ前とヨルマ後"},
        {31, "きれいな肺で、はーい元気（おやぢぎゃぐ２）"},
        {32, "ヨルマから１ヶ月経過しました。おめでとうございます"},
        {42, "おめでとうございます。ヨルマから１１ヶ月経過しました"},
        {54, "今日を乗り切れば、取り合えず一山超えたことになります"},
        {59, "ヨルマして６６日目です。アヒルの王様が喜んでいます"},
    }};
    for (const Case& c : cases) EXPECT_EQ(DailyMessageText(c.index), c.text) << "index " << c.index;
}

TEST(DailyMessageText, SixtyDistinctEntriesAndNothingOutside) {
    std::set<std::string_view> texts;
    for (std::int32_t index = 0; index < 60; ++index) {
        EXPECT_FALSE(DailyMessageText(index).empty()) << "index " << index;
        texts.insert(DailyMessageText(index));
    }
    EXPECT_EQ(texts.size(), 60u);
    for (const std::int32_t index : {-1, 60, 61, 100, kMin, kMax}) {
        EXPECT_EQ(DailyMessageText(index), "") << "index " << index;
    }
}

}  // namespace
