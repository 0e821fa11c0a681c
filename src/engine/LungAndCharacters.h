#pragma once
// The lung drawing's colour, the duck characters and the progress bar toward
// the next arrival, all following the day count.

#include <cstdint>

#include "engine/TrackerStatus.h"

// red + 256 × green + 65536 × blue
std::int32_t LungColorForDay(std::int32_t dayNumber);

CharacterView CharactersForDay(std::int32_t dayNumber);

// 0 to 30; 0 from day 33 on, when the bar is hidden.
std::int32_t ProgressValueForDay(std::int32_t dayNumber);
