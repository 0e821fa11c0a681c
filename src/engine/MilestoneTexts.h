#pragma once
// The words that the view of the coming milestones and the word on a reached
// one share.

#include <cstdint>
#include <string>

// Whole months in the first year, whole years from there on: "１１ヶ月",
// "２年" (for 24).
std::string WholeMonthsText(std::int64_t wholeMonths);

// A multiple of 10,000 yen, counted in ten-thousands: "３万円", "１億２０万円".
std::string TenThousandYenText(std::int64_t tenThousands);
