#include "engine/DailyMessage.h"

#include <gtest/gtest.h>

#include "support/GoldenTable.h"

TEST(DailyMessage, IndexByDayCalendarAndDraw) {
    CheckGoldenTable("engine/DailyMessage.txt", [](const GoldenRow& row) {
        return Results(SelectMessageIndex(row.Int("day"), row.Int("years"), row.Int("months"), row.Int("draw")));
    });
}

// The table's two ends, and nothing past them.
TEST(DailyMessage, TextsOfTheTableOnly) {
    EXPECT_EQ(DailyMessageText(0), "さあ今日からいよいよヨルマです！がんばりましょう！");
    EXPECT_FALSE(DailyMessageText(59).empty());
    EXPECT_EQ(DailyMessageText(60), "");
    EXPECT_EQ(DailyMessageText(-1), "");
}
