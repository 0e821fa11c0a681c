#include "engine/LungAndCharacters.h"

#include <algorithm>
#include <cstddef>

namespace {

// The ducks arrive on days 11, 22 and 33 and rejoice on days 44, 55 and 66.
constexpr std::int32_t kFirstArrival = kDuckEvents[0].day;
constexpr std::int32_t kSecondArrival = kDuckEvents[1].day;
constexpr std::int32_t kThirdArrival = kDuckEvents[2].day;
constexpr std::int32_t kFirstRejoicing = kDuckEvents[3].day;
constexpr std::int32_t kSecondRejoicing = kDuckEvents[4].day;
constexpr std::int32_t kThirdRejoicing = kDuckEvents[5].day;

// Slots of the picture arrays: left, middle, right.
constexpr std::size_t kViceCaptain = 0;
constexpr std::size_t kKing = 1;
constexpr std::size_t kCaptain = 2;

constexpr std::int64_t kPaleLimit = 140;

}  // namespace

std::int32_t LungColorForDay(std::int32_t dayNumber) {
    // 64-bit so that a day count near the 32-bit limit cannot overflow.
    const std::int64_t v = std::int64_t{dayNumber} * 10 + 5;
    std::int64_t red = v;
    std::int64_t pale = 0;
    if (v >= 256) {
        red = 255;
        pale = std::min(v - 255, kPaleLimit);
    }
    // Before the quit moment (clock set back) the lungs stay black rather than
    // failing on a negative component.
    red = std::clamp<std::int64_t>(red, 0, 255);
    return static_cast<std::int32_t>(red + 256 * pale + 65536 * pale);
}

CharacterView CharactersForDay(std::int32_t dayNumber) {
    CharacterView view;
    auto& plain = view.ducksVisible;
    auto& rejoicing = view.rejoicingDucksVisible;
    if (dayNumber >= kThirdRejoicing) {
        rejoicing = {true, true, true};
    } else if (dayNumber >= kSecondRejoicing) {
        rejoicing[kViceCaptain] = true;
        rejoicing[kCaptain] = true;
        plain[kKing] = true;
    } else if (dayNumber >= kFirstRejoicing) {
        rejoicing[kViceCaptain] = true;
        plain[kKing] = true;
        plain[kCaptain] = true;
    } else if (dayNumber >= kThirdArrival) {
        plain = {true, true, true};
    } else if (dayNumber >= kSecondArrival) {
        plain[kViceCaptain] = true;
        plain[kCaptain] = true;
    } else if (dayNumber >= kFirstArrival) {
        plain[kViceCaptain] = true;
    }
    // With all three present the bar has nothing left to count toward; the
    // ducks take its room.
    view.movedDown = dayNumber >= kThirdArrival;
    view.progressBarHidden = dayNumber >= kThirdArrival;
    return view;
}

std::int32_t ProgressValueForDay(std::int32_t dayNumber) {
    if (dayNumber >= kThirdArrival) return 0;
    // The bar's range starts at 0; a day count below zero leaves it empty.
    if (dayNumber < 0) return 0;
    if (dayNumber >= kSecondArrival) return (dayNumber - kSecondArrival) * 3;
    if (dayNumber >= kFirstArrival) return (dayNumber - kFirstArrival) * 3;
    return dayNumber * 3;
}

static_assert(kLungsClearestDay * 10 + 5 - 255 >= kPaleLimit && (kLungsClearestDay - 1) * 10 + 5 - 255 < kPaleLimit);
