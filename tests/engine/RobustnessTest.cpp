// Hand-edited data files and clocks set far off can hand the first refresh
// stage any 32-bit values. It must finish quickly without undefined behaviour
// (run these under the address and undefined-behaviour sanitizers), keep
// every figure exact where it fits and clamp it where it does not, never
// wrapping into the wrong sign.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "engine/CalendarMath.h"
#include "engine/ElapsedFigures.h"
#include "engine/NumberText.h"

namespace {

__extension__ typedef __int128 Wide;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();

Wide Floor(Wide numerator, Wide denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    Wide q = numerator / denominator;
    if (numerator % denominator != 0 && numerator < 0) --q;
    return q;
}

Wide Bound(Wide value, Wide low, Wide high) { return value < low ? low : (value > high ? high : value); }

// Days from 1 January of year 0 by counting leap years, a different road from
// the program's 400-year cycles. Months outside 1 to 12 roll into the
// neighbouring years; days outside the month run on.
Wide CountedDays(std::int64_t year, std::int64_t month, std::int64_t day) {
    const Wide monthIndex = Wide{month} - 1;
    const Wide y = Wide{year} + Floor(monthIndex, 12);
    const int m = static_cast<int>(monthIndex - Floor(monthIndex, 12) * 12) + 1;
    const auto ceil = [](Wide a, Wide b) { return -Floor(-a, b); };
    const Wide leapYearsBefore = ceil(y, 4) - ceil(y, 100) + ceil(y, 400);
    static constexpr int kBefore[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return 365 * y + leapYearsBefore + kBefore[m] + ((leap && m > 2) ? 1 : 0) + (Wide{day} - 1);
}

Wide ExactSpan(const TrackerSettings& s, const MomentParts& now) {
    return (CountedDays(now.year, now.month, now.day) - CountedDays(s.quitYear, s.quitMonth, s.quitDay)) * 1440 +
           (Wide{now.hour} - s.quitHour) * 60 + (Wide{now.minute} - s.quitMinute);
}

int Sign(Wide v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

bool IsBorrowReady(std::int32_t month) { return month >= 1 && month <= 12; }

std::string Text(const TrackerSettings& s, const MomentParts& now) {
    return "quit " + std::to_string(s.quitYear) + "/" + std::to_string(s.quitMonth) + "/" +
           std::to_string(s.quitDay) + " " + std::to_string(s.quitHour) + ":" + std::to_string(s.quitMinute) +
           " now " + std::to_string(now.year) + "/" + std::to_string(now.month) + "/" + std::to_string(now.day) +
           " " + std::to_string(now.hour) + ":" + std::to_string(now.minute) + " profile " +
           std::to_string(s.cigarettesPerDay) + ", " + std::to_string(s.pricePer20) + ", " +
           std::to_string(s.sizeMillimetres) + ", " + std::to_string(s.tobaccoTaxPer1000) + ", " +
           std::to_string(s.consumptionTaxPercent);
}

// Computes one refresh stage and checks every figure against its exact value,
// clamped to its field.
void CheckFigures(const TrackerSettings& s, const MomentParts& now) {
    TrackerStatus st;
    ComputeElapsedFigures(s, now, st);

    const Wide t = Bound(ExactSpan(s, now), kMin, kMax);
    ASSERT_EQ(st.totalMinutes, t) << Text(s, now);
    ASSERT_EQ(st.dayNumber, Floor(t, 1440)) << Text(s, now);

    const Wide c = s.cigarettesPerDay, p = s.pricePer20, size = s.sizeMillimetres;
    const Wide tax = s.tobaccoTaxPer1000, percent = s.consumptionTaxPercent;
    ASSERT_EQ(st.moneySaved, Bound(Floor(t * c * p, 28800), kMin64, kMax64)) << Text(s, now);
    ASSERT_EQ(st.tobaccoTaxPart, Bound(Floor(tax * t * c, 1440000), kMin64, kMax64)) << Text(s, now);
    if (percent != -100) {
        ASSERT_EQ(st.consumptionTaxPart, Bound(Floor(t * c * p * percent, 28800 * (percent + 100)), kMin64, kMax64))
            << Text(s, now);
    } else {
        ASSERT_EQ(st.consumptionTaxPart, 0) << Text(s, now);
    }
    ASSERT_EQ(st.lifeMinutes, Bound(Floor(t * c * 11, 2880), kMin, kMax)) << Text(s, now);
    ASSERT_EQ(st.cigarettesNotSmoked, Bound(Floor(t * c, 1440), kMin64, kMax64)) << Text(s, now);
    ASSERT_EQ(st.lengthWholeMillimetres, Bound(Floor(t * c * size, 1440), kMin64, kMax64)) << Text(s, now);
    // Hundredths of a metre, rounded: never more than one away from the floor.
    const Wide hundredths = Floor(t * c * size, 14400);
    ASSERT_GE(Wide{st.lengthCentimetres}, Bound(hundredths, kMin64, kMax64)) << Text(s, now);
    ASSERT_LE(Wide{st.lengthCentimetres}, Bound(hundredths + 1, kMin64, kMax64)) << Text(s, now);
    ASSERT_EQ(Sign(Wide{st.lengthCentimetres}) * Sign(t * c * size), Sign(Wide{st.lengthCentimetres}) == 0 ? 0 : 1)
        << Text(s, now);

    if (IsBorrowReady(s.quitMonth) && IsBorrowReady(now.month)) {
        // Each part is its plain difference plus what the borrow rules add,
        // clamped to the field: it may grow with the span but never turns over.
        const Wide minutes = Wide{now.minute} - s.quitMinute;
        ASSERT_EQ(st.elapsedMinutes, Bound(minutes < 0 ? minutes + 60 : minutes, kMin, kMax)) << Text(s, now);
        const Wide nowHour = Wide{now.hour} - (minutes < 0 ? 1 : 0);
        const Wide hours = nowHour - s.quitHour;
        ASSERT_EQ(st.elapsedHours, Bound(hours < 0 ? hours + 24 : hours, kMin, kMax)) << Text(s, now);
        const Wide nowDay = Wide{now.day} - (hours < 0 ? 1 : 0);
        const Wide days = nowDay - s.quitDay;
        if (days >= 0) {
            ASSERT_EQ(st.elapsedDays, Bound(days, kMin, kMax)) << Text(s, now);
        } else {
            ASSERT_GE(st.elapsedDays, Bound(days + 28, kMin, kMax)) << Text(s, now);
            ASSERT_LE(st.elapsedDays, Bound(days + 31, kMin, kMax)) << Text(s, now);
        }
        const Wide nowMonth = Wide{now.month} - (days < 0 ? 1 : 0);
        const Wide months = nowMonth - s.quitMonth;
        ASSERT_EQ(st.elapsedMonths, months < 0 ? months + 12 : months) << Text(s, now);
        ASSERT_EQ(st.elapsedYears, Bound(Wide{now.year} - s.quitYear - (months < 0 ? 1 : 0), kMin, kMax)) << Text(s, now);
    }

    for (const int i : {kElapsedCaption, kLifeCaption, kMoneyCaption}) {
        const std::string& caption = st.captions[static_cast<std::size_t>(i)];
        ASSERT_FALSE(caption.empty()) << Text(s, now);
        if (i != kMoneyCaption) {
            ASSERT_EQ(caption.find_first_of("0123456789-+. "), std::string::npos) << caption << " " << Text(s, now);
        }
    }
}

using Field = std::int32_t TrackerSettings::*;

const Field kFields[] = {
    &TrackerSettings::quitYear,         &TrackerSettings::quitMonth,         &TrackerSettings::quitDay,
    &TrackerSettings::quitHour,         &TrackerSettings::quitMinute,        &TrackerSettings::cigarettesPerDay,
    &TrackerSettings::pricePer20,       &TrackerSettings::sizeMillimetres,   &TrackerSettings::tobaccoTaxPer1000,
    &TrackerSettings::consumptionTaxPercent,
};

const std::int32_t kOddValues[] = {kMin, kMin + 1, -101, -100, -99, -1, 0,    1,        2,   7, 12,
                                   13,   29,       31,   59,   60,  99, 100, 7777, kMax - 1, kMax};

const MomentParts kNows[] = {
    {2024, 2, 29, 12, 0},  {kMin, 1, 1, 0, 0},      {kMax, 12, 31, 23, 59}, {kMax, kMax, kMax, kMax, kMax},
    {kMin, kMin, kMin, kMin, kMin}, {0, 0, 0, 0, 0}, {2024, 13, 99, 99, -1},  {-1, 1, 1, 0, 0},
};

TrackerSettings Ordinary() {
    TrackerSettings s;
    s.quitYear = 2023;
    s.quitMonth = 6;
    s.quitDay = 15;
    s.quitHour = 8;
    s.quitMinute = 30;
    return s;
}

TEST(RobustnessTest, EveryFieldAtOddValuesAgainstOddClocks) {
    for (const Field field : kFields) {
        for (const std::int32_t value : kOddValues) {
            TrackerSettings s = Ordinary();
            s.*field = value;
            for (const MomentParts& now : kNows) CheckFigures(s, now);
        }
    }
}

TEST(RobustnessTest, EveryClockFieldAtOddValues) {
    std::int32_t MomentParts::*const parts[] = {&MomentParts::year, &MomentParts::month, &MomentParts::day,
                                                &MomentParts::hour, &MomentParts::minute};
    for (const auto part : parts) {
        for (const std::int32_t value : kOddValues) {
            MomentParts now{2024, 2, 29, 12, 0};
            now.*part = value;
            CheckFigures(Ordinary(), now);
        }
    }
}

TEST(RobustnessTest, RandomMixturesOfOddValues) {
    std::mt19937 random(20240229u);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kOddValues) - 1);
    std::uniform_int_distribution<std::int32_t> any(kMin, kMax);
    for (int i = 0; i < 6000; ++i) {
        // About a third of the fields keep their ordinary value; the second
        // odd value stands for any 32-bit number.
        TrackerSettings s = Ordinary();
        for (const Field field : kFields) {
            const std::size_t k = pick(random);
            if (k % 3 != 0) s.*field = kOddValues[k];
            if (k == 1) s.*field = any(random);
        }
        MomentParts now{};
        for (std::int32_t* part : {&now.year, &now.month, &now.day, &now.hour, &now.minute}) {
            const std::size_t k = pick(random);
            *part = k == 1 ? any(random) : kOddValues[k];
        }
        CheckFigures(s, now);
        if (HasFatalFailure()) return;
    }
}

TEST(RobustnessTest, TotalMinutesClampAtTheInt32Bounds) {
    namespace chr = std::chrono;
    const auto minutesAfterEpoch = [](std::int64_t minutes) {
        const chr::sys_time<chr::minutes> moment{chr::minutes{minutes}};
        const chr::sys_days day = chr::floor<chr::days>(moment);
        const chr::year_month_day ymd{day};
        const std::int64_t ofDay = (moment - day).count();
        return MomentParts{static_cast<std::int32_t>(int{ymd.year()}), static_cast<std::int32_t>(unsigned{ymd.month()}),
                           static_cast<std::int32_t>(unsigned{ymd.day()}), static_cast<std::int32_t>(ofDay / 60),
                           static_cast<std::int32_t>(ofDay % 60)};
    };
    TrackerSettings epoch;
    epoch.quitYear = 1970;
    struct Case {
        TrackerSettings quit;
        MomentParts now;
        std::int32_t totalMinutes;
        std::int32_t dayNumber;
    };
    TrackerSettings earliest = epoch;
    earliest.quitYear = kMin;
    TrackerSettings latest = epoch;
    latest.quitYear = kMax;
    const Case cases[] = {
        {epoch, minutesAfterEpoch(kMax), kMax, 1491308},
        {epoch, minutesAfterEpoch(std::int64_t{kMax} + 1), kMax, 1491308},
        {epoch, minutesAfterEpoch(std::int64_t{kMax} - 1), kMax - 1, 1491308},
        {epoch, minutesAfterEpoch(kMin), kMin, -1491309},
        {epoch, minutesAfterEpoch(std::int64_t{kMin} - 1), kMin, -1491309},
        {epoch, minutesAfterEpoch(std::int64_t{kMin} + 1), kMin + 1, -1491309},
        {earliest, {kMax, 12, 31, 23, 59}, kMax, 1491308},
        {latest, {kMin, 1, 1, 0, 0}, kMin, -1491309},
        {earliest, {kMin, 1, 1, 0, 0}, 0, 0},
    };
    for (const Case& c : cases) {
        TrackerStatus st;
        ComputeElapsedFigures(c.quit, c.now, st);
        EXPECT_EQ(st.totalMinutes, c.totalMinutes) << c.now.year << "-" << c.now.month << "-" << c.now.day;
        EXPECT_EQ(st.dayNumber, c.dayNumber) << c.now.year << "-" << c.now.month << "-" << c.now.day;
    }
}

TEST(RobustnessTest, FiguresClampWithTheRightSign) {
    struct Case {
        const char* what;
        std::int32_t year;  // of the quit moment, now being 1 January 2024
        std::int32_t perDay, price, size, tobaccoTax, percent;
        std::int64_t money, tobacco, consumption;
        std::int32_t life;
        std::int64_t cigarettes, millimetres, hundredths;
    };
    // Cigarettes alone still fit: (2^31 - 1)^2 / 1440 and its neighbours.
    constexpr std::int64_t kUp = 3202559732036403, kDown = -3202559733527712, kBothDown = 3202559735019019;
    const Case cases[] = {
        {"everything at the top", kMin, kMax, kMax, kMax, kMax, kMax, kMax64, kMax64, kMax64, kMax, kUp, kMax64,
         kMax64},
        {"negative count", kMin, kMin, kMax, kMax, kMax, kMax, kMin64, kMin64, kMin64, kMin, kDown, kMin64, kMin64},
        {"negative price", kMin, kMax, kMin, kMax, kMax, kMax, kMin64, kMax64, kMin64, kMax, kUp, kMax64, kMax64},
        {"negative size", kMin, kMax, kMax, kMin, kMax, kMax, kMax64, kMax64, kMax64, kMax, kUp, kMin64, kMin64},
        {"clock far behind", kMax, kMax, kMax, kMax, kMax, kMax, kMin64, kMin64, kMin64, kMin, kDown, kMin64, kMin64},
        {"both negative", kMax, kMin, kMax, kMax, kMax, kMax, kMax64, kMax64, kMax64, kMax, kBothDown, kMax64, kMax64},
        // a consumption tax rate below -100 % turns the tax part round once more
        {"tax rate far below zero", kMin, kMax, kMax, kMax, kMax, kMin, kMax64, kMax64, kMax64, kMax, kUp, kMax64,
         kMax64},
        {"tax rate -100 %", kMin, kMax, kMax, kMax, kMax, -100, kMax64, kMax64, 0, kMax, kUp, kMax64, kMax64},
        {"tax rate -99 %", kMin, kMax, kMax, kMax, kMax, -99, kMax64, kMax64, kMin64, kMax, kUp, kMax64, kMax64},
        {"nothing smoked", kMin, 0, kMax, kMax, kMax, kMax, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TrackerSettings s;
        s.quitYear = c.year;
        s.cigarettesPerDay = c.perDay;
        s.pricePer20 = c.price;
        s.sizeMillimetres = c.size;
        s.tobaccoTaxPer1000 = c.tobaccoTax;
        s.consumptionTaxPercent = c.percent;
        TrackerStatus st;
        ComputeElapsedFigures(s, {2024, 1, 1, 0, 0}, st);
        EXPECT_EQ(st.moneySaved, c.money) << c.what;
        EXPECT_EQ(st.tobaccoTaxPart, c.tobacco) << c.what;
        EXPECT_EQ(st.consumptionTaxPart, c.consumption) << c.what;
        EXPECT_EQ(st.lifeMinutes, c.life) << c.what;
        EXPECT_EQ(st.cigarettesNotSmoked, c.cigarettes) << c.what;
        EXPECT_EQ(st.lengthWholeMillimetres, c.millimetres) << c.what;
        EXPECT_EQ(st.lengthCentimetres, c.hundredths) << c.what;
        EXPECT_EQ(st.lengthMillimetres > 0, c.millimetres > 0) << c.what;
        EXPECT_EQ(st.lengthMillimetres < 0, c.millimetres < 0) << c.what;
    }
}

TEST(RobustnessTest, CaptionsOfClampedFigures) {
    TrackerSettings s;
    s.quitYear = kMin;
    s.cigarettesPerDay = kMax;
    s.pricePer20 = kMax;
    s.tobaccoTaxPer1000 = 0;
    s.consumptionTaxPercent = 0;
    TrackerStatus st;
    ComputeElapsedFigures(s, {kMax, 12, 31, 23, 59}, st);
    EXPECT_EQ(st.captions[kMoneyCaption], "9.22337203685478E+18円（節税分 0円）");
    EXPECT_EQ(st.captions[kLifeCaption], "１４９１３０８日と２時間７分");
    EXPECT_EQ(st.captions[kElapsedCaption], "２１４７４８３６４７年１１ヶ月３０日２３時間５９分");

    s.cigarettesPerDay = kMin;
    ComputeElapsedFigures(s, {kMax, 12, 31, 23, 59}, st);
    EXPECT_EQ(st.captions[kMoneyCaption], "-9.22337203685478E+18円（節税分 0円）");
    EXPECT_EQ(st.captions[kLifeCaption], "－１４９１３０９日と－２時間－８分");
}

TEST(RobustnessTest, CalendarPartsClampInsteadOfTurningOver) {
    struct Case {
        const char* what;
        TrackerSettings quit;
        MomentParts now;
        std::int32_t parts[5];
    };
    const auto quitAt = [](std::int32_t y, std::int32_t mo, std::int32_t d, std::int32_t h, std::int32_t mi) {
        TrackerSettings s;
        s.quitYear = y;
        s.quitMonth = mo;
        s.quitDay = d;
        s.quitHour = h;
        s.quitMinute = mi;
        return s;
    };
    const Case cases[] = {
        {"years apart", quitAt(kMin, 1, 1, 0, 0), {kMax, 1, 1, 0, 0}, {kMax, 0, 0, 0, 0}},
        {"years apart backwards", quitAt(kMax, 1, 1, 0, 0), {kMin, 1, 1, 0, 0}, {kMin, 0, 0, 0, 0}},
        {"day far below", quitAt(2024, 1, kMin, 0, 0), {2024, 1, 1, 0, 0}, {0, 0, kMax, 0, 0}},
        {"day far above", quitAt(2024, 1, kMax, 0, 0), {2024, 1, 1, 0, 0}, {-1, 11, kMin + 33, 0, 0}},
        {"hour far below", quitAt(2024, 1, 1, kMin, 0), {2024, 1, 1, 0, 0}, {0, 0, 0, kMax, 0}},
        {"minute far above", quitAt(2024, 1, 1, 0, kMax), {2024, 1, 1, 0, 0}, {-1, 11, 30, 23, kMin + 61}},
        {"minute far below", quitAt(2024, 1, 1, 0, kMin), {2024, 1, 1, 0, 0}, {0, 0, 0, 0, kMax}},
    };
    for (const Case& c : cases) {
        TrackerStatus st;
        ComputeElapsedFigures(c.quit, c.now, st);
        const std::int32_t parts[5] = {st.elapsedYears, st.elapsedMonths, st.elapsedDays, st.elapsedHours,
                                       st.elapsedMinutes};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(parts[i], c.parts[i]) << c.what << ", part " << i;
    }
}

TEST(RobustnessTest, CalendarRoutinesAtTheEndsOfTheYearRange) {
    const std::int64_t years[] = {kMin, kMin + 1, -1, 0, 1, kMax - 1, kMax};
    const std::int64_t months[] = {kMin, -1, 0, 1, 2, 3, 12, 13, kMax};
    for (const std::int64_t y : years) {
        for (const std::int64_t m : months) {
            const std::int32_t length = MonthLength(y, m);
            EXPECT_GE(length, 28);
            EXPECT_LE(length, 31);
            EXPECT_EQ(DaysFromCivil(y, m + 1, 1) - DaysFromCivil(y, m, 1), length) << y << "/" << m;
            EXPECT_EQ(DaysFromCivil(y, m, 1), CountedDays(y, m, 1) - CountedDays(1970, 1, 1)) << y << "/" << m;
            EXPECT_EQ(DaysFromCivil(y + 400, m, 1) - DaysFromCivil(y, m, 1), 146097) << y << "/" << m;
        }
        EXPECT_EQ(DaysFromCivil(y, 1, kMax) - DaysFromCivil(y, 1, 1), kMax - 1) << y;
        EXPECT_EQ(DaysFromCivil(y, 1, kMin) - DaysFromCivil(y, 1, 1), std::int64_t{kMin} - 1) << y;
        EXPECT_EQ(DaysFromCivil(y, 12, 32), DaysFromCivil(y + 1, 1, 1)) << y;
        EXPECT_EQ(DaysFromCivil(y, 1, 0), DaysFromCivil(y - 1, 12, 31)) << y;
    }

    const MomentParts moments[] = {{kMin, kMin, kMin, kMin, kMin}, {kMax, kMax, kMax, kMax, kMax},
                                   {kMin, 1, 1, 0, 0},             {kMax, 12, 31, 23, 59},
                                   {2024, 2, 29, 12, 0},           {0, 0, 0, 0, 0}};
    for (const MomentParts& a : moments) {
        for (const MomentParts& b : moments) {
            const DayMinuteSpan ab = DateDifference(a, b);
            EXPECT_EQ(ab.days * 1440 + ab.minutes, ab.TotalMinutes());
            EXPECT_EQ(ab.TotalMinutes(), -DateDifference(b, a).TotalMinutes());
            for (const MomentParts& c : moments) {
                EXPECT_EQ(ab.TotalMinutes() + DateDifference(b, c).TotalMinutes(), DateDifference(a, c).TotalMinutes());
            }
        }
    }
    const DayMinuteSpan widest = DateDifference({kMin, kMin, kMin, kMin, kMin}, {kMax, kMax, kMax, kMax, kMax});
    EXPECT_GT(widest.TotalMinutes(), 0);
}

}  // namespace
