#pragma once
// Every figure and text of one refresh. Overwritten whole by each refresh;
// between refreshes the windows read the last values from here.

#include <array>
#include <cstdint>
#include <string>

// Which duck pictures the main window shows, and where.
struct CharacterView {
    std::array<bool, 3> ducksVisible{};           // the plain ducks, left to right
    std::array<bool, 3> rejoicingDucksVisible{};  // the rejoicing ducks, left to right
    bool movedDown = false;                       // shown pictures sit at top 2850 twips instead of their design top
    bool progressBarHidden = false;               // once hidden, the bar stays hidden until the window is loaded again

    friend bool operator==(const CharacterView&, const CharacterView&) = default;
};

struct TrackerStatus {
    std::int32_t elapsedYears = 0;
    std::int32_t elapsedMonths = 0;
    std::int32_t elapsedDays = 0;
    std::int32_t elapsedHours = 0;
    std::int32_t elapsedMinutes = 0;
    std::int32_t totalMinutes = 0;
    std::int32_t dayNumber = 0;
    std::int64_t moneySaved = 0;
    std::int64_t tobaccoTaxPart = 0;
    std::int64_t consumptionTaxPart = 0;
    std::int32_t lifeMinutes = 0;
    std::int64_t cigarettesNotSmoked = 0;
    double lengthMillimetres = 0;             // for display only; comparisons use the whole part below
    std::int64_t lengthWholeMillimetres = 0;  // floor of the exact length
    std::int64_t lengthCentimetres = 0;       // the length in metres, two decimals, as hundredths (half to even)
    std::string comparisonText;
    std::int32_t messageIndex = 0;
    std::string rankTitle;
    std::int32_t lungColor = 0;  // red + 256 × green + 65536 × blue
    std::int32_t progressValue = 0;
    CharacterView characters;
    std::string reportText;

    // The main window's six figures, by CaptionIndex.
    std::array<std::string, 6> captions;
};

// Indexes into TrackerStatus::captions, in the main window's order.
enum CaptionIndex : int {
    kElapsedCaption = 0,
    kLifeCaption = 1,
    kMoneyCaption = 2,
    kRankCaption = 3,
    kCigaretteCaption = 4,
    kMessageCaption = 5,
};
