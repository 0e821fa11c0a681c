#include "engine/ElapsedFigures.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/CalendarMath.h"
#include "engine/NumberText.h"

namespace {

__extension__ typedef __int128 Int128;

Int128 FloorDiv128(Int128 a, Int128 b) {
    const Int128 q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

template <typename T>
T Clamp(Int128 value) {
    const Int128 low = std::numeric_limits<T>::min();
    const Int128 high = std::numeric_limits<T>::max();
    return static_cast<T>(std::clamp(value, low, high));
}

// Half to even, as the display of metres rounds.
Int128 RoundHalfEvenDiv(Int128 numerator, Int128 denominator) {
    const Int128 q = FloorDiv128(numerator, denominator);
    const Int128 twiceRemainder = 2 * (numerator - q * denominator);
    if (twiceRemainder > denominator) return q + 1;
    if (twiceRemainder == denominator && q % 2 != 0) return q + 1;
    return q;
}

// Borrow subtraction from the minutes up, as a person reads a calendar. Near
// short months the borrowed month is the longer of the month before now and
// the quit month, so the parts can run ahead of the exact span.
void ComputeCalendarParts(const TrackerSettings& s, const MomentParts& clock, TrackerStatus& status) {
    std::int64_t nowYear = clock.year, nowMonth = clock.month, nowDay = clock.day, nowHour = clock.hour,
                 nowMinute = clock.minute;
    std::int64_t minutes = nowMinute - s.quitMinute;
    if (nowMinute < s.quitMinute) {
        minutes += 60;
        --nowHour;
    }
    std::int64_t hours = nowHour - s.quitHour;
    if (nowHour < s.quitHour) {
        hours += 24;
        --nowDay;
    }
    std::int64_t days = nowDay - s.quitDay;
    if (nowDay < s.quitDay) {
        const std::int64_t borrowed =
            std::max(MonthLength(clock.year, nowMonth - 1), MonthLength(s.quitYear, s.quitMonth));
        days += borrowed;
        --nowMonth;
    }
    std::int64_t months = nowMonth - s.quitMonth;
    if (nowMonth < s.quitMonth) {
        months += 12;
        --nowYear;
    }
    const std::int64_t years = nowYear - s.quitYear;

    status.elapsedYears = Clamp<std::int32_t>(years);
    status.elapsedMonths = Clamp<std::int32_t>(months);
    status.elapsedDays = Clamp<std::int32_t>(days);
    status.elapsedHours = Clamp<std::int32_t>(hours);
    status.elapsedMinutes = Clamp<std::int32_t>(minutes);
}

}  // namespace

std::string ElapsedCalendarCaption(const TrackerStatus& status) {
    return WideNumber(status.elapsedYears) + "年" + WideNumber(status.elapsedMonths) + "ヶ月" +
           WideNumber(status.elapsedDays) + "日" + WideNumber(status.elapsedHours) + "時間" +
           WideNumber(status.elapsedMinutes) + "分";
}

std::string ElapsedDayCaption(const TrackerStatus& status) {
    return WideNumber(status.dayNumber) + "日" + WideNumber(status.elapsedHours) + "時間" +
           WideNumber(status.elapsedMinutes) + "分";
}

std::string LifeText(std::int32_t lifeMinutes, std::string (*number)(std::int64_t)) {
    return number(FloorDiv(lifeMinutes, 1440)) + "日と" + number((lifeMinutes % 1440) / 60) + "時間" +
           number(lifeMinutes % 60) + "分";
}

void ComputeElapsedFigures(const TrackerSettings& s, const MomentParts& now, TrackerStatus& status) {
    const MomentParts quit{s.quitYear, s.quitMonth, s.quitDay, s.quitHour, s.quitMinute};
    status.totalMinutes = Clamp<std::int32_t>(DateDifference(quit, now).TotalMinutes());
    status.dayNumber = static_cast<std::int32_t>(FloorDiv(status.totalMinutes, 1440));
    ComputeCalendarParts(s, now, status);

    // d = totalMinutes / 1440 days, kept as the exact fraction T / 1440.
    const Int128 t = status.totalMinutes;
    const Int128 perDay = s.cigarettesPerDay;
    const Int128 price = s.pricePer20;
    const Int128 percent = s.consumptionTaxPercent;

    // (d × perDay) × (price / 20)
    const Int128 moneyNumerator = t * perDay * price;
    constexpr Int128 kMoneyDenominator = 1440 * 20;
    status.moneySaved = Clamp<std::int64_t>(FloorDiv128(moneyNumerator, kMoneyDenominator));
    // (tax / 1000) × d × perDay
    status.tobaccoTaxPart =
        Clamp<std::int64_t>(FloorDiv128(Int128{s.tobaccoTaxPer1000} * t * perDay, Int128{1000} * 1440));
    // money × (percent / 100) / (percent / 100 + 1): the tax inside a price that includes it
    const Int128 consumptionDenominator = kMoneyDenominator * (percent + 100);
    status.consumptionTaxPart =
        consumptionDenominator == 0
            ? 0
            : Clamp<std::int64_t>(FloorDiv128(moneyNumerator * percent, consumptionDenominator));

    // 5.5 minutes of life for every cigarette not smoked: (perDay / 1440) × T × 5.5
    status.lifeMinutes = Clamp<std::int32_t>(FloorDiv128(perDay * t * 11, 1440 * 2));

    status.cigarettesNotSmoked = Clamp<std::int64_t>(FloorDiv128(t * perDay, 1440));
    const Int128 lengthNumerator = t * s.sizeMillimetres * perDay;  // millimetres × 1440
    status.lengthMillimetres = static_cast<double>(lengthNumerator) / 1440.0;
    status.lengthWholeMillimetres = Clamp<std::int64_t>(FloorDiv128(lengthNumerator, 1440));
    status.lengthCentimetres = Clamp<std::int64_t>(RoundHalfEvenDiv(lengthNumerator, 1440 * 10));

    status.captions[kElapsedCaption] = ElapsedCalendarCaption(status);

    const Int128 taxTotal = Int128{status.tobaccoTaxPart} + status.consumptionTaxPart;
    status.captions[kMoneyCaption] =
        TrimmedNumberText(status.moneySaved) + "円（節税分" + NumberText(Clamp<std::int64_t>(taxTotal)) + "円）";

    status.captions[kLifeCaption] = LifeText(status.lifeMinutes, WideNumber);
}
