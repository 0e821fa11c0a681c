#pragma once
// Everything the user sets and the program remembers between runs. The quit
// moment and smoking profile live in "initial.ini", the rest in "option.ini".
// Plain data without Qt, so the status engine can read it.

#include <cstdint>
#include <string>

// The page opened by the blog button until the user chooses another one.
inline constexpr const char* kDefaultBlogUrl = "nubera.example.jp/";

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
    std::int32_t copyPlusMode = 0;
    std::int32_t smokingYears = 5;
    std::int32_t packDisplay = 1;
    std::int32_t mainLeft = 0;
    std::int32_t mainTop = 0;
    std::int32_t backColor = 9241372;   // red 28, green 3, blue 141
    std::int32_t textColor = 16777215;  // white
    std::string blogUrl = kDefaultBlogUrl;  // UTF-8, without "http://"
    std::int32_t windowMode = 2;        // 1 = mini window, anything else = main window
    std::int32_t miniLeft = 0;
    std::int32_t miniTop = 0;
    std::string statusMode = "ソルジャー";

    friend bool operator==(const TrackerSettings&, const TrackerSettings&) = default;
};
