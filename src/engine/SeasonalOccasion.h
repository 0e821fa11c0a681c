#pragma once
// The days on which starting to track brings a seasonal greeting first:
// Christmas Eve, Christmas Day and the first three days of the year.

enum class SeasonalOccasion { None, ChristmasEve, ChristmasDay, NewYear };

constexpr SeasonalOccasion OccasionOf(int month, int day) {
    if (month == 12 && day == 24) return SeasonalOccasion::ChristmasEve;
    if (month == 12 && day == 25) return SeasonalOccasion::ChristmasDay;
    if (month == 1 && day >= 1 && day <= 3) return SeasonalOccasion::NewYear;
    return SeasonalOccasion::None;
}
