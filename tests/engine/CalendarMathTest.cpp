// Day counts and spans of the calendar routines, checked against counts made
// here independently: a plain walk over the days with the Gregorian leap rule,
// the standard library's civil calendar, and the month-by-month walk that a
// person does with a month-length table.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "engine/CalendarMath.h"

namespace {

// ---- Known values, checked when the program is compiled ---------------------

static_assert(DaysFromCivil(1970, 1, 1) == 0);
static_assert(DaysFromCivil(1969, 12, 31) == -1);
static_assert(DaysFromCivil(2000, 1, 1) == 10957);
static_assert(DaysFromCivil(2000, 3, 1) == 10957 + 31 + 29);
static_assert(DaysFromCivil(1900, 1, 1) == -25567);
static_assert(MonthLength(2000, 2) == 29);
static_assert(MonthLength(1900, 2) == 28);
static_assert(MonthLength(2024, 2) == 29);
static_assert(MonthLength(2023, 0) == 31);
static_assert(DateDifference(MomentParts{2023, 12, 31, 23, 59}, MomentParts{2024, 1, 1, 0, 0}).TotalMinutes() == 1);
static_assert(DateDifference(MomentParts{2024, 1, 31, 12, 0}, MomentParts{2024, 3, 1, 11, 0}).TotalMinutes() ==
              29 * 1440 + 23 * 60);

// ---- Independent references ---------------------------------------------------

bool IsLeap(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int LengthOf(std::int64_t year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kLengths[month - 1];
}

std::int64_t ChronoDays(int year, int month, int day) {
    const std::chrono::sys_days date =
        std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
        std::chrono::day{static_cast<unsigned>(day)};
    return date.time_since_epoch().count();
}

// Minutes from start to end by the month walk: the rest of the start month,
// every whole month between, and the days into the end month. Only for
// start not after end.
std::int64_t WalkedMinutes(const MomentParts& start, const MomentParts& end) {
    std::int64_t days = 0;
    std::int64_t year = start.year;
    int month = start.month;
    while (year < end.year || (year == end.year && month < end.month)) {
        days += LengthOf(year, month);
        if (++month == 13) {
            month = 1;
            ++year;
        }
    }
    days += end.day - start.day;
    return days * 1440 + (end.hour - start.hour) * 60 + (end.minute - start.minute);
}

struct Date {
    int year;
    int month;
    int day;
};

// Every month end and every 28 February, 29 February (when there is one) and
// 1 March from 1900 to 2100, in date order.
std::vector<Date> AwkwardDates() {
    std::vector<Date> dates;
    for (int year = 1900; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            if (month == 2) dates.push_back({year, 2, 28});
            if (month == 3) dates.push_back({year, 3, 1});
            if (month != 2 || IsLeap(year)) dates.push_back({year, month, LengthOf(year, month)});
        }
    }
    return dates;
}

// ---- Tests --------------------------------------------------------------------

TEST(CalendarMathTest, FebruaryFollowsTheGregorianRule) {
    struct Case {
        std::int64_t year;
        std::int32_t february;
    };
    const Case cases[] = {{2024, 29}, {2000, 29}, {1900, 28}, {2100, 28}, {2400, 29}, {1600, 29},
                          {0, 29},    {-4, 29},   {-100, 28}, {-400, 29}, {1904, 29}, {2096, 29}};
    for (const Case& c : cases) {
        std::int32_t february = 28;
        DaysInFebruary(c.year, february);
        EXPECT_EQ(february, c.february) << c.year;
    }
    for (std::int64_t year = -2000; year <= 3000; year += 4) {
        std::int32_t february = 28;
        DaysInFebruary(year, february);
        EXPECT_EQ(february, IsLeap(year) ? 29 : 28) << year;
    }
}

TEST(CalendarMathTest, MonthLengthsFrom1900To2100MatchTheCivilCalendar) {
    for (int year = 1900; year <= 2100; ++year) {
        for (unsigned month = 1; month <= 12; ++month) {
            const std::chrono::year_month_day_last last{std::chrono::year{year} / std::chrono::month{month} /
                                                        std::chrono::last};
            ASSERT_EQ(MonthLength(year, month), static_cast<std::int32_t>(unsigned{last.day()}))
                << year << "-" << month;
        }
    }
}

TEST(CalendarMathTest, MonthsOutsideTheYearBelongToTheNeighbouringYears) {
    struct Case {
        std::int64_t year;
        std::int64_t month;
        std::int32_t length;
    };
    const Case cases[] = {
        {2024, 0, 31},   // December 2023
        {2023, 13, 31},  // January 2024
        {2023, 14, 29},  // February 2024
        {2025, 14, 28},  // February 2026
        {2001, -10, 29}, // February 2000
        {1901, -10, 28}, // February 1900
        {2024, -1, 30},  // November 2023
        {2024, 24, 31},  // December 2025
        {2024, 26, 28},  // February 2026
    };
    for (const Case& c : cases) EXPECT_EQ(MonthLength(c.year, c.month), c.length) << c.year << "/" << c.month;
}

TEST(CalendarMathTest, EveryDayFrom1900To2100HasTheCountOfAPlainWalk) {
    std::int64_t walked = ChronoDays(1900, 1, 1);
    for (int year = 1900; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= LengthOf(year, month); ++day, ++walked) {
                ASSERT_EQ(DaysFromCivil(year, month, day), walked) << year << "-" << month << "-" << day;
            }
        }
    }
    EXPECT_EQ(walked, ChronoDays(2101, 1, 1));
}

TEST(CalendarMathTest, AwkwardDatesMatchTheCivilCalendar) {
    for (const Date& d : AwkwardDates()) {
        ASSERT_EQ(DaysFromCivil(d.year, d.month, d.day), ChronoDays(d.year, d.month, d.day))
            << d.year << "-" << d.month << "-" << d.day;
    }
}

TEST(CalendarMathTest, DaysRunOnIntoTheNextAndPreviousMonths) {
    EXPECT_EQ(DaysFromCivil(2023, 1, 32), DaysFromCivil(2023, 2, 1));
    EXPECT_EQ(DaysFromCivil(2024, 2, 30), DaysFromCivil(2024, 3, 1));
    EXPECT_EQ(DaysFromCivil(2023, 2, 29), DaysFromCivil(2023, 3, 1));
    EXPECT_EQ(DaysFromCivil(2024, 3, 0), DaysFromCivil(2024, 2, 29));
    EXPECT_EQ(DaysFromCivil(2024, 1, 0), DaysFromCivil(2023, 12, 31));
    EXPECT_EQ(DaysFromCivil(2023, 1, 99), DaysFromCivil(2023, 1, 1) + 98);
    EXPECT_EQ(DaysFromCivil(2023, 13, 1), DaysFromCivil(2024, 1, 1));
    EXPECT_EQ(DaysFromCivil(2024, 0, 1), DaysFromCivil(2023, 12, 1));
    EXPECT_EQ(DaysFromCivil(2024, -11, 1), DaysFromCivil(2023, 1, 1));
    EXPECT_EQ(DaysFromCivil(2024, -12, 1), DaysFromCivil(2022, 12, 1));
}

TEST(CalendarMathTest, SpansAcrossTheCenturyFebruaries) {
    struct Case {
        MomentParts start;
        MomentParts end;
        std::int64_t minutes;
    };
    const Case cases[] = {
        {{1900, 2, 28, 12, 0}, {1900, 3, 1, 12, 0}, 1440},
        {{2000, 2, 28, 12, 0}, {2000, 3, 1, 12, 0}, 2880},
        {{2100, 2, 28, 12, 0}, {2100, 3, 1, 12, 0}, 1440},
        {{2000, 2, 29, 0, 0}, {2000, 3, 1, 0, 0}, 1440},
        {{1900, 1, 1, 0, 0}, {1901, 1, 1, 0, 0}, 365 * 1440},
        {{2000, 1, 1, 0, 0}, {2001, 1, 1, 0, 0}, 366 * 1440},
        {{2100, 1, 1, 0, 0}, {2101, 1, 1, 0, 0}, 365 * 1440},
        {{1900, 1, 1, 0, 0}, {2100, 1, 1, 0, 0}, (200 * 365 + 49) * std::int64_t{1440}},
        {{2023, 12, 31, 23, 59}, {2024, 1, 1, 0, 0}, 1},
        {{2024, 1, 1, 0, 0}, {2024, 1, 1, 0, 0}, 0},
        {{2024, 1, 31, 12, 0}, {2024, 3, 1, 11, 0}, 29 * 1440 + 23 * 60},
    };
    for (const Case& c : cases) {
        const DayMinuteSpan forward = DateDifference(c.start, c.end);
        EXPECT_EQ(forward.TotalMinutes(), c.minutes) << c.start.year << "-" << c.start.month << "-" << c.start.day;
        EXPECT_EQ(forward.days * 1440 + forward.minutes, c.minutes);
        EXPECT_EQ(DateDifference(c.end, c.start).TotalMinutes(), -c.minutes);
    }
}

// Each awkward date, at a time of day that changes along the list, against a
// few fixed moments and against its neighbour in the list, in both
// directions. The neighbours cover every span over a 1900, 2000 or 2100
// February end.
TEST(CalendarMathTest, SpansBetweenAwkwardDatesAreExactBothWays) {
    const MomentParts anchors[] = {
        {1900, 1, 1, 0, 0}, {1900, 2, 28, 23, 59}, {2000, 2, 29, 12, 0}, {2000, 3, 1, 0, 1}, {2100, 12, 31, 23, 59}};
    const std::vector<Date> dates = AwkwardDates();
    std::vector<MomentParts> moments;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        moments.push_back({dates[i].year, dates[i].month, dates[i].day, static_cast<std::int32_t>(i % 24),
                           static_cast<std::int32_t>((i * 7) % 60)});
    }
    const auto exact = [](const MomentParts& start, const MomentParts& end) {
        return (ChronoDays(end.year, end.month, end.day) - ChronoDays(start.year, start.month, start.day)) * 1440 +
               (end.hour - start.hour) * 60 + (end.minute - start.minute);
    };
    for (std::size_t i = 0; i < moments.size(); ++i) {
        const MomentParts& m = moments[i];
        for (const MomentParts& anchor : anchors) {
            const std::int64_t expected = exact(anchor, m);
            ASSERT_EQ(DateDifference(anchor, m).TotalMinutes(), expected) << m.year << "-" << m.month << "-" << m.day;
            ASSERT_EQ(DateDifference(m, anchor).TotalMinutes(), -expected) << m.year << "-" << m.month << "-" << m.day;
        }
        if (i + 1 < moments.size()) {
            const MomentParts& next = moments[i + 1];
            ASSERT_EQ(DateDifference(m, next).TotalMinutes(), WalkedMinutes(m, next))
                << m.year << "-" << m.month << "-" << m.day;
            ASSERT_EQ(DateDifference(next, m).TotalMinutes(), -WalkedMinutes(m, next))
                << m.year << "-" << m.month << "-" << m.day;
        }
    }
    // Whole spans from the start of the range to every awkward date, by the walk.
    for (const MomentParts& m : moments) {
        ASSERT_EQ(DateDifference(anchors[0], m).TotalMinutes(), WalkedMinutes(anchors[0], m))
            << m.year << "-" << m.month << "-" << m.day;
    }
}

}  // namespace
