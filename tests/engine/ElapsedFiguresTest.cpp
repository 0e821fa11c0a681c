// The first stage of a refresh: elapsed time, money, life, cigarettes and
// length, with their captions, and the two number forms they are written in.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <iterator>
#include <string>

#include "engine/ElapsedFigures.h"
#include "engine/NumberText.h"

namespace {

TrackerSettings Quitting(const MomentParts& quit, std::int32_t perDay = 20, std::int32_t price = 300,
                         std::int32_t tobaccoTax = 8744, std::int32_t percent = 5) {
    TrackerSettings s;
    s.quitYear = quit.year;
    s.quitMonth = quit.month;
    s.quitDay = quit.day;
    s.quitHour = quit.hour;
    s.quitMinute = quit.minute;
    s.cigarettesPerDay = perDay;
    s.pricePer20 = price;
    s.tobaccoTaxPer1000 = tobaccoTax;
    s.consumptionTaxPercent = percent;
    return s;
}

TrackerStatus Figures(const TrackerSettings& s, const MomentParts& now) {
    TrackerStatus status;
    ComputeElapsedFigures(s, now, status);
    return status;
}

// The moment a number of minutes after another, by the standard civil calendar.
MomentParts After(const MomentParts& m, std::int64_t minutes) {
    namespace chr = std::chrono;
    const chr::sys_days date = chr::year{m.year} / chr::month{static_cast<unsigned>(m.month)} /
                               chr::day{static_cast<unsigned>(m.day)};
    const chr::sys_time<chr::minutes> moment = date + chr::hours{m.hour} + chr::minutes{m.minute + minutes};
    const chr::sys_days day = chr::floor<chr::days>(moment);
    const chr::year_month_day ymd{day};
    const std::int64_t ofDay = (moment - day).count();
    return {static_cast<std::int32_t>(int{ymd.year()}), static_cast<std::int32_t>(unsigned{ymd.month()}),
            static_cast<std::int32_t>(unsigned{ymd.day()}), static_cast<std::int32_t>(ofDay / 60),
            static_cast<std::int32_t>(ofDay % 60)};
}

std::string Text(const MomentParts& m) {
    return std::to_string(m.year) + "-" + std::to_string(m.month) + "-" + std::to_string(m.day) + " " +
           std::to_string(m.hour) + ":" + std::to_string(m.minute);
}

// ---- Elapsed time ---------------------------------------------------------------

TEST(ElapsedFiguresTest, CalendarPartsTotalsAndCaptionOfTypicalMoments) {
    struct Case {
        const char* what;
        MomentParts quit;
        MomentParts now;
        std::int32_t parts[5];
        std::int32_t totalMinutes;
        std::int32_t dayNumber;
        const char* caption;
    };
    const Case cases[] = {
        {"quit is now", {2024, 5, 5, 12, 34}, {2024, 5, 5, 12, 34}, {0, 0, 0, 0, 0}, 0, 0, "０年０ヶ月０日０時間０分"},
        {"ten minutes", {2024, 6, 1, 8, 0}, {2024, 6, 1, 8, 10}, {0, 0, 0, 0, 10}, 10, 0, "０年０ヶ月０日０時間１０分"},
        {"over new year", {2023, 12, 31, 23, 59}, {2024, 1, 1, 0, 0}, {0, 0, 0, 0, 1}, 1, 0, "０年０ヶ月０日０時間１分"},
        {"31 Jan to 1 Mar, leap year", {2024, 1, 31, 12, 0}, {2024, 3, 1, 11, 0}, {0, 1, 0, 23, 0},
         29 * 1440 + 23 * 60, 29, "０年１ヶ月０日２３時間０分"},
        {"29 Feb to 28 Feb", {2024, 2, 29, 10, 0}, {2025, 2, 28, 10, 0}, {0, 11, 30, 0, 0}, 365 * 1440, 365,
         "０年１１ヶ月３０日０時間０分"},
        {"end of February 1900", {1900, 2, 28, 12, 0}, {1900, 3, 1, 12, 0}, {0, 0, 1, 0, 0}, 1440, 1,
         "０年０ヶ月１日０時間０分"},
        {"end of February 2000", {2000, 2, 28, 12, 0}, {2000, 3, 1, 12, 0}, {0, 0, 2, 0, 0}, 2880, 2,
         "０年０ヶ月２日０時間０分"},
        {"end of February 2100", {2100, 2, 28, 12, 0}, {2100, 3, 1, 12, 0}, {0, 0, 1, 0, 0}, 1440, 1,
         "０年０ヶ月１日０時間０分"},
        {"a day less a minute", {2024, 7, 1, 0, 0}, {2024, 7, 1, 23, 59}, {0, 0, 0, 23, 59}, 1439, 0,
         "０年０ヶ月０日２３時間５９分"},
        {"four years", {2020, 3, 15, 9, 30}, {2024, 3, 15, 9, 30}, {4, 0, 0, 0, 0}, 1461 * 1440, 1461,
         "４年０ヶ月０日０時間０分"},
        {"every part borrows", {2022, 11, 30, 23, 59}, {2024, 10, 29, 22, 58}, {1, 10, 28, 22, 59},
         699 * 1440 - 61, 698, "１年１０ヶ月２８日２２時間５９分"},
        {"clock a minute behind", {2024, 1, 1, 0, 0}, {2023, 12, 31, 23, 59}, {-1, 11, 30, 23, 59}, -1, -1,
         "－１年１１ヶ月３０日２３時間５９分"},
        {"clock a day and a half behind", {2024, 3, 2, 12, 0}, {2024, 3, 1, 0, 0}, {-1, 11, 29, 12, 0}, -2160, -2,
         "－１年１１ヶ月２９日１２時間０分"},
    };
    for (const Case& c : cases) {
        const TrackerStatus st = Figures(Quitting(c.quit), c.now);
        const std::int32_t parts[5] = {st.elapsedYears, st.elapsedMonths, st.elapsedDays, st.elapsedHours,
                                       st.elapsedMinutes};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(parts[i], c.parts[i]) << c.what << ", part " << i;
        EXPECT_EQ(st.totalMinutes, c.totalMinutes) << c.what;
        EXPECT_EQ(st.dayNumber, c.dayNumber) << c.what;
        EXPECT_EQ(st.captions[kElapsedCaption], c.caption) << c.what;
        EXPECT_EQ(ElapsedCalendarCaption(st), c.caption) << c.what;
    }
}

// The borrow subtraction as a person does it with two month tables, one for
// the year of now and one for the year of the quit moment. Index 0 is the
// December before January.
struct Parts {
    std::int64_t years, months, days, hours, minutes;
};

Parts BorrowedParts(const MomentParts& quit, const MomentParts& now) {
    const auto table = [](std::int64_t year) {
        std::array<std::int64_t, 13> t = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        if ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0) t[2] = 29;
        return t;
    };
    const auto nowTable = table(now.year);
    const auto quitTable = table(quit.year);
    std::int64_t y = now.year, mo = now.month, d = now.day, h = now.hour, mi = now.minute;
    Parts p{};
    if (mi < quit.minute) {
        mi += 60;
        --h;
    }
    p.minutes = mi - quit.minute;
    if (h < quit.hour) {
        h += 24;
        --d;
    }
    p.hours = h - quit.hour;
    if (d < quit.day) {
        d += std::max(nowTable[static_cast<std::size_t>(mo - 1)], quitTable[static_cast<std::size_t>(quit.month)]);
        --mo;
    }
    p.days = d - quit.day;
    if (mo < quit.month) {
        mo += 12;
        --y;
    }
    p.months = mo - quit.month;
    p.years = y - quit.year;
    return p;
}

void ExpectPartsAndSpan(const MomentParts& quit, const MomentParts& now) {
    const TrackerStatus st = Figures(Quitting(quit), now);
    const Parts p = BorrowedParts(quit, now);
    ASSERT_EQ(st.elapsedYears, p.years) << Text(quit) << " to " << Text(now);
    ASSERT_EQ(st.elapsedMonths, p.months) << Text(quit) << " to " << Text(now);
    ASSERT_EQ(st.elapsedDays, p.days) << Text(quit) << " to " << Text(now);
    ASSERT_EQ(st.elapsedHours, p.hours) << Text(quit) << " to " << Text(now);
    ASSERT_EQ(st.elapsedMinutes, p.minutes) << Text(quit) << " to " << Text(now);

    namespace chr = std::chrono;
    const auto minutesOf = [](const MomentParts& m) {
        const chr::sys_days date = chr::year{m.year} / chr::month{static_cast<unsigned>(m.month)} /
                                   chr::day{static_cast<unsigned>(m.day)};
        return date.time_since_epoch().count() * std::int64_t{1440} + m.hour * 60 + m.minute;
    };
    const std::int64_t span = minutesOf(now) - minutesOf(quit);
    ASSERT_EQ(st.totalMinutes, span) << Text(quit) << " to " << Text(now);
    ASSERT_EQ(st.dayNumber, span >= 0 ? span / 1440 : -((-span + 1439) / 1440)) << Text(quit) << " to " << Text(now);
}

TEST(ElapsedFiguresTest, CalendarPartsOverEveryDayOf2023To2025) {
    const MomentParts fixedNows[] = {{2025, 12, 31, 23, 59}, {2024, 3, 1, 11, 0}, {2025, 3, 1, 0, 0},
                                     {2024, 2, 29, 5, 15}};
    const MomentParts fixedQuits[] = {{2023, 1, 31, 12, 0}, {2024, 2, 29, 23, 59}};
    const std::int32_t hours[] = {0, 10, 23};
    const std::int32_t minutes[] = {0, 30, 59};
    MomentParts day{2023, 1, 1, 0, 0};
    while (day.year < 2026) {
        for (int t = 0; t < 3; ++t) {
            const MomentParts moment{day.year, day.month, day.day, hours[t], minutes[(t + day.day) % 3]};
            for (const MomentParts& now : fixedNows) ExpectPartsAndSpan(moment, now);
            for (const MomentParts& quit : fixedQuits) ExpectPartsAndSpan(quit, moment);
        }
        day = After(day, 1440);
    }
}

TEST(ElapsedFiguresTest, CalendarFieldsAreInRangeForEveryLaterMoment) {
    const MomentParts quit{2023, 1, 31, 22, 45};
    for (std::int64_t m = 0; m < 3 * 366 * 1440; m += 241) {
        const TrackerStatus st = Figures(Quitting(quit), After(quit, m));
        ASSERT_GE(st.elapsedYears, 0) << m;
        ASSERT_TRUE(st.elapsedMonths >= 0 && st.elapsedMonths <= 11) << m;
        ASSERT_TRUE(st.elapsedDays >= 0 && st.elapsedDays <= 30) << m;
        ASSERT_TRUE(st.elapsedHours >= 0 && st.elapsedHours <= 23) << m;
        ASSERT_TRUE(st.elapsedMinutes >= 0 && st.elapsedMinutes <= 59) << m;
        ASSERT_EQ(st.totalMinutes, m);
        ASSERT_EQ(st.dayNumber, m / 1440);
        ASSERT_EQ(st.elapsedHours * 60 + st.elapsedMinutes, m % 1440) << m;
    }
}

TEST(ElapsedFiguresTest, DayCaptionShowsDayNumberWithHoursAndMinutes) {
    const MomentParts quit{2023, 1, 31, 22, 45};
    EXPECT_EQ(ElapsedDayCaption(Figures(Quitting(quit), {2024, 4, 4, 3, 52})), "４２８日５時間７分");
    EXPECT_EQ(ElapsedDayCaption(Figures(Quitting(quit), quit)), "０日０時間０分");
    EXPECT_EQ(ElapsedDayCaption(Figures(Quitting(quit), {2023, 1, 31, 22, 44})), "－１日２３時間５９分");
}

// ---- Money, life, cigarettes and length ---------------------------------------

TEST(ElapsedFiguresTest, MoneyAndLifeOfTypicalProfiles) {
    struct Case {
        const char* what;
        std::int64_t minutes;
        std::int32_t perDay, price, tobaccoTax, percent;
        std::int64_t money, tobacco, consumption;
        std::int32_t life;
        const char* moneyCaption;
        const char* lifeCaption;
    };
    const Case cases[] = {
        {"quit is now", 0, 20, 300, 8744, 5, 0, 0, 0, 0, "0円（節税分 0円）", "０日と０時間０分"},
        {"ten days", 14400, 20, 300, 8744, 5, 3000, 1748, 142, 1100, "3000円（節税分 1890円）", "０日と１８時間２０分"},
        {"one day", 1440, 20, 300, 8744, 5, 300, 174, 14, 110, "300円（節税分 188円）", "０日と１時間５０分"},
        {"no consumption tax", 14400, 20, 300, 8744, 0, 3000, 1748, 0, 1100, "3000円（節税分 1748円）",
         "０日と１８時間２０分"},
        {"no tobacco tax", 14400, 20, 300, 0, 5, 3000, 0, 142, 1100, "3000円（節税分 142円）", "０日と１８時間２０分"},
        {"no tax at all", 14400, 20, 300, 0, 0, 3000, 0, 0, 1100, "3000円（節税分 0円）", "０日と１８時間２０分"},
        // 13 × 2 × 5.5 = 143 exactly; the double reading of (13 / 1440) × 2880 × 5.5 falls just short.
        {"thirteen a day for two days", 2880, 13, 300, 8744, 5, 390, 227, 18, 143, "390円（節税分 245円）",
         "０日と２時間２３分"},
        {"a year at 200 and 2000", 525600, 200, 2000, 100000, 100, 7300000, 7300000, 3650000, 401500,
         "7300000円（節税分 10950000円）", "２７８日と１９時間４０分"},
        {"one minute at one", 1, 1, 1, 1, 1, 0, 0, 0, 0, "0円（節税分 0円）", "０日と０時間０分"},
    };
    const MomentParts quit{2024, 2, 27, 21, 13};
    for (const Case& c : cases) {
        const TrackerStatus st =
            Figures(Quitting(quit, c.perDay, c.price, c.tobaccoTax, c.percent), After(quit, c.minutes));
        EXPECT_EQ(st.moneySaved, c.money) << c.what;
        EXPECT_EQ(st.tobaccoTaxPart, c.tobacco) << c.what;
        EXPECT_EQ(st.consumptionTaxPart, c.consumption) << c.what;
        EXPECT_EQ(st.lifeMinutes, c.life) << c.what;
        EXPECT_EQ(st.captions[kMoneyCaption], c.moneyCaption) << c.what;
        EXPECT_EQ(st.captions[kLifeCaption], c.lifeCaption) << c.what;
    }
}

// Whole-day spans of 1 to 400 days at every daily count from 1 to 200: each
// figure is the floor of its exact fraction, worked out here per day rather
// than per minute.
TEST(ElapsedFiguresTest, WholeDayFiguresAreExactFractions) {
    const std::int32_t prices[] = {1, 7, 19, 20, 150, 290, 300, 410, 440, 999, 1999, 2000, 333};
    const std::int32_t tobaccoTaxes[] = {0, 8744, 1, 12345, 100000, 999, 6};
    const std::int32_t percents[] = {0, 5, 8, 10, 3, 100, 7, 1, 17};
    const std::int32_t sizes[] = {50, 85, 100, 1};
    const MomentParts quit{2023, 12, 31, 19, 7};
    MomentParts nows[401];
    for (std::int64_t days = 1; days <= 400; ++days) nows[days] = After(quit, days * 1440);
    int exactDivisions = 0;
    for (std::int64_t perDay = 1; perDay <= 200; ++perDay) {
        // Every fourth day, starting one day later for each count: together
        // the counts cover every day of the range.
        for (std::int64_t days = 1 + perDay % 4; days <= 400; days += 4) {
            const std::size_t k = static_cast<std::size_t>(perDay * 401 + days);
            const std::int64_t price = prices[k % std::size(prices)];
            const std::int64_t tax = tobaccoTaxes[k % std::size(tobaccoTaxes)];
            const std::int64_t percent = percents[k % std::size(percents)];
            const std::int64_t size = sizes[k % std::size(sizes)];
            TrackerSettings s = Quitting(quit, static_cast<std::int32_t>(perDay), static_cast<std::int32_t>(price),
                                         static_cast<std::int32_t>(tax), static_cast<std::int32_t>(percent));
            s.sizeMillimetres = static_cast<std::int32_t>(size);
            const TrackerStatus st = Figures(s, nows[days]);

            const std::int64_t cigarettes = days * perDay;
            const std::int64_t yen20 = cigarettes * price;  // money × 20
            if (yen20 % 20 == 0) {
                ++exactDivisions;
                ASSERT_EQ(st.moneySaved * 20, yen20) << perDay << "/day, " << price << " yen, " << days << " days";
            }
            ASSERT_EQ(st.moneySaved, yen20 / 20) << perDay << "/day, " << price << " yen, " << days << " days";
            ASSERT_EQ(st.tobaccoTaxPart, tax * cigarettes / 1000) << perDay << "/day, tax " << tax << ", " << days;
            ASSERT_EQ(st.consumptionTaxPart, yen20 * percent / (20 * (100 + percent)))
                << perDay << "/day, " << price << " yen, " << percent << "%, " << days << " days";
            ASSERT_EQ(st.lifeMinutes, cigarettes * 11 / 2) << perDay << "/day, " << days << " days";
            ASSERT_EQ(st.cigarettesNotSmoked, cigarettes);
            const std::int64_t millimetres = cigarettes * size;
            ASSERT_EQ(st.lengthWholeMillimetres, millimetres);
            const std::int64_t tenth = millimetres % 10;
            const std::int64_t hundredths =
                millimetres / 10 + ((tenth > 5 || (tenth == 5 && (millimetres / 10) % 2 == 1)) ? 1 : 0);
            ASSERT_EQ(st.lengthCentimetres, hundredths) << millimetres << " mm";
            ASSERT_EQ(st.totalMinutes, days * 1440);
            ASSERT_EQ(st.dayNumber, days);
        }
    }
    EXPECT_GT(exactDivisions, 2500);
}

// Spans that are not whole days: each figure against the floor of its exact
// fraction of minutes.
TEST(ElapsedFiguresTest, PartDayFiguresAreExactFractions) {
    const MomentParts quit{2024, 2, 28, 23, 30};
    const std::int32_t perDays[] = {1, 3, 13, 17, 20, 199, 200};
    const std::int32_t prices[] = {1, 290, 410, 1999};
    for (std::int64_t t = 0; t <= 4 * 1440; t += 7) {
        const MomentParts now = After(quit, t);
        for (const std::int32_t c : perDays) {
            const std::int32_t p = prices[static_cast<std::size_t>(t / 7 + c) % std::size(prices)];
            TrackerSettings s = Quitting(quit, c, p, 8744, 8);
            s.sizeMillimetres = 85;
            const TrackerStatus st = Figures(s, now);
            ASSERT_EQ(st.moneySaved, t * c * p / (1440 * 20)) << t << " min, " << c << "/day, " << p << " yen";
            ASSERT_EQ(st.tobaccoTaxPart, 8744 * t * c / (1000 * 1440)) << t << " min, " << c << "/day";
            ASSERT_EQ(st.consumptionTaxPart, t * c * p * 8 / (1440 * 20 * 108)) << t << " min, " << c << "/day";
            ASSERT_EQ(st.lifeMinutes, t * c * 11 / (1440 * 2)) << t << " min, " << c << "/day";
            ASSERT_EQ(st.cigarettesNotSmoked, t * c / 1440) << t << " min, " << c << "/day";
            ASSERT_EQ(st.lengthWholeMillimetres, t * c * 85 / 1440) << t << " min, " << c << "/day";
            ASSERT_DOUBLE_EQ(st.lengthMillimetres, static_cast<double>(t * c * 85) / 1440.0);
        }
    }
}

TEST(ElapsedFiguresTest, MetresRoundHalfToEven) {
    struct Case {
        std::int64_t minutes;
        std::int32_t perDay;
        std::int32_t size;
        std::int64_t hundredths;  // of a metre
    };
    const Case cases[] = {
        {1440, 1, 85, 8},        // 0.085 m: tie, to the even 0.08
        {1440, 1, 75, 8},        // 0.075 m: tie, to the even 0.08
        {1440, 1, 95, 10},       // 0.095 m: tie, up to 0.10
        {1440, 1, 65, 6},        // 0.065 m: tie, down to 0.06
        {1440, 3, 85, 26},       // 0.255 m: tie, up to 0.26
        {1440, 5, 85, 42},       // 0.425 m: tie, down to 0.42
        {1440, 1, 86, 9},        // 0.086 m
        {1440, 1, 84, 8},        // 0.084 m
        {720, 1, 10, 0},         // 0.005 m: tie, down to 0
        {720, 3, 10, 2},         // 0.015 m: tie, up to 0.02
        {721, 1, 10, 1},         // just above 0.005 m
        {719, 3, 10, 1},         // just below 0.015 m
        {-1440, 1, 85, -8},      // clock behind: -0.085 m to the even -0.08
        {-1440, 1, 95, -10},     // -0.095 m to -0.10
        {1440 * 10, 20, 85, 1700},
    };
    const MomentParts quit{2024, 6, 1, 12, 0};
    for (const Case& c : cases) {
        TrackerSettings s = Quitting(quit, c.perDay);
        s.sizeMillimetres = c.size;
        EXPECT_EQ(Figures(s, After(quit, c.minutes)).lengthCentimetres, c.hundredths)
            << c.minutes << " min, " << c.perDay << "/day, " << c.size << " mm";
    }
}

// The life caption's negative form is checked with the report (RefreshStatusTest).
TEST(ElapsedFiguresTest, ClockBehindTheQuitMomentGivesNegativeFigures) {
    const MomentParts quit{2024, 1, 1, 0, 10};
    struct Case {
        std::int64_t minutes;
        std::int32_t perDay;
        std::int32_t life;
        const char* moneyCaption;
    };
    const Case cases[] = {
        {-1, 20, -1, "-1円（節税分-2円）"},
        {-10, 2000, -77, "-209円（節税分-132円）"},
        {-1440, 20, -110, "-300円（節税分-190円）"},
        {-14400, 20, -1100, "-3000円（節税分-1892円）"},
        {-20000, 200, -15278, "-41667円（節税分-26274円）"},
    };
    for (const Case& c : cases) {
        const TrackerStatus st = Figures(Quitting(quit, c.perDay), After(quit, c.minutes));
        EXPECT_EQ(st.totalMinutes, c.minutes);
        EXPECT_EQ(st.lifeMinutes, c.life) << c.minutes;
        EXPECT_EQ(st.captions[kMoneyCaption], c.moneyCaption) << c.minutes;
        EXPECT_LE(st.moneySaved, 0);
        EXPECT_LE(st.cigarettesNotSmoked, 0);
    }
}

// The clock is read to the minute, so one refresh depends on nothing but the
// settings and that reading: whatever the record held before, it ends up the same.
TEST(ElapsedFiguresTest, SameMinuteGivesTheSameFiguresWhateverCameBefore) {
    const TrackerSettings s = Quitting({2023, 4, 5, 6, 7}, 17, 410, 6, 10);
    const MomentParts now{2024, 8, 9, 10, 11};
    TrackerStatus fresh;
    ComputeElapsedFigures(s, now, fresh);
    TrackerStatus reused;
    ComputeElapsedFigures(Quitting({1999, 9, 9, 9, 9}, 200, 2000, 100000, 100), {2030, 1, 1, 0, 0}, reused);
    ComputeElapsedFigures(s, now, reused);
    EXPECT_EQ(reused.elapsedYears, fresh.elapsedYears);
    EXPECT_EQ(reused.elapsedMonths, fresh.elapsedMonths);
    EXPECT_EQ(reused.elapsedDays, fresh.elapsedDays);
    EXPECT_EQ(reused.elapsedHours, fresh.elapsedHours);
    EXPECT_EQ(reused.elapsedMinutes, fresh.elapsedMinutes);
    EXPECT_EQ(reused.totalMinutes, fresh.totalMinutes);
    EXPECT_EQ(reused.dayNumber, fresh.dayNumber);
    EXPECT_EQ(reused.moneySaved, fresh.moneySaved);
    EXPECT_EQ(reused.tobaccoTaxPart, fresh.tobaccoTaxPart);
    EXPECT_EQ(reused.consumptionTaxPart, fresh.consumptionTaxPart);
    EXPECT_EQ(reused.lifeMinutes, fresh.lifeMinutes);
    EXPECT_EQ(reused.cigarettesNotSmoked, fresh.cigarettesNotSmoked);
    EXPECT_EQ(reused.lengthMillimetres, fresh.lengthMillimetres);
    EXPECT_EQ(reused.lengthWholeMillimetres, fresh.lengthWholeMillimetres);
    EXPECT_EQ(reused.lengthCentimetres, fresh.lengthCentimetres);
    for (const int i : {kElapsedCaption, kLifeCaption, kMoneyCaption}) {
        EXPECT_EQ(reused.captions[static_cast<std::size_t>(i)], fresh.captions[static_cast<std::size_t>(i)]);
    }
}

// ---- Number forms ---------------------------------------------------------------

TEST(NumberTextTest, HalfWidthForms) {
    struct Case {
        std::int64_t value;
        const char* text;
        const char* trimmed;
    };
    const Case cases[] = {
        {0, " 0", "0"},
        {3000, " 3000", "3000"},
        {1890, " 1890", "1890"},
        {-1, "-1", "-1"},
        {-41667, "-41667", "-41667"},
        {999999999999999, " 999999999999999", "999999999999999"},
        {-999999999999999, "-999999999999999", "-999999999999999"},
        {1000000000000000, " 1E+15", "1E+15"},
        {1234567890123456, " 1.23456789012346E+15", "1.23456789012346E+15"},
        {-1234567890123456, "-1.23456789012346E+15", "-1.23456789012346E+15"},
        {1000000000000005, " 1E+15", "1E+15"},              // a tie goes to the even neighbour
        {1000000000000015, " 1.00000000000002E+15", "1.00000000000002E+15"},
        {1234567890123455001, " 1.23456789012346E+18", "1.23456789012346E+18"},  // just above a tie
        {1234567890123454999, " 1.23456789012345E+18", "1.23456789012345E+18"},  // just below a tie
        {INT64_MAX, " 9.22337203685478E+18", "9.22337203685478E+18"},
        {INT64_MIN, "-9.22337203685478E+18", "-9.22337203685478E+18"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.text) << c.value;
        EXPECT_EQ(TrimmedNumberText(c.value), c.trimmed) << c.value;
    }
}

TEST(NumberTextTest, MetresFromHundredths) {
    struct Case {
        std::int64_t hundredths;
        const char* text;
    };
    const Case cases[] = {
        {0, " 0"},
        {170, " 1.7"},
        {7, " .07"},
        {50, " .5"},
        {100, " 1"},
        {105, " 1.05"},
        {1700, " 17"},
        {123456, " 1234.56"},
        {-7, "-.07"},
        {-150, "-1.5"},
        {-100, "-1"},
        {99999999999999, " 999999999999.99"},
        {999999999999999, " 9999999999999.99"},        // 15 significant digits
        {1234567890123456, " 12345678901234.6"},       // 16 digits: the last one rounds away
        {1234567890123444, " 12345678901234.4"},
        {1000000000000000, " 10000000000000"},
        {12345678901234550, " 123456789012346"},       // tie, to the even neighbour
        {12345678901234450, " 123456789012344"},       // tie, to the even neighbour
        {12345678901234451, " 123456789012345"},
        {99999999999999950, " 1E+15"},
        {123456789012345678, " 1.23456789012346E+15"},
        {-123456789012345678, "-1.23456789012346E+15"},
        {INT64_MIN, "-9.22337203685478E+16"},
    };
    for (const Case& c : cases) {
        const std::string trimmed = c.text[0] == ' ' ? std::string(c.text + 1) : std::string(c.text);
        EXPECT_EQ(TrimmedMetresNumberText(c.hundredths), trimmed) << c.hundredths;
    }
}

TEST(NumberTextTest, WideForm) {
    struct Case {
        std::int64_t value;
        const char* text;
    };
    const Case cases[] = {
        {0, "０"},
        {10, "１０"},
        {1234567890, "１２３４５６７８９０"},
        {-12, "－１２"},
        {INT32_MAX, "２１４７４８３６４７"},
        {INT32_MIN, "－２１４７４８３６４８"},
    };
    for (const Case& c : cases) EXPECT_EQ(WideNumber(c.value), c.text) << c.value;
}

}  // namespace
