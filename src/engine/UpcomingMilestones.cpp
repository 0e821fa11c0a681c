#include "engine/UpcomingMilestones.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <string_view>
#include <tuple>
#include <utility>

#include "engine/CalendarMath.h"
#include "engine/LengthComparisonTable.h"
#include "engine/LungAndCharacters.h"
#include "engine/MilestoneTexts.h"
#include "engine/NumberText.h"
#include "engine/RankTitles.h"

namespace {

using enum MilestoneKind;
using enum MilestoneState;

__extension__ typedef __int128 Int128;

constexpr std::int64_t kMinutesPerDay = 1440;
// The refresh holds its minute count in 32 bits; past this its figures stand still.
constexpr std::int64_t kLastCountedMinute = std::numeric_limits<std::int32_t>::max();
// The last minute of the last year that a moment's 32 bits hold.
constexpr std::int64_t kLastMomentOfYears =
    MinutesFromCivil({std::numeric_limits<std::int32_t>::max(), 12, 31, 23, 59});

Int128 FloorDiv128(Int128 a, Int128 b) {
    const Int128 q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

Int128 CeilDiv128(Int128 a, Int128 b) { return -FloorDiv128(-a, b); }

// Moments are counted as the refresh counts them: minutes since the quit moment.
struct Clock {
    const TrackerSettings& settings;
    std::int64_t quit;    // the quit moment, as minutes of the calendar
    std::int64_t now;     // minutes since the quit moment, within 32 bits
    MomentParts reading;  // the present moment as read
};

UpcomingMilestone AllReached(MilestoneKind kind) { return {kind, kAllReached, {}, {}, 1000}; }

UpcomingMilestone NotReachable(MilestoneKind kind) { return {kind, kNotReachable, {}, {}, 0}; }

// previous, next: the moments of the milestone before (or the quit moment) and of this one.
UpcomingMilestone Ahead(const Clock& clock, MilestoneKind kind, Int128 previous, Int128 next, std::string what) {
    if (next > kLastCountedMinute) return NotReachable(kind);
    const std::int64_t at = clock.quit + static_cast<std::int64_t>(next);
    if (at > kLastMomentOfYears) return NotReachable(kind);
    UpcomingMilestone milestone{kind, kAhead, std::move(what), CivilFromMinutes(at), 0};
    const Int128 span = next - previous;
    if (span > 0) {
        const Int128 along = (clock.now - previous) * 1000 / span;
        milestone.perMille = static_cast<std::int32_t>(std::clamp<Int128>(along, 0, 1000));
    }
    return milestone;
}

UpcomingMilestone NextDuck(const Clock& clock) {
    const std::int64_t day = FloorDiv(clock.now, kMinutesPerDay);
    std::int64_t previous = 0;
    for (const DuckEvent& event : kDuckEvents) {
        const std::int64_t at = event.day * kMinutesPerDay;
        if (event.day > day) {
            return Ahead(clock, kDuck, previous, at,
                         std::string(event.duck) + (event.rejoices ? "が喜びます" : "がお祝いに来ます"));
        }
        previous = at;
    }
    return AllReached(kDuck);
}

UpcomingMilestone NextLungColor(const Clock& clock) {
    if (FloorDiv(clock.now, kMinutesPerDay) >= kLungsClearestDay) return AllReached(kLungs);
    return Ahead(clock, kLungs, 0, kLungsClearestDay * kMinutesPerDay, "いちばんきれいな色");
}

// Only for a quit moment that is a date and time of the calendar do the
// refresh's calendar parts (read from the fields as written) and its day count
// (from the moment those fields add up to) agree, and count whole months as
// WholeMonthsAt does.
bool HasCalendarQuitMoment(const TrackerSettings& s) {
    return s.quitMonth >= 1 && s.quitMonth <= 12 && s.quitDay >= 1 &&
           s.quitDay <= MonthLength(s.quitYear, s.quitMonth) && s.quitHour >= 0 && s.quitHour <= 23 &&
           s.quitMinute >= 0 && s.quitMinute <= 59;
}

// Years × 12 + months of the refresh's calendar parts: the months between the
// two calendar months, one less while the day and time are short of the quit's.
std::int64_t WholeMonthsAt(const TrackerSettings& s, const MomentParts& now) {
    const bool shortOfQuit = std::tie(now.day, now.hour, now.minute) < std::tie(s.quitDay, s.quitHour, s.quitMinute);
    return (std::int64_t{now.year} * 12 + now.month) - (std::int64_t{s.quitYear} * 12 + s.quitMonth) -
           (shortOfQuit ? 1 : 0);
}

// When wholeMonths whole months are complete: at the quit's day and time that
// many months on, or, where that month is too short for the day, as the next
// month begins (a quit on 31 January completes its first month on 1 March).
std::int64_t WholeMonthsMoment(const Clock& clock, std::int64_t wholeMonths) {
    const TrackerSettings& s = clock.settings;
    const std::int64_t monthIndex = std::int64_t{s.quitYear} * 12 + (s.quitMonth - 1) + wholeMonths;
    const std::int64_t year = FloorDiv(monthIndex, 12);
    const std::int64_t month = FloorMod(monthIndex, 12) + 1;
    if (s.quitDay > MonthLength(year, month)) return DaysFromCivil(year, month + 1, 1) * kMinutesPerDay - clock.quit;
    return DaysFromCivil(year, month, s.quitDay) * kMinutesPerDay + std::int64_t{s.quitHour} * 60 + s.quitMinute -
           clock.quit;
}

UpcomingMilestone NextWholeMonths(const Clock& clock) {
    if (!HasCalendarQuitMoment(clock.settings)) return NotReachable(kElapsed);
    const std::int64_t months = WholeMonthsAt(clock.settings, clock.reading);
    // Month by month through the first year, then year by year.
    const std::int64_t next = months < 11 ? std::max<std::int64_t>(months + 1, 1) : (FloorDiv(months, 12) + 1) * 12;
    const std::int64_t previous = next <= 12 ? next - 1 : next - 12;
    return Ahead(clock, kElapsed, WholeMonthsMoment(clock, previous), WholeMonthsMoment(clock, next),
                 WholeMonthsText(next));
}

UpcomingMilestone NextRankTitle(const Clock& clock) {
    const TrackerSettings& s = clock.settings;
    if (!HasCalendarQuitMoment(s)) return NotReachable(kRank);
    const std::string_view mode = s.statusMode;
    const auto day = static_cast<std::int32_t>(FloorDiv(clock.now, kMinutesPerDay));
    const std::int64_t years = FloorDiv(WholeMonthsAt(s, clock.reading), 12);
    const RankChanges days = RankDayChanges(mode, day);
    const RankChanges yearChanges =
        RankYearChanges(mode, static_cast<std::int32_t>(std::clamp<std::int64_t>(years, 0, kLastCountedMinute)));
    // Every day title begins within the first year (day 330 at the latest).
    const std::int64_t previousDay = days.last.value_or(0) * kMinutesPerDay;
    if (years < 1 && days.next) {
        return Ahead(clock, kRank, previousDay, *days.next * kMinutesPerDay,
                     std::string(SelectRankTitle(mode, *days.next, 0)));
    }
    if (yearChanges.next) {
        const std::int64_t previous =
            years < 1 ? previousDay : WholeMonthsMoment(clock, std::int64_t{*yearChanges.last} * 12);
        return Ahead(clock, kRank, previous, WholeMonthsMoment(clock, std::int64_t{*yearChanges.next} * 12),
                     std::string(SelectRankTitle(mode, 0, *yearChanges.next)));
    }
    // Past a ladder's last change; a mode that is no ladder never had one.
    return yearChanges.last ? AllReached(kRank) : NotReachable(kRank);
}

// A length the way the cigarette figure writes it: metres to two decimals,
// half to even, without a zero before the mark ("ダチョウの卵" at 110 mm: .11).
std::string MetresText(std::int64_t millimetres) {
    std::int64_t hundredths = millimetres / 10;
    const std::int64_t rest = millimetres % 10;
    if (rest > 5 || (rest == 5 && hundredths % 2 != 0)) ++hundredths;
    return TrimmedMetresNumberText(hundredths) + "ｍ";
}

UpcomingMilestone NextComparison(const Clock& clock) {
    const TrackerSettings& s = clock.settings;
    // Millimetres a day: the length at minute T is T × rate / 1440, floored.
    const Int128 rate = Int128{s.sizeMillimetres} * s.cigarettesPerDay;
    if (rate <= 0) return NotReachable(kLength);
    const auto lengthAt = [&](Int128 minute) { return FloorDiv128(minute * rate, kMinutesPerDay); };
    const auto firstMinuteReaching = [&](Int128 length) { return CeilDiv128(length * kMinutesPerDay, rate); };
    // The rows that ever show: the first at any length, the last at the stratosphere.
    const auto byThreshold = [](Int128 length, const ComparisonRow& row) { return length < row.threshold; };
    const auto rows = std::next(LengthComparisonTable.begin());
    const auto end = std::upper_bound(rows, LengthComparisonTable.end(), Int128{kStratosphereLimit}, byThreshold);
    const auto rowAt = [&](Int128 length) { return std::prev(std::upper_bound(rows, end, length, byThreshold)); };

    const auto reached = rowAt(lengthAt(clock.now));
    const auto next = std::next(reached);
    if (next == end) return AllReached(kLength);
    const Int128 at = firstMinuteReaching(next->threshold);
    if (at > kLastCountedMinute) return NotReachable(kLength);
    // Where the length grows by more than a row in a minute, a later row shows.
    const auto shown = rowAt(lengthAt(at));
    return Ahead(clock, kLength, firstMinuteReaching(reached->threshold), at,
                 std::string(shown->text) + "（" + MetresText(shown->threshold) + "）");
}

UpcomingMilestone NextTenThousandYen(const Clock& clock) {
    const TrackerSettings& s = clock.settings;
    // The money at minute T is T × perDay × price / (1440 × 20), floored.
    const Int128 rate = Int128{s.cigarettesPerDay} * s.pricePer20;
    constexpr Int128 kPerMinute = kMinutesPerDay * 20;
    if (rate <= 0) return NotReachable(kMoney);
    const auto savedAt = [&](Int128 minute) { return FloorDiv128(minute * rate, kPerMinute); };
    const auto firstMinuteSaving = [&](Int128 yen) { return CeilDiv128(yen * kPerMinute, rate); };
    const Int128 next = std::max<Int128>(FloorDiv128(savedAt(clock.now), 10000) + 1, 1);
    const Int128 at = firstMinuteSaving(next * 10000);
    // More than 10,000 yen a minute passes several at once.
    const Int128 shown = FloorDiv128(savedAt(at), 10000);
    // The figure stops at its 64-bit limit.
    if (at > kLastCountedMinute || savedAt(at) > std::numeric_limits<std::int64_t>::max()) return NotReachable(kMoney);
    return Ahead(clock, kMoney, firstMinuteSaving((next - 1) * 10000), at,
                 TenThousandYenText(static_cast<std::int64_t>(shown)));
}

}  // namespace

std::array<UpcomingMilestone, kMilestoneKindCount> UpcomingMilestones(const TrackerSettings& settings,
                                                                      const MomentParts& now) {
    const std::int64_t quit = MinutesFromCivil(
        {settings.quitYear, settings.quitMonth, settings.quitDay, settings.quitHour, settings.quitMinute});
    const std::int64_t sinceQuit = std::clamp<std::int64_t>(
        MinutesFromCivil(now) - quit, std::numeric_limits<std::int32_t>::min(), kLastCountedMinute);
    const Clock clock{settings, quit, sinceQuit, now};
    return {NextDuck(clock),       NextRankTitle(clock),   NextLungColor(clock),
            NextComparison(clock), NextWholeMonths(clock), NextTenThousandYen(clock)};
}
