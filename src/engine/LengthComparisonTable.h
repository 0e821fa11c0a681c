#pragma once
// The objects, records and distances that the cigarettes not smoked are
// compared with, laid end to end: 614 rows with strictly rising thresholds.

#include <array>
#include <cstdint>
#include <string_view>

struct ComparisonRow {
    std::int32_t threshold;  // millimetres
    std::string_view text;
};

inline constexpr std::size_t kComparisonRowCount = 614;
extern const std::array<ComparisonRow, kComparisonRowCount> LengthComparisonTable;

// From this length on the text is always the stratosphere message.
inline constexpr std::int64_t kStratosphereLimit = 800000000;

// The text of the last row whose threshold the length has reached.
// The length is given in whole millimetres (the floor of the exact length):
// a length reaches a whole-number threshold exactly when its floor does.
std::string_view SelectComparisonText(std::int64_t wholeMillimetres);
