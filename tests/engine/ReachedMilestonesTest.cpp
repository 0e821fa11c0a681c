#include "engine/ReachedMilestones.h"

#include <gtest/gtest.h>

#include "Examples.h"
#include "support/GoldenTable.h"

TEST(ReachedMilestones, OneLineOfEachKindPassedAndNothingBackwards) {
    CheckGoldenTable("engine/ReachedMilestones.txt", [](const GoldenRow& row) {
        const TrackerSettings settings = QuitAt({2026, 3, 10, 9, 41});
        std::string lines;
        for (const std::string& line : ReachedMilestones(StatusAt(settings, Moment(row.Text("previous"))),
                                                         StatusAt(settings, Moment(row.Text("current"))))) {
            lines += (lines.empty() ? "" : " / ") + line;
        }
        return Results(lines);
    });
}
