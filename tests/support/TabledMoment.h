#pragma once
// Moments as golden tables write them: "2026-03-10 09:41".

#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "engine/MomentParts.h"

inline MomentParts Moment(const std::string& text) {
    MomentParts moment;
    const int read = std::sscanf(text.c_str(), "%d-%d-%d %d:%d", &moment.year, &moment.month, &moment.day, &moment.hour,
                                 &moment.minute);
    if (read != 5) throw std::invalid_argument("not a moment: " + text);
    return moment;
}

inline std::string MomentText(const MomentParts& moment) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%d-%02d-%02d %02d:%02d", moment.year, moment.month, moment.day,
                  moment.hour, moment.minute);
    return text.data();
}
