#pragma once
// Everything the user sets and the program remembers between runs. The quit
// moment and smoking profile live in "initial.ini", the rest in "option.ini".
// Plain data without Qt, so the status engine can read it.

#include <cstdint>
#include <string>

// The page opened by the blog button until the user chooses another one.
inline constexpr const char* kDefaultBlogUrl = "nubera.example.jp/";

// The modes "option.ini" stores as numbers, by name. A file may hold any other
// number (a hand-edited one); what each field does with it is said below.
namespace CopyPlusMode {
// What the copied report adds to its quit date; any other mode gives no report.
inline constexpr std::int32_t kOff = 0;
inline constexpr std::int32_t kProfile = 1;       // the count, the price and the size
inline constexpr std::int32_t kSmokingYears = 2;  // the count and the years smoked
}  // namespace CopyPlusMode

namespace PackDisplay {
// Counts of whole packs and cartons shown as such; anything but kOn is off.
inline constexpr std::int32_t kOff = 0;
inline constexpr std::int32_t kOn = 1;
}  // namespace PackDisplay

namespace WindowMode {
// The display window in use when the program last ended; anything but kMini
// opens the main window.
inline constexpr std::int32_t kMain = 0;
inline constexpr std::int32_t kMini = 1;
// The main window, the mini window never used yet: it opens first where the
// main window stands.
inline constexpr std::int32_t kMiniNeverUsed = 2;
}  // namespace WindowMode

struct TrackerSettings {
    // "initial.ini", in file order
    std::int32_t quitYear = 0;
    std::int32_t quitMonth = 1;
    std::int32_t quitDay = 1;
    std::int32_t quitHour = 0;
    std::int32_t quitMinute = 0;
    std::int32_t cigarettesPerDay = 20;
    std::int32_t pricePer20 = 300;
    std::int32_t sizeMillimetres = 85;

    // "option.ini", in file order
    std::int32_t setupDone = 0;
    std::int32_t tobaccoTaxPer1000 = 8744;
    std::int32_t consumptionTaxPercent = 5;
    std::int32_t copyPlusMode = CopyPlusMode::kOff;
    std::int32_t smokingYears = 5;
    std::int32_t packDisplay = PackDisplay::kOn;
    std::int32_t mainLeft = 0;
    std::int32_t mainTop = 0;
    std::int32_t backColor = 9241372;       // red 28, green 3, blue 141
    std::int32_t textColor = 16777215;      // white
    std::string blogUrl = kDefaultBlogUrl;  // UTF-8, without "http://"
    std::int32_t windowMode = WindowMode::kMiniNeverUsed;
    std::int32_t miniLeft = 0;
    std::int32_t miniTop = 0;
    std::string statusMode = "ソルジャー";

    bool MiniWindowInUse() const { return windowMode == WindowMode::kMini; }
    bool PackDisplayOn() const { return packDisplay == PackDisplay::kOn; }
    bool KnownCopyPlusMode() const {
        return copyPlusMode >= CopyPlusMode::kOff && copyPlusMode <= CopyPlusMode::kSmokingYears;
    }

    friend bool operator==(const TrackerSettings&, const TrackerSettings&) = default;
};
