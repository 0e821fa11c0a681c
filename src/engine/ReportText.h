#pragma once
// The six-line report that the copy command puts on the clipboard and the
// mini window shows.

#include <string>
#include <string_view>

#include "engine/ElapsedForm.h"
#include "engine/TrackerSettings.h"
#include "engine/TrackerStatus.h"

// The three captions are the main window's rank, money and cigarette figures
// as they stand; the elapsed line in the form the main window shows.
std::string BuildReportText(const TrackerSettings& settings, const TrackerStatus& status, ElapsedForm elapsedForm,
                            std::string_view rankCaption, std::string_view moneyCaption,
                            std::string_view cigaretteCaption);
