// The milestones ahead: what, when and how far along, as worked examples, and
// a walk from milestone to milestone that holds each moment against the
// refresh itself.

#include "engine/UpcomingMilestones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Examples.h"
#include "engine/CalendarMath.h"
#include "engine/ReachedMilestones.h"
#include "support/GoldenTable.h"

namespace {

using enum MilestoneKind;
using enum MilestoneState;

constexpr std::array<std::string_view, kMilestoneKindCount> kKindNames{"duck",   "rank",    "lungs",
                                                                       "length", "elapsed", "money"};
constexpr std::array<std::string_view, 3> kStateNames{"ahead", "all reached", "not reachable"};

MilestoneKind KindNamed(std::string_view name) {
    const auto found = std::find(kKindNames.begin(), kKindNames.end(), name);
    if (found == kKindNames.end()) throw std::invalid_argument("no milestone kind " + std::string(name));
    return static_cast<MilestoneKind>(found - kKindNames.begin());
}

UpcomingMilestone Next(const TrackerSettings& settings, const MomentParts& now, MilestoneKind kind) {
    return UpcomingMilestones(settings, now)[static_cast<std::size_t>(kind)];
}

// The settings that a row of either table names.
TrackerSettings SettingsOf(const GoldenRow& row) {
    TrackerSettings settings = Profile(Moment(row.Text("quit")), row.Int("perDay"), row.Int("price"), row.Int("size"));
    settings.statusMode = row.Text("mode");
    return settings;
}

// What the refresh shows of each kind.
std::string Figure(MilestoneKind kind, const TrackerStatus& status) {
    const std::int64_t months = std::int64_t{status.elapsedYears} * 12 + status.elapsedMonths;
    switch (kind) {
        case kDuck: return Slots(status.characters.ducksVisible) + Slots(status.characters.rejoicingDucksVisible);
        case kRank: return status.rankTitle;
        case kLungs: return status.lungColor == 255 + 140 * 256 + 140 * 65536 ? "clearest" : "not yet";
        case kLength: return status.comparisonText;
        case kElapsed: return std::to_string(months < 12 ? std::max<std::int64_t>(months, 0) : months / 12 * 12);
        case kMoney: return std::to_string(std::max<std::int64_t>(status.moneySaved / 10000, 0));
    }
    return {};
}

// Each moment is the first minute at which the refresh shows the milestone,
// and nothing of its kind changes on the way there.
void WalkFromMilestoneToMilestone(const TrackerSettings& settings, MomentParts now, MilestoneKind kind) {
    for (int step = 0; step < 700; ++step) {
        const UpcomingMilestone next = Next(settings, now, kind);
        if (next.state != kAhead) return;
        SCOPED_TRACE("from " + MomentText(now) + " to " + MomentText(next.when));
        const TrackerStatus was = StatusAt(settings, now);
        const TrackerStatus before = StatusAt(settings, CivilFromMinutes(MinutesFromCivil(next.when) - 1));
        const TrackerStatus then = StatusAt(settings, next.when);
        ASSERT_EQ(Figure(kind, before), Figure(kind, was));
        ASSERT_NE(Figure(kind, then), Figure(kind, before));
        EXPECT_TRUE(kind != kRank || next.what == then.rankTitle);
        EXPECT_TRUE(kind != kLength || next.what.starts_with(then.comparisonText + "（"));
        // The length comparison is the one kind that is not told.
        EXPECT_TRUE(kind == kLength || !ReachedMilestones(before, then).empty());
        now = next.when;
    }
}

}  // namespace

TEST(UpcomingMilestones, WhatWhenAndHowFarAlong) {
    CheckGoldenTable("engine/UpcomingMilestones.txt", [](const GoldenRow& row) {
        const TrackerSettings settings = SettingsOf(row);
        const UpcomingMilestone next = Next(settings, Moment(row.Text("now")), KindNamed(row.Text("kind")));
        const bool ahead = next.state == kAhead;
        return Results(kStateNames.at(static_cast<std::size_t>(next.state)), next.what,
                       ahead ? MomentText(next.when) : "-", next.perMille);
    });
}

TEST(UpcomingMilestones, EachMomentIsWhereTheRefreshChanges) {
    CheckGoldenTable("engine/UpcomingMilestones-walks.txt", [](const GoldenRow& row) {
        const TrackerSettings settings = SettingsOf(row);
        WalkFromMilestoneToMilestone(settings, Moment(row.Text("start")), KindNamed(row.Text("kind")));
        return Results();
    });
}
