// The six-line report of the worked example (see ComputeStatusTest): quit on
// 5 October 2008 at 09:00, 20 a day at 300 yen, 5 years smoked.

#include "engine/ReportText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Examples.h"
#include "support/GoldenTable.h"

// The status records below name only the figures the report reads.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

std::string Report(std::int32_t copyPlusMode, std::int32_t size, ElapsedForm elapsedForm, const TrackerStatus& status) {
    TrackerSettings settings = QuitAt({2008, 10, 5, 9, 0});
    settings.sizeMillimetres = size;
    settings.copyPlusMode = copyPlusMode;
    return BuildReportText(settings, status, elapsedForm, "少尉", "3038円（節税分 1915円）",
                           "202本 17.22ｍ シャア専用ザク");
}

// The number of lines and two of them, counted from 1.
GoldenResults LinesOf(const std::string& report, std::size_t first, std::size_t second) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (!report.empty() && start != std::string::npos) {
        const std::size_t end = report.find("\r\n", start);
        lines.push_back(report.substr(start, end - start));
        start = end == std::string::npos ? end : end + 2;
    }
    const std::size_t count = lines.size();
    lines.resize(std::max(count, second));
    return Results(count, lines[first - 1], lines[second - 1]);
}

}  // namespace

TEST(ReportText, SuffixByCopyPlusModeAndElapsedLineByForm) {
    CheckGoldenTable("engine/ReportText-modes.txt", [](const GoldenRow& row) {
        const TrackerStatus status{.elapsedDays = 10,
                                   .elapsedHours = 3,
                                   .elapsedMinutes = 7,
                                   .totalMinutes = 14587,
                                   .dayNumber = 10,
                                   .lifeMinutes = 1114};
        return LinesOf(Report(row.Int("copyPlusMode"), row.Int("size"),
                              row.Text("form") == "calendar" ? ElapsedForm::Calendar : ElapsedForm::Days, status),
                       2, 3);
    });
}

TEST(ReportText, LifeAndDayFormBelowZeroAndAtTheLimits) {
    CheckGoldenTable("engine/ReportText-life.txt", [](const GoldenRow& row) {
        const TrackerStatus status{.elapsedHours = 23,
                                   .elapsedMinutes = 59,
                                   .totalMinutes = row.Int("totalMinutes"),
                                   .dayNumber = row.Int("dayNumber"),
                                   .lifeMinutes = row.Int("lifeMinutes")};
        return LinesOf(Report(0, 85, ElapsedForm::Days, status), 3, 4);
    });
}
