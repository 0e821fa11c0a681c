#pragma once
// The lung drawing's colour, the duck characters and the progress bar toward
// the next arrival, all following the day count.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/TrackerStatus.h"

struct DuckEvent {
    std::int32_t day;
    std::string_view duck;
    bool rejoices;  // false: the duck arrives
};

// The ducks' days, as the pictures and the daily messages follow them.
inline constexpr std::array<DuckEvent, 6> kDuckEvents{{
    {11, "アヒル副隊長", false},
    {22, "アヒル隊長", false},
    {33, "アヒルの王様", false},
    {44, "アヒル副隊長", true},
    {55, "アヒル隊長", true},
    {66, "アヒルの王様", true},
}};

// The first day of the lungs' last, palest colour: day × 10 + 5 - 255 reaches
// the pale limit 140 there.
inline constexpr std::int32_t kLungsClearestDay = 39;

// red + 256 × green + 65536 × blue
std::int32_t LungColorForDay(std::int32_t dayNumber);

CharacterView CharactersForDay(std::int32_t dayNumber);

// 0 to 30; 0 from day 33 on, when the bar is hidden.
std::int32_t ProgressValueForDay(std::int32_t dayNumber);
