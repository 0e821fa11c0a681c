#include "engine/MilestoneTexts.h"

#include <gtest/gtest.h>

TEST(MilestoneTexts, MonthsYearsAndYen) {
    EXPECT_EQ(WholeMonthsText(11), "１１ヶ月");
    EXPECT_EQ(WholeMonthsText(24), "２年");
    EXPECT_EQ(TenThousandYenText(9999), "９９９９万円");
    EXPECT_EQ(TenThousandYenText(10000), "１億円");
    EXPECT_EQ(TenThousandYenText(10001), "１億１万円");
}
