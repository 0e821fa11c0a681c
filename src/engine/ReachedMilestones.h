#pragma once
// The milestones passed between two refreshes, each as one line in the
// program's own words, for one notification: a duck arriving or rejoicing,
// a new rank title, the lungs' last colour, a whole month of the first year
// or a whole year, a multiple of 10,000 yen saved. (The length comparison,
// whose object changes every hour or so at first, is left to the view.)
//
// The caller compares consecutive refreshes of one run, made with the same
// settings, and starts afresh when the settings change: so a milestone passed
// while the program was not running is never told. Nothing when the clock
// went back or stood still; after a jump forward, only the latest milestone
// of each kind, so that one refresh gives one short notification.

#include <string>
#include <vector>

#include "engine/TrackerStatus.h"

std::vector<std::string> ReachedMilestones(const TrackerStatus& previous, const TrackerStatus& current);
