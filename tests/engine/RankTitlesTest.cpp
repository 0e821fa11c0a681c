#include "engine/RankTitles.h"

#include <gtest/gtest.h>

#include "support/GoldenTable.h"

TEST(RankTitles, EachTitleFromItsFirstToItsLastDayOrYear) {
    CheckGoldenTable("engine/RankTitles.txt", [](const GoldenRow& row) {
        const std::int32_t day = row.Int("day");
        const std::int32_t years = row.Int("years");
        return Results(SelectRankTitle("ソルジャー", day, years), SelectRankTitle("コスモ", day, years));
    });
}

TEST(RankTitles, NoTitleForAnotherMode) {
    CheckGoldenTable("engine/RankTitles-modes.txt", [](const GoldenRow& row) {
        return Results(SelectRankTitle(row.Text("mode"), row.Int("day"), row.Int("years")));
    });
}
