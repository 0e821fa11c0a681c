// The first stage of a refresh: elapsed time, money, life, cigarettes and
// length, their captions, the clamps for hand-edited values, and the number forms.

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "engine/ElapsedFigures.h"
#include "engine/NumberText.h"

namespace {

constexpr std::int32_t kMin = INT32_MIN, kMax = INT32_MAX;
constexpr std::int64_t kMin64 = INT64_MIN, kMax64 = INT64_MAX;

TrackerSettings Quit(const MomentParts& m, std::int32_t perDay = 20, std::int32_t price = 300, std::int32_t size = 85,
                     std::int32_t tax = 8744, std::int32_t percent = 5) {
    return {.quitYear = m.year, .quitMonth = m.month, .quitDay = m.day, .quitHour = m.hour, .quitMinute = m.minute,
            .cigarettesPerDay = perDay, .pricePer20 = price, .sizeMillimetres = size, .tobaccoTaxPer1000 = tax,
            .consumptionTaxPercent = percent};
}

TrackerStatus Figures(const TrackerSettings& s, const MomentParts& now) {
    TrackerStatus st;
    ComputeElapsedFigures(s, now, st);
    return st;
}

TEST(ElapsedFigures, CalendarPartsTotalAndBothCaptions) {
    struct Case { MomentParts quit, now; std::int32_t totalMinutes; const char *calendar, *days; };
    const Case cases[] = {
        {{2024, 5, 5, 12, 34}, {2024, 5, 5, 12, 34}, 0, "０年０ヶ月０日０時間０分", "０日０時間０分"},
        {{2024, 6, 1, 8, 0}, {2024, 6, 1, 8, 10}, 10, "０年０ヶ月０日０時間１０分", "０日０時間１０分"},
        {{2023, 12, 31, 23, 59}, {2024, 1, 1, 0, 0}, 1, "０年０ヶ月０日０時間１分", "０日０時間１分"},
        {{2024, 1, 31, 12, 0}, {2024, 3, 1, 11, 0}, 29 * 1440 + 1380, "０年１ヶ月０日２３時間０分", "２９日２３時間０分"},
        {{2024, 2, 29, 10, 0}, {2025, 2, 28, 10, 0}, 365 * 1440, "０年１１ヶ月３０日０時間０分", "３６５日０時間０分"},
        {{1900, 2, 28, 12, 0}, {1900, 3, 1, 12, 0}, 1440, "０年０ヶ月１日０時間０分", "１日０時間０分"},
        {{2000, 2, 28, 12, 0}, {2000, 3, 1, 12, 0}, 2880, "０年０ヶ月２日０時間０分", "２日０時間０分"},
        {{2100, 2, 28, 12, 0}, {2100, 3, 1, 12, 0}, 1440, "０年０ヶ月１日０時間０分", "１日０時間０分"},
        // A day borrowed from the month before now: August and December have 31 days, October too.
        {{2024, 8, 31, 10, 0}, {2024, 9, 1, 10, 0}, 1440, "０年０ヶ月１日０時間０分", "１日０時間０分"},
        {{2024, 10, 20, 0, 0}, {2024, 11, 5, 0, 0}, 16 * 1440, "０年０ヶ月１６日０時間０分", "１６日０時間０分"},
        {{2023, 11, 20, 0, 0}, {2024, 1, 5, 0, 0}, 46 * 1440, "０年１ヶ月１６日０時間０分", "４６日０時間０分"},
        {{2024, 7, 1, 0, 0}, {2024, 7, 1, 23, 59}, 1439, "０年０ヶ月０日２３時間５９分", "０日２３時間５９分"},
        {{2020, 3, 15, 9, 30}, {2024, 3, 15, 9, 30}, 1461 * 1440, "４年０ヶ月０日０時間０分", "１４６１日０時間０分"},
        {{2022, 11, 30, 23, 59}, {2024, 10, 29, 22, 58}, 699 * 1440 - 61, "１年１０ヶ月２８日２２時間５９分",
         "６９８日２２時間５９分"},
        {{2024, 1, 1, 0, 0}, {2023, 12, 31, 23, 59}, -1, "－１年１１ヶ月３０日２３時間５９分", "－１日２３時間５９分"},
        {{2024, 3, 2, 12, 0}, {2024, 3, 1, 0, 0}, -2160, "－１年１１ヶ月２９日１２時間０分", "－２日１２時間０分"},
        // The clock far off: the span and the parts clamp instead of turning over.
        {{1970, 1, 1, 0, 0}, {6053, 1, 23, 2, 7}, kMax, "４０８３年０ヶ月２２日２時間７分", "１４９１３０８日２時間７分"},
        {{1970, 1, 1, 0, 0}, {6053, 1, 23, 2, 8}, kMax, "４０８３年０ヶ月２２日２時間８分", "１４９１３０８日２時間８分"},
        {{6053, 1, 23, 2, 8}, {1970, 1, 1, 0, 0}, kMin, "－４０８４年１１ヶ月８日２１時間５２分", "－１４９１３０９日２１時間５２分"},
        {{6053, 1, 23, 2, 9}, {1970, 1, 1, 0, 0}, kMin, "－４０８４年１１ヶ月８日２１時間５１分", "－１４９１３０９日２１時間５１分"},
        {{kMin, 1, 1, 0, 0}, {kMax, 1, 1, 0, 0}, kMax, "２１４７４８３６４７年０ヶ月０日０時間０分", "１４９１３０８日０時間０分"},
        {{kMax, 1, 1, 0, 0}, {kMin, 1, 1, 0, 0}, kMin, "－２１４７４８３６４８年０ヶ月０日０時間０分", "－１４９１３０９日０時間０分"},
        {{2024, 1, kMin, 0, 0}, {2024, 1, 1, 0, 0}, kMax, "０年０ヶ月２１４７４８３６４７日０時間０分", "１４９１３０８日０時間０分"},
        {{2024, 1, 1, 0, kMin}, {2024, 1, 1, 0, 0}, kMax, "０年０ヶ月０日０時間２１４７４８３６４７分",
         "１４９１３０８日０時間２１４７４８３６４７分"},
    };
    for (const Case& c : cases) {
        const TrackerStatus st = Figures(Quit(c.quit), c.now);
        EXPECT_EQ(st.totalMinutes, c.totalMinutes) << c.calendar;
        EXPECT_EQ(st.captions[kElapsedCaption], c.calendar);
        EXPECT_EQ(ElapsedCalendarCaption(st), c.calendar);
        EXPECT_EQ(ElapsedDayCaption(st), c.days) << c.calendar;
    }
}

// Each figure is the floor of its exact fraction; metres are rounded half to even.
TEST(ElapsedFigures, MoneyLifeCigarettesAndMetres) {
    // The quit moment is 1 June 2024, 00:00.
    struct Case { MomentParts now; std::int32_t perDay, price, size, tax, percent; std::int64_t money, tobacco, consumption;
                  std::int32_t life; std::int64_t cigarettes, hundredths; const char *moneyCaption, *lifeCaption; };
    const Case cases[] = {
        {{2024, 6, 1, 0, 0}, 20, 300, 85, 8744, 5, 0, 0, 0, 0, 0, 0, "0円（節税分 0円）", "０日と０時間０分"},
        {{2024, 6, 11, 0, 0}, 20, 300, 85, 8744, 5, 3000, 1748, 142, 1100, 200, 1700, "3000円（節税分 1890円）",
         "０日と１８時間２０分"},
        {{2024, 6, 11, 0, 0}, 20, 300, 85, 0, 0, 3000, 0, 0, 1100, 200, 1700, "3000円（節税分 0円）", "０日と１８時間２０分"},
        {{2024, 6, 3, 0, 0}, 13, 300, 85, 8744, 5, 390, 227, 18, 143, 26, 221, "390円（節税分 245円）", "０日と２時間２３分"},
        {{2025, 6, 1, 0, 0}, 200, 2000, 85, 100000, 100, 7300000, 7300000, 3650000, 401500, 73000, 620500,
         "7300000円（節税分 10950000円）", "２７８日と１９時間４０分"},
        {{2024, 6, 2, 0, 0}, 20, 300, 50, 8744, 5, 300, 174, 14, 110, 20, 100, "300円（節税分 188円）", "０日と１時間５０分"},
        {{2024, 6, 2, 0, 0}, 20, 300, 100, 8744, 5, 300, 174, 14, 110, 20, 200, "300円（節税分 188円）", "０日と１時間５０分"},
        // Half-way metres: .085 and .025 go down to the even neighbour, .255, .035 and .015 up.
        {{2024, 6, 2, 0, 0}, 1, 300, 85, 8744, 5, 15, 8, 0, 5, 1, 8, "15円（節税分 8円）", "０日と０時間５分"},
        {{2024, 6, 2, 0, 0}, 3, 300, 85, 8744, 5, 45, 26, 2, 16, 3, 26, "45円（節税分 28円）", "０日と０時間１６分"},
        {{2024, 6, 1, 12, 0}, 1, 300, 50, 8744, 5, 7, 4, 0, 2, 0, 2, "7円（節税分 4円）", "０日と０時間２分"},
        {{2024, 6, 1, 16, 48}, 1, 300, 50, 8744, 5, 10, 6, 0, 3, 0, 4, "10円（節税分 6円）", "０日と０時間３分"},
        {{2024, 6, 1, 6, 0}, 1, 300, 100, 8744, 5, 3, 2, 0, 1, 0, 2, "3円（節税分 2円）", "０日と０時間１分"},
        {{2024, 6, 1, 3, 36}, 1, 300, 100, 8744, 5, 2, 1, 0, 0, 0, 2, "2円（節税分 1円）", "０日と０時間０分"},
        // The clock behind the quit moment: figures below zero, floored.
        {{2024, 5, 31, 0, 0}, 20, 300, 85, 8744, 5, -300, -175, -15, -110, -20, -170, "-300円（節税分-190円）",
         "－１日と－１時間－５０分"},
        {{2024, 5, 31, 0, 0}, 1, 300, 85, 8744, 5, -15, -9, -1, -6, -1, -8, "-15円（節税分-10円）", "－１日と０時間－６分"},
    };
    for (const Case& c : cases) {
        const TrackerStatus st = Figures(Quit({2024, 6, 1, 0, 0}, c.perDay, c.price, c.size, c.tax, c.percent), c.now);
        SCOPED_TRACE(std::string(c.moneyCaption) + " at size " + std::to_string(c.size));
        EXPECT_EQ(std::tuple(st.moneySaved, st.tobaccoTaxPart, st.consumptionTaxPart, st.lifeMinutes, st.cigarettesNotSmoked,
                             st.lengthCentimetres, st.captions[kMoneyCaption], st.captions[kLifeCaption]),
                  std::tuple(c.money, c.tobacco, c.consumption, c.life, c.cigarettes, c.hundredths, c.moneyCaption,
                             c.lifeCaption));
    }
}

// Values from a hand-edited file: a figure too large for its field is clamped
// with the sign of its exact value, never wrapped.
TEST(ElapsedFigures, FiguresClampWithTheRightSign) {
    // The year of the quit moment, now being 1 January 2024.
    struct Case { std::int32_t year, perDay, price, size, percent; std::int64_t money, tobacco, consumption;
                  std::int32_t life; std::int64_t cigarettes, millimetres, hundredths; };
    // Cigarettes alone still fit: (2^31 - 1)^2 / 1440 and its neighbours.
    constexpr std::int64_t kUp = 3202559732036403, kDown = -3202559733527712, kBothDown = 3202559735019019;
    const Case cases[] = {
        {kMin, kMax, kMax, kMax, kMax, kMax64, kMax64, kMax64, kMax, kUp, kMax64, kMax64},
        {kMin, kMin, kMax, kMax, kMax, kMin64, kMin64, kMin64, kMin, kDown, kMin64, kMin64},
        {kMin, kMax, kMin, kMax, kMax, kMin64, kMax64, kMin64, kMax, kUp, kMax64, kMax64},
        {kMin, kMax, kMax, kMin, kMax, kMax64, kMax64, kMax64, kMax, kUp, kMin64, kMin64},
        {kMax, kMax, kMax, kMax, kMax, kMin64, kMin64, kMin64, kMin, kDown, kMin64, kMin64},
        {kMax, kMin, kMax, kMax, kMax, kMax64, kMax64, kMax64, kMax, kBothDown, kMax64, kMax64},
        {kMin, kMax, kMax, kMax, kMin, kMax64, kMax64, kMax64, kMax, kUp, kMax64, kMax64},
        {kMin, kMax, kMax, kMax, -100, kMax64, kMax64, 0, kMax, kUp, kMax64, kMax64},
        {kMin, kMax, kMax, kMax, -99, kMax64, kMax64, kMin64, kMax, kUp, kMax64, kMax64},
        {kMin, 0, kMax, kMax, kMax, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const TrackerStatus st = Figures(Quit({c.year, 1, 1, 0, 0}, c.perDay, c.price, c.size, kMax, c.percent),
                                         {2024, 1, 1, 0, 0});
        EXPECT_EQ(std::tuple(st.moneySaved, st.tobaccoTaxPart, st.consumptionTaxPart, st.lifeMinutes, st.cigarettesNotSmoked,
                             st.lengthWholeMillimetres, st.lengthCentimetres, st.lengthMillimetres > 0),
                  std::tuple(c.money, c.tobacco, c.consumption, c.life, c.cigarettes, c.millimetres, c.hundredths,
                             c.millimetres > 0))
            << c.year << " " << c.perDay << " " << c.price << " " << c.size << " " << c.percent;
    }
    const TrackerStatus top = Figures(Quit({kMin, 1, 1, 0, 0}, kMax, kMax, 85, 0, 0), {kMax, 12, 31, 23, 59});
    EXPECT_EQ(top.captions[kMoneyCaption], "9.22337203685478E+18円（節税分 0円）");
    EXPECT_EQ(top.captions[kLifeCaption], "１４９１３０８日と２時間７分");
    const TrackerStatus bottom = Figures(Quit({kMin, 1, 1, 0, 0}, kMin, kMax, 85, 0, 0), {kMax, 12, 31, 23, 59});
    EXPECT_EQ(bottom.captions[kMoneyCaption], "-9.22337203685478E+18円（節税分 0円）");
    EXPECT_EQ(bottom.captions[kLifeCaption], "－１４９１３０９日と－２時間－８分");
}

// Up to 15 significant digits, ties to even; from 10^15 on the exponent form.
TEST(NumberText, HalfWidthAndMetreForms) {
    const std::pair<std::int64_t, const char*> numbers[] = {
        {0, " 0"}, {3000, " 3000"}, {-1, "-1"}, {999999999999999, " 999999999999999"},
        {-999999999999999, "-999999999999999"}, {1000000000000000, " 1E+15"},
        {1234567890123456, " 1.23456789012346E+15"}, {-1234567890123456, "-1.23456789012346E+15"},
        {1000000000000005, " 1E+15"}, {1000000000000015, " 1.00000000000002E+15"},
        {1234567890123454999, " 1.23456789012345E+18"}, {kMax64, " 9.22337203685478E+18"}};
    for (const auto& [value, text] : numbers) EXPECT_EQ(NumberText(value), text);
    const std::pair<std::int64_t, const char*> metres[] = {
        {0, "0"}, {170, "1.7"}, {7, ".07"}, {-7, "-.07"}, {-150, "-1.5"}, {100, "1"},
        {999999999999999, "9999999999999.99"}, {1234567890123456, "12345678901234.6"},
        {12345678901234550, "123456789012346"}, {12345678901234450, "123456789012344"},
        {99999999999999950, "1E+15"}, {123456789012345678, "1.23456789012346E+15"}};
    for (const auto& [hundredths, text] : metres) EXPECT_EQ(TrimmedMetresNumberText(hundredths), text);
}

}  // namespace
