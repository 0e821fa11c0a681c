#include "engine/LungAndCharacters.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kMinDay = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxDay = std::numeric_limits<std::int32_t>::max();

struct Rgb {
    std::int32_t red;
    std::int32_t green;
    std::int32_t blue;

    friend bool operator==(const Rgb&, const Rgb&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Rgb& c) {
        return out << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
    }
};

Rgb Components(std::int32_t color) {
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}

// The lungs clear in two phases: red rises by 10 a day from 5 on day 0 until
// it saturates on day 25, then green and blue rise together by 10 a day until
// they stop at 140 on day 39. Before the quit moment the lungs are black.
Rgb ExpectedLungColour(std::int32_t day) {
    if (day < 0) return {0, 0, 0};
    if (day <= 25) return {day * 10 + 5, 0, 0};
    if (day < 39) return {255, (day - 25) * 10, (day - 25) * 10};
    return {255, 140, 140};
}

TEST(LungColourTest, EveryDayFromBeforeTheQuitToWellPastClearing) {
    for (std::int32_t day = -5; day <= 400; ++day) {
        const std::int32_t color = LungColorForDay(day);
        EXPECT_GE(color, 0) << "day " << day;
        EXPECT_LE(color, 0xFFFFFF) << "day " << day;
        EXPECT_EQ(Components(color), ExpectedLungColour(day)) << "day " << day;
    }
}

TEST(LungColourTest, LandmarkDays) {
    struct Case {
        std::int32_t day;
        Rgb colour;
    };
    const std::vector<Case> cases = {
        {0, {5, 0, 0}},        {1, {15, 0, 0}},          {24, {245, 0, 0}},
        {25, {255, 0, 0}},     {26, {255, 10, 10}},      {38, {255, 130, 130}},
        {39, {255, 140, 140}}, {400, {255, 140, 140}},   {kMaxDay, {255, 140, 140}},
        {-1, {0, 0, 0}},       {kMinDay, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Components(LungColorForDay(c.day)), c.colour) << "day " << c.day;
    }
    // Packed with red in the lowest byte.
    EXPECT_EQ(LungColorForDay(0), 5);
    EXPECT_EQ(LungColorForDay(26), 255 + 256 * 10 + 65536 * 10);
}

struct CharacterCase {
    std::int32_t day;
    // Plain ducks Image1(10), (11), (12), then rejoicing ducks Image3(0), (1), (2).
    std::array<bool, 3> plain;
    std::array<bool, 3> rejoicing;
    bool down;  // moved down and bar hidden go together
    std::int32_t progress;
};

constexpr bool o = false;
constexpr bool X = true;

std::string Describe(const CharacterView& v) {
    std::string s = "plain ";
    for (const bool b : v.ducksVisible) s += b ? 'X' : '.';
    s += " rejoicing ";
    for (const bool b : v.rejoicingDucksVisible) s += b ? 'X' : '.';
    s += v.movedDown ? " down" : " up";
    s += v.progressBarHidden ? " bar hidden" : " bar shown";
    return s;
}

TEST(DuckCharactersTest, EachRowOfTheArrivalTableAndItsEdges) {
    const std::vector<CharacterCase> cases = {
        {kMinDay, {o, o, o}, {o, o, o}, false, 0},
        {-1, {o, o, o}, {o, o, o}, false, 0},
        {0, {o, o, o}, {o, o, o}, false, 0},
        {10, {o, o, o}, {o, o, o}, false, 30},
        // Day 11: the vice-captain arrives in the left slot.
        {11, {X, o, o}, {o, o, o}, false, 0},
        {21, {X, o, o}, {o, o, o}, false, 30},
        // Day 22: the captain joins in the right slot.
        {22, {X, o, X}, {o, o, o}, false, 0},
        {32, {X, o, X}, {o, o, o}, false, 30},
        // Day 33: the king takes the middle; the bar goes and the ducks move down.
        {33, {X, X, X}, {o, o, o}, true, 0},
        {43, {X, X, X}, {o, o, o}, true, 0},
        // Days 44, 55, 66: the vice-captain, the captain, then the king rejoice.
        {44, {o, X, X}, {X, o, o}, true, 0},
        {54, {o, X, X}, {X, o, o}, true, 0},
        {55, {o, X, o}, {X, o, X}, true, 0},
        {65, {o, X, o}, {X, o, X}, true, 0},
        {66, {o, o, o}, {X, X, X}, true, 0},
        {400, {o, o, o}, {X, X, X}, true, 0},
        {kMaxDay, {o, o, o}, {X, X, X}, true, 0},
    };
    for (const auto& c : cases) {
        CharacterView expected;
        expected.ducksVisible = c.plain;
        expected.rejoicingDucksVisible = c.rejoicing;
        expected.movedDown = c.down;
        expected.progressBarHidden = c.down;
        const CharacterView actual = CharactersForDay(c.day);
        EXPECT_EQ(actual, expected) << "day " << c.day << ": got " << Describe(actual) << ", want "
                                    << Describe(expected);
        EXPECT_EQ(ProgressValueForDay(c.day), c.progress) << "day " << c.day;
    }
}

// The bar counts three a day toward each of the first three arrivals, which
// come every eleven days.
TEST(DuckCharactersTest, ProgressEveryDay) {
    for (std::int32_t day = -5; day <= 400; ++day) {
        const std::int32_t expected = (day >= 0 && day < 33) ? (day % 11) * 3 : 0;
        EXPECT_EQ(ProgressValueForDay(day), expected) << "day " << day;
    }
}

// Each slot shows at most one picture, the number of ducks never falls as the
// days go on, and the bar is hidden exactly when it has nothing left to count.
TEST(DuckCharactersTest, ConsistentEveryDay) {
    int previousCount = 0;
    for (std::int32_t day = -5; day <= 400; ++day) {
        const CharacterView view = CharactersForDay(day);
        int count = 0;
        for (std::size_t slot = 0; slot < 3; ++slot) {
            EXPECT_FALSE(view.ducksVisible[slot] && view.rejoicingDucksVisible[slot])
                << "day " << day << " slot " << slot;
            count += (view.ducksVisible[slot] || view.rejoicingDucksVisible[slot]) ? 1 : 0;
        }
        EXPECT_GE(count, previousCount) << "day " << day;
        previousCount = count;
        EXPECT_EQ(view.progressBarHidden, day >= 33) << "day " << day;
        EXPECT_EQ(view.movedDown, day >= 33) << "day " << day;
        if (view.progressBarHidden) {
            EXPECT_EQ(count, 3) << "day " << day;
        }
    }
}

}  // namespace
