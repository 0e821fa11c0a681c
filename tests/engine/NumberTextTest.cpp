#include "engine/NumberText.h"

#include <gtest/gtest.h>

#include "support/GoldenTable.h"

TEST(NumberText, HalfWidthAndMetreForms) {
    CheckGoldenTable("engine/NumberText.txt", [](const GoldenRow& row) {
        const std::int64_t value = row.Int64("value");
        return Results(row.Text("form") == "metres" ? TrimmedMetresNumberText(value) : NumberText(value));
    });
}
