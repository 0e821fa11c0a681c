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

// Only the ladders' own names choose one.
TEST(RankTitles, NoTitleForAnotherMode) {
    for (const std::string_view mode : {"", "ソルジャー ", "ｿﾙｼﾞｬｰ", "コスモス", "cosmo"}) {
        EXPECT_EQ(SelectRankTitle(mode, 10, 0), "") << mode;
        EXPECT_EQ(SelectRankTitle(mode, 400, 333), "") << mode;
    }
}
