#include "engine/RankTitles.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>

namespace {

enum class RankTest : std::uint8_t { kDayEquals, kDayAbove, kYearsAbove, kYearsEquals };
using enum RankTest;

struct RankRule {
    RankTest test;
    std::int32_t number;
    std::string_view title;
};

struct RankLadder {
    std::string_view statusMode;
    std::array<RankRule, 36> rules;
};

// Each ladder runs its rules in order and the last rule that holds gives the
// title, so a rule only needs a lower bound: a later, higher rank overrides it.
// The year rules come last so that a completed calendar year replaces any day
// title, and "= 333" sits between "> 99" and "> 999" so that it wins only at 333.
constexpr std::array<RankLadder, 2> RankTitleTable{{
    {"ソルジャー",
     {{
         {kDayEquals, 0, "２等兵"},
         {kDayEquals, 1, "１等兵"},
         {kDayEquals, 2, "上等兵"},
         {kDayEquals, 3, "兵長"},
         {kDayEquals, 4, "伍長"},
         {kDayEquals, 5, "軍曹"},
         {kDayAbove, 5, "曹長"},
         {kDayAbove, 7, "准尉"},
         {kDayAbove, 9, "少尉"},
         {kDayAbove, 11, "中尉"},
         {kDayAbove, 13, "大尉"},
         {kDayAbove, 15, "少佐"},
         {kDayAbove, 17, "中佐"},
         {kDayAbove, 19, "大佐"},
         {kDayAbove, 21, "少将"},
         {kDayAbove, 25, "中将"},
         {kDayAbove, 29, "大将"},
         {kDayAbove, 59, "元帥"},
         {kDayAbove, 89, "大臣"},
         {kDayAbove, 119, "首相"},
         {kDayAbove, 149, "大統領"},
         {kDayAbove, 179, "王様"},
         {kDayAbove, 209, "大王様"},
         {kDayAbove, 239, "神"},
         {kDayAbove, 269, "カイオウ"},
         {kDayAbove, 299, "ラオウ"},
         {kDayAbove, 329, "トキ"},
         {kYearsAbove, 0, "ケンシロウ"},
         {kYearsAbove, 1, "チョッパー"},
         {kYearsAbove, 2, "ゾロ"},
         {kYearsAbove, 3, "ロビン"},
         {kYearsAbove, 4, "ルフィ"},
         {kYearsAbove, 9, "ユリア"},
         {kYearsAbove, 99, "宇宙大神"},
         {kYearsEquals, 333, "ルパン三世"},
         {kYearsAbove, 999, "トトロ"},
     }}},
    {"コスモ",
     {{
         {kDayEquals, 0, "素粒子"},
         {kDayEquals, 1, "陽子"},
         {kDayEquals, 2, "原子"},
         {kDayEquals, 3, "分子"},
         {kDayEquals, 4, "ゴマ粒"},
         {kDayEquals, 5, "小豆"},
         {kDayAbove, 5, "大豆"},
         {kDayAbove, 7, "タマゴ"},
         {kDayAbove, 9, "ヒヨコ"},
         {kDayAbove, 11, "ニワトリ"},
         {kDayAbove, 13, "鶏小屋"},
         {kDayAbove, 15, "農家"},
         {kDayAbove, 17, "集落"},
         {kDayAbove, 19, "村"},
         {kDayAbove, 21, "市"},
         {kDayAbove, 25, "県"},
         {kDayAbove, 29, "日本列島"},
         {kDayAbove, 59, "東アジア"},
         {kDayAbove, 89, "アジア"},
         {kDayAbove, 119, "北半球"},
         {kDayAbove, 149, "地球"},
         {kDayAbove, 179, "月と地球"},
         {kDayAbove, 209, "太陽系"},
         {kDayAbove, 239, "銀河"},
         {kDayAbove, 269, "大銀河"},
         {kDayAbove, 299, "星雲"},
         {kDayAbove, 329, "小宇宙"},
         {kYearsAbove, 0, "コスモ"},
         {kYearsAbove, 1, "大宇宙"},
         {kYearsAbove, 2, "宇宙王子"},
         {kYearsAbove, 3, "宇宙王"},
         {kYearsAbove, 4, "宇宙大王"},
         {kYearsAbove, 9, "宇宙神"},
         {kYearsAbove, 99, "宇宙大神"},
         {kYearsEquals, 333, "ルパン三世"},
         {kYearsAbove, 999, "トトロ"},
     }}},
}};

constexpr bool Holds(const RankRule& rule, std::int32_t dayNumber, std::int32_t elapsedYears) {
    switch (rule.test) {
        case kDayEquals: return dayNumber == rule.number;
        case kDayAbove: return dayNumber > rule.number;
        case kYearsAbove: return elapsedYears > rule.number;
        case kYearsEquals: return elapsedYears == rule.number;
    }
    return false;
}

}  // namespace

std::string_view SelectRankTitle(std::string_view statusMode, std::int32_t dayNumber, std::int32_t elapsedYears) {
    std::string_view title;
    for (const RankLadder& ladder : RankTitleTable) {
        if (statusMode != ladder.statusMode) continue;
        for (const RankRule& rule : ladder.rules) {
            if (Holds(rule, dayNumber, elapsedYears)) title = rule.title;
        }
    }
    return title;
}

namespace {

constexpr bool IsYearRule(const RankRule& rule) { return rule.test == kYearsAbove || rule.test == kYearsEquals; }

// The two ladders test alike, row for row, so their titles change at the same counts.
constexpr bool LaddersTestAlike() {
    for (std::size_t i = 0; i < RankTitleTable[0].rules.size(); ++i) {
        const RankRule& soldier = RankTitleTable[0].rules[i];
        const RankRule& cosmo = RankTitleTable[1].rules[i];
        if (soldier.test != cosmo.test || soldier.number != cosmo.number) return false;
    }
    return true;
}
static_assert(LaddersTestAlike());

struct ChangeCounts {
    std::array<std::int32_t, 72> at{};
    std::size_t size = 0;
};

// The counts at which the last rule that holds is another than one count
// before: where a rule starts to hold ("= n" at n, "> n" at n + 1) or stops
// ("= n" at n + 1). The rules of each kind run in rising order, so the
// counts come out rising.
constexpr ChangeCounts TitleChanges(bool years) {
    const auto& rules = RankTitleTable[0].rules;
    const auto lastHolding = [&](std::int32_t count) {
        std::size_t holding = rules.size();
        for (std::size_t i = 0; i < rules.size(); ++i) {
            if (Holds(rules[i], years ? 0 : count, years ? count : 0)) holding = i;
        }
        return holding;
    };
    ChangeCounts changes;
    for (const RankRule& rule : rules) {
        if (IsYearRule(rule) != years) continue;
        for (const std::int32_t at : {rule.number, rule.number + 1}) {
            const bool rising = changes.size == 0 || changes.at[changes.size - 1] < at;
            if (rising && lastHolding(at - 1) != lastHolding(at)) changes.at[changes.size++] = at;
        }
    }
    return changes;
}

constexpr ChangeCounts kDayChanges = TitleChanges(false);
constexpr ChangeCounts kYearChanges = TitleChanges(true);
// Days 0 to 6, every second day to 22, then 26, 30 and every thirty days to
// 330; years 1 to 5, 10, 100, 333, 334 and 1000.
static_assert(kDayChanges.size == 27 && kDayChanges.at[26] == 330);
static_assert(kYearChanges.size == 10 && kYearChanges.at[0] == 1 && kYearChanges.at[9] == 1000);

RankChanges ChangesAround(const ChangeCounts& changes, std::string_view statusMode, std::int32_t count) {
    const bool ladder = std::any_of(RankTitleTable.begin(), RankTitleTable.end(),
                                    [&](const RankLadder& l) { return l.statusMode == statusMode; });
    if (!ladder) return {};
    const auto first = changes.at.begin();
    const auto end = first + static_cast<std::ptrdiff_t>(changes.size);
    const auto next = std::upper_bound(first, end, count);
    RankChanges around;
    if (next != first) around.last = *std::prev(next);
    if (next != end) around.next = *next;
    return around;
}

}  // namespace

RankChanges RankDayChanges(std::string_view statusMode, std::int32_t dayNumber) {
    return ChangesAround(kDayChanges, statusMode, dayNumber);
}

RankChanges RankYearChanges(std::string_view statusMode, std::int32_t elapsedYears) {
    return ChangesAround(kYearChanges, statusMode, elapsedYears);
}
