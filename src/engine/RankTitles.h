#pragma once
// The rank title that rises with the days: the soldier ladder or the cosmo ladder.

#include <cstdint>
#include <optional>
#include <string_view>

// Empty when statusMode is neither ladder's name or when no rule matches.
std::string_view SelectRankTitle(std::string_view statusMode, std::int32_t dayNumber, std::int32_t elapsedYears);

// Where the title last changed, at or before the given count, and where it
// changes next, after it. Counted in day numbers while no calendar year is
// completed, in completed years from the first one on. Both empty for a
// statusMode that is neither ladder's name.
struct RankChanges {
    std::optional<std::int32_t> last;
    std::optional<std::int32_t> next;
};
RankChanges RankDayChanges(std::string_view statusMode, std::int32_t dayNumber);
RankChanges RankYearChanges(std::string_view statusMode, std::int32_t elapsedYears);
