#pragma once
// Gregorian calendar arithmetic in closed form: no walking over months or
// years, so any 32-bit moment is handled in constant time.

#include <cstdint>

#include "engine/MomentParts.h"

// February of a year that is divisible by 4: 29, but 28 for a year divisible
// by 100 and not by 400. Callers set the entry to 28 first.
constexpr void DaysInFebruary(std::int64_t year, std::int32_t& february) {
    february = 29;
    if (year % 100 == 0) february = 28;
    if (year % 400 == 0) february = 29;
}

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b) { return a - FloorDiv(a, b) * b; }

// Length of a month. A month outside 1 to 12 counts from January of the year
// (0 is December of the year before, 13 January of the year after).
constexpr std::int32_t MonthLength(std::int64_t year, std::int64_t month) {
    year += FloorDiv(month - 1, 12);
    month = FloorMod(month - 1, 12) + 1;
    constexpr std::int32_t kLengths[13] = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::int32_t length = kLengths[month];
    if (month == 2 && year % 4 == 0) DaysInFebruary(year, length);
    return length;
}

// Days from 1 January 1970 to the given date. Months outside 1 to 12 roll
// into the neighbouring years and days outside the month run on into the
// next or previous months, so every 32-bit date has exactly one day number.
constexpr std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    year += FloorDiv(month - 1, 12);
    month = FloorMod(month - 1, 12) + 1;
    // March-based year: the leap day falls at the end.
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t m = month;
    const std::int64_t dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + (day - 1);
}

struct DayMinuteSpan {
    std::int64_t days = 0;
    std::int64_t minutes = 0;  // not normalised: may be negative or above 1440

    constexpr std::int64_t TotalMinutes() const { return days * 1440 + minutes; }
};

// The exact span from start to end: days × 1440 + minutes.
constexpr DayMinuteSpan DateDifference(const MomentParts& start, const MomentParts& end) {
    return {DaysFromCivil(end.year, end.month, end.day) - DaysFromCivil(start.year, start.month, start.day),
            (std::int64_t{end.hour} * 60 + end.minute) - (std::int64_t{start.hour} * 60 + start.minute)};
}

struct CivilDate {
    std::int64_t year = 0;
    std::int32_t month = 1;
    std::int32_t day = 1;
};

// The inverse of DaysFromCivil: the date of a day number.
constexpr CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = FloorDiv(days, 146097);
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    // March-based month, so that the leap day falls at the end.
    const std::int64_t m = (5 * dayOfYear + 2) / 153;
    const auto month = static_cast<std::int32_t>(m < 10 ? m + 3 : m - 9);
    const auto day = static_cast<std::int32_t>(dayOfYear - (153 * m + 2) / 5 + 1);
    return {era * 400 + yearOfEra + (month <= 2 ? 1 : 0), month, day};
}

static_assert(CivilFromDays(0).year == 1970 && CivilFromDays(0).month == 1 && CivilFromDays(0).day == 1);
static_assert(CivilFromDays(DaysFromCivil(2000, 2, 29)).day == 29);
static_assert(CivilFromDays(DaysFromCivil(1900, 3, 1) - 1).day == 28);

// Minutes from 1 January 1970, 00:00, on the engine's calendar: every day has
// 1440 minutes, so a moment N days later has the same clock time.
constexpr std::int64_t MinutesFromCivil(const MomentParts& m) {
    return DaysFromCivil(m.year, m.month, m.day) * 1440 + std::int64_t{m.hour} * 60 + m.minute;
}

// The inverse of MinutesFromCivil, for a moment whose year fits in 32 bits.
constexpr MomentParts CivilFromMinutes(std::int64_t minutes) {
    const CivilDate date = CivilFromDays(FloorDiv(minutes, 1440));
    const std::int64_t ofDay = FloorMod(minutes, 1440);
    return {static_cast<std::int32_t>(date.year), date.month, date.day, static_cast<std::int32_t>(ofDay / 60),
            static_cast<std::int32_t>(ofDay % 60)};
}
