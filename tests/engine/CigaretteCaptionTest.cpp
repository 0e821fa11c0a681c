#include "engine/CigaretteCaption.h"

#include <gtest/gtest.h>

#include "support/GoldenTable.h"

TEST(CigaretteCaption, CountAndMetreForms) {
    CheckGoldenTable("engine/CigaretteCaption.txt", [](const GoldenRow& row) {
        return Results(CigaretteCaption(row.Int64("cigarettes"), row.Int64("hundredths"), row.Text("comparison"),
                                        row.Int("size"), row.Int("packDisplay")));
    });
}
