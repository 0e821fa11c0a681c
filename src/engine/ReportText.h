#pragma once
// The six-line report that the copy command puts on the clipboard and the
// mini window shows.

#include <string>
#include <string_view>

#include "engine/TrackerStatus.h"
#include "engine/TrackerSettings.h"

// The three captions are the main window's rank, money and cigarette figures
// as they stand. elapsedViewMode 0 = calendar form, anything else = day form.
std::string BuildReportText(const TrackerSettings& settings, const TrackerStatus& status,
                            int elapsedViewMode, std::string_view rankCaption,
                            std::string_view moneyCaption, std::string_view cigaretteCaption);
