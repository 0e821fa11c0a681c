#include "engine/DailyMessage.h"

#include <gtest/gtest.h>

#include "support/GoldenTable.h"

TEST(DailyMessage, IndexByDayCalendarAndDraw) {
    CheckGoldenTable("engine/DailyMessage.txt", [](const GoldenRow& row) {
        return Results(SelectMessageIndex(row.Int("day"), row.Int("years"), row.Int("months"), row.Int("draw")));
    });
}

TEST(DailyMessage, TextsOfTheTableOnly) {
    CheckGoldenTable("engine/DailyMessage-texts.txt",
                     [](const GoldenRow& row) { return Results(DailyMessageText(row.Int("index"))); });
}
