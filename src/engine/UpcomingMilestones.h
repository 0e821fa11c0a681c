#pragma once
// The milestones still ahead of the user, one of each kind: what it is, the
// moment it is reached and how far along the way to it the user is. A pure
// function of the settings and the present moment, on the refresh's own
// calendar: N days after the quit moment is the same clock time N calendar
// days later. Each moment is the first minute at which the refresh shows the
// milestone; the minute before, it does not yet.
//
// Computed in closed form, without walking over days or minutes: the day
// counts directly, money and length by dividing the amount by the rate, the
// whole months from the calendar month they fall in.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/MomentParts.h"
#include "engine/TrackerSettings.h"

// In the order the view lists them.
enum class MilestoneKind : std::uint8_t {
    kDuck,     // the next arrival or rejoicing of a duck
    kRank,     // the next rank title of the chosen ladder
    kLungs,    // the lungs' last, palest colour
    kLength,   // the next object of the length comparison
    kElapsed,  // the next whole month of the first year, then the next whole year
    kMoney,    // the next multiple of 10,000 yen saved
};
inline constexpr std::size_t kMilestoneKindCount = 6;

enum class MilestoneState : std::uint8_t {
    kAhead,
    kAllReached,    // past the last milestone of its kind
    kNotReachable,  // none ahead that the figures will ever show: a price or a count of 0, a rank
                    // mode that is neither ladder, a quit moment no calendar has, or beyond the
                    // 32-bit minute count where the figures stop
};

struct UpcomingMilestone {
    MilestoneKind kind = MilestoneKind::kDuck;
    MilestoneState state = MilestoneState::kAhead;
    // Set only while ahead: "アヒル隊長がお祝いに来ます", "大尉", "いちばんきれいな色",
    // "ダチョウの卵（.11ｍ）" (the length as the cigarette figure writes it), "１ヶ月", "３万円".
    std::string what;
    MomentParts when;  // local, to the minute
    // How far from the previous milestone of the kind (or the quit moment) to
    // this one, 0 to 1000; 1000 once all are reached, 0 when none is reachable.
    std::int32_t perMille = 0;
};

// now: a reading of the clock, a valid date and time.
std::array<UpcomingMilestone, kMilestoneKindCount> UpcomingMilestones(const TrackerSettings& settings,
                                                                      const MomentParts& now);
