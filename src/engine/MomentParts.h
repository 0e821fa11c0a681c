#pragma once
// A moment to the minute, cut into its calendar parts. Seconds are never kept.

#include <cstdint>

struct MomentParts {
    std::int32_t year = 0;
    std::int32_t month = 1;
    std::int32_t day = 1;
    std::int32_t hour = 0;
    std::int32_t minute = 0;

    friend bool operator==(const MomentParts&, const MomentParts&) = default;
};
