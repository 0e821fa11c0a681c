#include "engine/LengthComparisonTable.h"

#include <gtest/gtest.h>

#include "support/GoldenTable.h"

TEST(LengthComparisonTable, LastRowReachedAndTheStratosphere) {
    CheckGoldenTable("engine/LengthComparisonTable.txt",
                     [](const GoldenRow& row) { return Results(SelectComparisonText(row.Int64("millimetres"))); });
}
