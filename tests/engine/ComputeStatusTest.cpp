// One whole refresh, from the settings and the clock to the report.

#include <gtest/gtest.h>

#include <regex>

#include "Examples.h"
#include "engine/RefreshStatus.h"
#include "support/GoldenTable.h"

TEST(ComputeStatus, WorkedExample) {
    CheckGoldenTable("engine/ComputeStatus.txt", [](const GoldenRow& row) {
        TrackerSettings settings = QuitAt(Moment(row.Text("quit")));
        settings.copyPlusMode = row.Int("copyPlusMode");
        const TrackerStatus status =
            ComputeStatus(settings, Moment(row.Text("now")), row.Int("draw"), ElapsedForm::Calendar);
        return Results(status.messageIndex, status.lungColor, status.progressValue, status.captions[kRankCaption],
                       status.captions[kElapsedCaption],
                       std::regex_replace(status.reportText, std::regex("\r\n"), "\\r\\n"));
    });
}
