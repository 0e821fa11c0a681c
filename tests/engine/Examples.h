#pragma once
// What the engine's tests share: the duck slots, the settings of a quit moment
// and a refresh.

#include <array>
#include <string>

#include "engine/MomentParts.h"
#include "engine/RefreshStatus.h"
#include "engine/TrackerSettings.h"
#include "support/TabledMoment.h"

// Duck pictures, left to right: "X.X".
inline std::string Slots(const std::array<bool, 3>& shown) {
    std::string slots;
    for (const bool one : shown) {
        slots += one ? 'X' : '.';
    }
    return slots;
}

// Quit at the given moment, the rest as a first start leaves it: 20 a day at
// 300 yen, size 85, the soldier ranks.
inline TrackerSettings QuitAt(const MomentParts& quit) {
    return {.quitYear = quit.year,
            .quitMonth = quit.month,
            .quitDay = quit.day,
            .quitHour = quit.hour,
            .quitMinute = quit.minute};
}

inline TrackerSettings Profile(const MomentParts& quit, std::int32_t perDay, std::int32_t price, std::int32_t size) {
    TrackerSettings settings = QuitAt(quit);
    settings.cigarettesPerDay = perDay;
    settings.pricePer20 = price;
    settings.sizeMillimetres = size;
    return settings;
}

// A refresh with a middle draw for the message of the day, the elapsed figure in calendar form.
inline TrackerStatus StatusAt(const TrackerSettings& settings, const MomentParts& now) {
    return ComputeStatus(settings, now, 50, ElapsedForm::Calendar);
}
