#include "engine/MilestoneTexts.h"

#include "engine/NumberText.h"

std::string WholeMonthsText(std::int64_t wholeMonths) {
    if (wholeMonths < 12) return WideNumber(wholeMonths) + "ヶ月";
    return WideNumber(wholeMonths / 12) + "年";
}

std::string TenThousandYenText(std::int64_t tenThousands) {
    // Japanese counts by ten-thousands: 10,000 万 make 1 億.
    const std::int64_t oku = tenThousands / 10000;
    const std::int64_t man = tenThousands % 10000;
    std::string text;
    if (oku > 0) text = WideNumber(oku) + "億";
    if (man > 0 || oku == 0) text += WideNumber(man) + "万";
    return text + "円";
}
