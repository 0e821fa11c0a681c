#pragma once
// The first stage of a refresh: the time since the quit moment, as calendar
// parts and as exact minutes, and everything that follows from it by
// arithmetic: money saved with its tax part, life won back, cigarettes not
// smoked and their length. Every floored figure is the exact value of its
// formula, computed on whole numbers; a figure too large for its field is
// clamped, never wrapped.

#include "engine/MomentParts.h"
#include "engine/TrackerStatus.h"
#include "engine/TrackerSettings.h"

// Fills the figure fields of status (elapsed parts to lengthCentimetres) and
// the elapsed, life and money captions.
void ComputeElapsedFigures(const TrackerSettings& settings, const MomentParts& now, TrackerStatus& status);

// The calendar form of the elapsed time: "０年０ヶ月０日０時間１０分".
std::string ElapsedCalendarCaption(const TrackerStatus& status);
// The day form: "４２８日５時間７分".
std::string ElapsedDayCaption(const TrackerStatus& status);
