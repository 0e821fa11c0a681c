#pragma once
// The check a settings save makes: from what the settings window holds, as
// typed and chosen, and the current moment to either the settings to store
// or the message that refuses them. Nothing is stored before all of it passes.

#include <QString>

#include <array>
#include <variant>

#include "engine/MomentParts.h"
#include "engine/TrackerSettings.h"

struct SettingsForm {
    std::array<QString, 5> quitMoment;  // year, month, day, hour, minute
    QString cigarettesPerDay;
    QString pricePer20;
    int sizeChoice = 1;  // 0 short (50 mm), 1 standard (85 mm), 2 long (100 mm)
    QString blogUrl;
    QString statusMode;
    int copyPlusChoice = CopyPlusMode::kOff;  // the mode chosen, by its index: off, on, on with the years smoked
    bool packDisplay = true;
    QString tobaccoTaxPer1000;
    QString consumptionTaxPercent;
    QString smokingYears;  // read also while its box is disabled
};

// The settings to store: `current` with everything the form holds (the window
// places are the caller's), or the message to show.
using SettingsCheckResult = std::variant<TrackerSettings, QString>;
[[nodiscard]] SettingsCheckResult CheckSettings(const SettingsForm& form, const TrackerSettings& current,
                                                const MomentParts& now);

// The size a choice stands for, and the choice that shows a size (a size of
// its own, from a hand-edited file, shows the standard one).
std::int32_t SizeOfChoice(int choice);
int ChoiceOfSize(std::int32_t millimetres);
