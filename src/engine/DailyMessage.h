#pragma once
// The message of the day.

#include <cstdint>
#include <string_view>

// draw: a whole number from 0 to 99, drawn afresh at every refresh.
std::int32_t SelectMessageIndex(std::int32_t dayNumber, std::int32_t elapsedYears, std::int32_t elapsedMonths,
                                std::int32_t draw);

// The text of DailyMessageTable at index; empty outside the table.
std::string_view DailyMessageText(std::int32_t index);
