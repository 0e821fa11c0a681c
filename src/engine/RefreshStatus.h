#pragma once
// One whole refresh as a pure function: the settings, the clock reading and a
// random draw in; every figure, caption, colour and the report out. The
// windows only apply the result to their controls.

#include <cstdint>

#include "engine/ElapsedForm.h"
#include "engine/MomentParts.h"
#include "engine/TrackerSettings.h"
#include "engine/TrackerStatus.h"

// draw: a whole number from 0 to 99 for the message of the day.
// elapsedForm: the form the main window's elapsed figure shows, which the
// report follows.
TrackerStatus ComputeStatus(const TrackerSettings& settings, const MomentParts& now, std::int32_t draw,
                            ElapsedForm elapsedForm);
