// The milestones ahead (what, when, how far along) and the ones passed between
// two refreshes: moments written from the rules, and a walk from milestone to
// milestone that holds each moment against the refresh itself.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CalendarMath.h"
#include "engine/MilestoneTexts.h"
#include "engine/ReachedMilestones.h"
#include "engine/RefreshStatus.h"
#include "engine/UpcomingMilestones.h"

namespace {

using enum MilestoneKind;
using enum MilestoneState;

TrackerSettings Quit(const MomentParts& m, std::int32_t perDay = 20, std::int32_t price = 300, std::int32_t size = 85,
                     const char* mode = "ソルジャー") {
    return {.quitYear = m.year, .quitMonth = m.month, .quitDay = m.day, .quitHour = m.hour, .quitMinute = m.minute,
            .cigarettesPerDay = perDay, .pricePer20 = price, .sizeMillimetres = size, .statusMode = mode};
}

constexpr MomentParts kQuit{2026, 3, 10, 9, 41};

UpcomingMilestone Next(const TrackerSettings& s, const MomentParts& now, MilestoneKind kind) {
    return UpcomingMilestones(s, now)[static_cast<std::size_t>(kind)];
}

TrackerStatus At(const TrackerSettings& s, const MomentParts& now) { return ComputeStatus(s, now, 50, ElapsedForm::Calendar); }

std::string Text(const MomentParts& m) {
    return std::to_string(m.year) + "-" + std::to_string(m.month) + "-" + std::to_string(m.day) + " " +
           std::to_string(m.hour) + ":" + std::to_string(m.minute);
}

struct Row { MomentParts now; MilestoneKind kind; std::string_view what; MomentParts when; std::int32_t perMille; };
struct Group { TrackerSettings settings; std::vector<Row> rows; };

TEST(UpcomingMilestones, WhatWhenAndHowFarAlong) {
    const Group groups[] = {
        {Quit(kQuit), {  // 20 a day at 300 yen, size 85: 300 yen and 1.7 m a day
            {kQuit, kDuck, "アヒル副隊長がお祝いに来ます", {2026, 3, 21, 9, 41}, 0},
            {{2026, 3, 21, 9, 40}, kDuck, "アヒル副隊長がお祝いに来ます", {2026, 3, 21, 9, 41}, 999},
            {{2026, 3, 21, 9, 41}, kDuck, "アヒル隊長がお祝いに来ます", {2026, 4, 1, 9, 41}, 0},
            {{2026, 3, 26, 21, 41}, kDuck, "アヒル隊長がお祝いに来ます", {2026, 4, 1, 9, 41}, 500},
            {{2026, 5, 14, 0, 0}, kDuck, "アヒルの王様が喜びます", {2026, 5, 15, 9, 41}, 872},
            {{2026, 3, 1, 0, 0}, kRank, "２等兵", kQuit, 0},  // the quit moment still ahead
            {kQuit, kRank, "１等兵", {2026, 3, 11, 9, 41}, 0},
            {{2026, 3, 20, 9, 41}, kRank, "中尉", {2026, 3, 22, 9, 41}, 0},
            {{2027, 2, 20, 21, 41}, kRank, "ケンシロウ", {2027, 3, 10, 9, 41}, 500},  // from day 330
            {{2126, 3, 10, 9, 41}, kRank, "ルパン三世", {2359, 3, 10, 9, 41}, 0},
            {{2359, 3, 10, 9, 41}, kRank, "宇宙大神", {2360, 3, 10, 9, 41}, 0},
            {{2360, 3, 10, 9, 41}, kRank, "トトロ", {3026, 3, 10, 9, 41}, 0},
            {{2026, 3, 1, 0, 0}, kLungs, "いちばんきれいな色", {2026, 4, 18, 9, 41}, 0},
            {{2026, 4, 18, 9, 40}, kLungs, "いちばんきれいな色", {2026, 4, 18, 9, 41}, 999},
            {kQuit, kLength, "ダチョウの卵（.11ｍ）", {2026, 3, 10, 11, 15}, 0},
            {{2026, 3, 13, 1, 56}, kLength, "フォーミュラ１（4.68ｍ）", {2026, 3, 13, 3, 41}, 0},
            {kQuit, kElapsed, "１ヶ月", {2026, 4, 10, 9, 41}, 0},
            {{2027, 2, 10, 9, 41}, kElapsed, "１年", {2027, 3, 10, 9, 41}, 0},
            {{2027, 9, 9, 9, 41}, kElapsed, "２年", {2028, 3, 10, 9, 41}, 500},
            {{2026, 3, 1, 0, 0}, kMoney, "１万円", {2026, 4, 12, 17, 41}, 0},
        }},
        {Quit(kQuit, 200), {  // 17 m a day: ドムガルト (2.09 m) and ラクダ (2.1 m) come in the same minute
            {{2026, 3, 10, 12, 33}, kLength, "ラクダ（2.1ｍ）", {2026, 3, 10, 12, 39}, 0},
        }},
        {Quit({1926, 3, 10, 9, 41}, 200, 2000, 100), {  // 100 years (36525 days) back; 20 km and 20,000 yen a day
            {kQuit, kRank, "ルパン三世", {2259, 3, 10, 9, 41}, 0},
            {kQuit, kLength, "成層圏を脱しました！（800000ｍ）", {2035, 9, 14, 9, 41}, 703},
            {kQuit, kElapsed, "１０１年", {2027, 3, 10, 9, 41}, 0},
            {kQuit, kMoney, "７億３０５１万円", {2026, 3, 10, 21, 41}, 0},
        }},
        {Quit({2026, 1, 31, 9, 41}), {  // February is too short for the 31st
            {{2026, 1, 31, 9, 41}, kElapsed, "１ヶ月", {2026, 3, 1, 0, 0}, 0},
            {{2026, 3, 1, 0, 0}, kElapsed, "２ヶ月", {2026, 3, 31, 9, 41}, 0},
        }},
        {Quit({2024, 2, 29, 10, 0}), {  // a leap day
            {{2025, 2, 28, 23, 59}, kElapsed, "１年", {2025, 3, 1, 0, 0}, 999},
            {{2027, 3, 1, 0, 0}, kElapsed, "４年", {2028, 2, 29, 10, 0}, 0},
        }},
        {Quit({2025, 12, 15, 23, 59}), {  // across the turn of the year
            {{2025, 12, 15, 23, 59}, kElapsed, "１ヶ月", {2026, 1, 15, 23, 59}, 0},
        }},
    };
    for (const Group& group : groups) {
        for (const Row& row : group.rows) {
            const TrackerSettings& q = group.settings;
            SCOPED_TRACE("quit " + Text({q.quitYear, q.quitMonth, q.quitDay, q.quitHour, q.quitMinute}) + ", now " +
                         Text(row.now));
            const UpcomingMilestone next = Next(group.settings, row.now, row.kind);
            EXPECT_EQ(next.state, kAhead);
            EXPECT_EQ(next.what, row.what);
            EXPECT_EQ(Text(next.when), Text(row.when));
            EXPECT_EQ(next.perMille, row.perMille);
        }
    }
}

TEST(UpcomingMilestones, PastTheLastOrNeverReached) {
    struct Case { TrackerSettings settings; MomentParts now; MilestoneKind kind; MilestoneState state; };
    const Case cases[] = {
        {Quit(kQuit), {2026, 5, 15, 9, 41}, kDuck, kAllReached},
        {Quit(kQuit), {2026, 4, 18, 9, 41}, kLungs, kAllReached},
        {Quit(kQuit), {3026, 3, 10, 9, 41}, kRank, kAllReached},
        {Quit(kQuit, 200, 300, 100), {2135, 9, 15, 9, 41}, kLength, kAllReached},
        {Quit(kQuit, 20, 300, 85, "コスモス"), kQuit, kRank, kNotReachable},
        {Quit(kQuit, 20, 0), kQuit, kMoney, kNotReachable},
        {Quit(kQuit, 0), kQuit, kLength, kNotReachable},
        {Quit({2026, 13, 10, 9, 41}), kQuit, kElapsed, kNotReachable},
        {Quit({2026, 3, 10, 24, 0}), kQuit, kRank, kNotReachable},
        {Quit({2026, 2, 29, 9, 41}), kQuit, kRank, kNotReachable},
        // The refresh counts minutes in 32 bits: some 4083 years.
        {Quit({-2100, 1, 1, 0, 0}), kQuit, kElapsed, kNotReachable},
        {Quit({INT32_MAX, 12, 25, 0, 0}), kQuit, kDuck, kNotReachable},  // day 11 falls in a year past 32 bits
    };
    for (const Case& c : cases) {
        const UpcomingMilestone next = Next(c.settings, c.now, c.kind);
        EXPECT_EQ(next.state, c.state) << Text(c.now) << ", kind " << static_cast<int>(c.kind);
        EXPECT_EQ(next.what, "");
        EXPECT_EQ(next.perMille, c.state == kAllReached ? 1000 : 0);
    }
}

TEST(MilestoneTexts, MonthsYearsAndYen) {
    EXPECT_EQ(WholeMonthsText(11), "１１ヶ月");
    EXPECT_EQ(WholeMonthsText(24), "２年");
    EXPECT_EQ(TenThousandYenText(9999), "９９９９万円");
    EXPECT_EQ(TenThousandYenText(10000), "１億円");
    EXPECT_EQ(TenThousandYenText(10001), "１億１万円");
}

// What the refresh shows of each kind.
std::string Figure(MilestoneKind kind, const TrackerStatus& s) {
    const std::int64_t months = std::int64_t{s.elapsedYears} * 12 + s.elapsedMonths;
    std::string ducks;
    for (const auto* slots : {&s.characters.ducksVisible, &s.characters.rejoicingDucksVisible}) {
        for (const bool shown : *slots) ducks += shown ? 'X' : '.';
    }
    switch (kind) {
        case kDuck: return ducks;
        case kRank: return s.rankTitle;
        case kLungs: return s.lungColor == 255 + 140 * 256 + 140 * 65536 ? "clearest" : "not yet";
        case kLength: return s.comparisonText;
        case kElapsed: return std::to_string(months < 1 ? 0 : months < 12 ? months : months / 12 * 12);
        case kMoney: return std::to_string(s.moneySaved < 10000 ? 0 : s.moneySaved / 10000);
    }
    return {};
}

// Each moment is the first minute at which the refresh shows the milestone,
// and nothing of its kind changes on the way there.
TEST(UpcomingMilestones, EachMomentIsWhereTheRefreshChanges) {
    const std::pair<TrackerSettings, MomentParts> walks[] = {
        {Quit(kQuit), {2026, 3, 1, 0, 0}},
        {Quit({2024, 1, 31, 23, 59}, 200, 2000, 100, "コスモ"), {2024, 1, 31, 23, 59}},
        {Quit({2024, 2, 29, 10, 0}, 7, 450, 50), {2024, 2, 29, 10, 0}},
        {Quit({1926, 2, 28, 12, 0}, 1, 1, 50), {2026, 3, 10, 9, 41}},
    };
    for (const auto& [settings, start] : walks) {
        for (const MilestoneKind kind : {kDuck, kRank, kLungs, kLength, kElapsed, kMoney}) {
            MomentParts now = start;
            for (int step = 0; step < 700; ++step) {
                const UpcomingMilestone next = Next(settings, now, kind);
                if (next.state != kAhead) break;
                SCOPED_TRACE("kind " + std::to_string(static_cast<int>(kind)) + " from " + Text(now) + " to " +
                             Text(next.when));
                const TrackerStatus was = At(settings, now);
                const TrackerStatus before = At(settings, CivilFromMinutes(MinutesFromCivil(next.when) - 1));
                const TrackerStatus then = At(settings, next.when);
                ASSERT_EQ(Figure(kind, before), Figure(kind, was));
                ASSERT_NE(Figure(kind, then), Figure(kind, before));
                EXPECT_TRUE(kind != kRank || next.what == then.rankTitle);
                EXPECT_TRUE(kind != kLength || next.what.starts_with(then.comparisonText + "（"));
                // The length comparison is the one kind that is not told.
                EXPECT_TRUE(kind == kLength || !ReachedMilestones(before, then).empty());
                now = next.when;
            }
        }
    }
}

TEST(ReachedMilestones, OneLineOfEachKindPassedAndNothingBackwards) {
    using Lines = std::vector<std::string>;
    struct Case { MomentParts previous, current; Lines lines; };
    const Case cases[] = {
        {kQuit, kQuit, {}},
        {{2026, 3, 21, 9, 41}, {2026, 3, 21, 9, 40}, {}},
        {{2026, 5, 19, 9, 41}, kQuit, {}},
        {{2026, 3, 21, 9, 40}, {2026, 3, 21, 9, 41}, {"アヒル副隊長がお祝いに来ました"}},
        {{2026, 4, 1, 9, 40}, {2026, 4, 1, 9, 41}, {"アヒル隊長がお祝いに来ました", "ステータスが少将になりました"}},
        {{2026, 3, 1, 0, 0}, kQuit, {"ステータスが２等兵になりました"}},
        {{2026, 4, 12, 17, 40}, {2026, 4, 12, 17, 41}, {"節約できた金額が１万円に達しました"}},
        {{2027, 3, 10, 9, 40}, {2027, 3, 10, 9, 41}, {"ステータスがケンシロウになりました", "ヨルマから１年経過しました"}},
        {{2027, 5, 10, 9, 40}, {2027, 5, 10, 9, 41}, {}},  // a month of the second year is not told
        // A jump forward of 70 days: the latest of each kind only.
        {kQuit, {2026, 5, 19, 9, 41}, {"アヒルの王様が喜んでいます", "ステータスが元帥になりました", "肺がいちばんきれいな色になりました",
                                       "ヨルマから２ヶ月経過しました", "節約できた金額が２万円に達しました"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReachedMilestones(At(Quit(kQuit), c.previous), At(Quit(kQuit), c.current)), c.lines)
            << Text(c.previous) << " to " << Text(c.current);
    }
}

}  // namespace
