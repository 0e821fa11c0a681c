#pragma once
// The rank title that rises with the days: the soldier ladder or the cosmo ladder.

#include <cstdint>
#include <string_view>

// Empty when statusMode is neither ladder's name or when no rule matches.
std::string_view SelectRankTitle(std::string_view statusMode, std::int32_t dayNumber,
                                 std::int32_t elapsedYears);
