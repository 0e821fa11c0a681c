#include "engine/ReachedMilestones.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "engine/CalendarMath.h"
#include "engine/LungAndCharacters.h"
#include "engine/MilestoneTexts.h"

namespace {

std::int64_t DuckEventsBy(std::int32_t dayNumber) {
    return std::count_if(kDuckEvents.begin(), kDuckEvents.end(),
                         [&](const DuckEvent& event) { return event.day <= dayNumber; });
}

std::int64_t WholeMonths(const TrackerStatus& status) {
    return std::int64_t{status.elapsedYears} * 12 + status.elapsedMonths;
}

}  // namespace

std::vector<std::string> ReachedMilestones(const TrackerStatus& previous, const TrackerStatus& current) {
    std::vector<std::string> lines;
    if (current.totalMinutes <= previous.totalMinutes) return lines;

    const std::int64_t ducks = DuckEventsBy(current.dayNumber);
    if (ducks > DuckEventsBy(previous.dayNumber)) {
        const DuckEvent& event = kDuckEvents[static_cast<std::size_t>(ducks - 1)];
        lines.push_back(std::string(event.duck) + (event.rejoices ? "が喜んでいます" : "がお祝いに来ました"));
    }
    if (current.rankTitle != previous.rankTitle && !current.rankTitle.empty()) {
        lines.push_back("ステータスが" + current.rankTitle + "になりました");
    }
    if (previous.dayNumber < kLungsClearestDay && current.dayNumber >= kLungsClearestDay) {
        lines.emplace_back("肺がいちばんきれいな色になりました");
    }
    // Month by month through the first year, then year by year.
    const std::int64_t months = WholeMonths(current);
    const bool newMonth = months >= 1 && months < 12 && months > WholeMonths(previous);
    const bool newYear = current.elapsedYears >= 1 && current.elapsedYears > previous.elapsedYears;
    if (newMonth || newYear) {
        const std::int64_t passed = newYear ? std::int64_t{current.elapsedYears} * 12 : months;
        lines.push_back("ヨルマから" + WholeMonthsText(passed) + "経過しました");
    }
    const std::int64_t tenThousands = FloorDiv(current.moneySaved, 10000);
    if (tenThousands > FloorDiv(previous.moneySaved, 10000) && tenThousands >= 1) {
        lines.push_back("節約できた金額が" + TenThousandYenText(tenThousands) + "に達しました");
    }
    return lines;
}
