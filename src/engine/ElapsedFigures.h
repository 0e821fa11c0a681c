#pragma once
// The first stage of a refresh: the time since the quit moment, as calendar
// parts and as exact minutes, and everything that follows from it by
// arithmetic: money saved with its tax part, life won back, cigarettes not
// smoked and their length. Every floored figure is the exact value of its
// formula, computed on whole numbers; a figure too large for its field is
// clamped, never wrapped.

#include "engine/MomentParts.h"
#include "engine/TrackerSettings.h"
#include "engine/TrackerStatus.h"

// Fills the figure fields of status (elapsed parts to lengthCentimetres) and
// the elapsed, life and money captions.
void ComputeElapsedFigures(const TrackerSettings& settings, const MomentParts& now, TrackerStatus& status);

// The calendar form of the elapsed time: "０年０ヶ月０日０時間１０分".
std::string ElapsedCalendarCaption(const TrackerStatus& status);
// The day form: "４２８日５時間７分".
std::string ElapsedDayCaption(const TrackerStatus& status);

// The life won back, "<days>日と<hours>時間<minutes>分", its numbers written by
// `number` (the caption's full-width digits, the report's half-width ones).
// Whole days round down, while the hours and minutes of the remainder are cut
// towards zero: a negative figure (the clock set back) keeps its sign in each.
std::string LifeText(std::int32_t lifeMinutes, std::string (*number)(std::int64_t));
