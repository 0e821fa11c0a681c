// One whole refresh on the worked example: quit on 5 October 2008 at 09:00,
// 20 a day at 300 yen, standard size, read at 15 October 2008, 12:07; its
// report shows the elapsed time, the life won back and the money saved.

#include <gtest/gtest.h>

#include "Examples.h"
#include "engine/RefreshStatus.h"

TEST(ComputeStatus, WorkedExample) {
    TrackerSettings settings = QuitAt({2008, 10, 5, 9, 0});
    settings.copyPlusMode = 1;
    const TrackerStatus status = ComputeStatus(settings, {2008, 10, 15, 12, 7}, 57, ElapsedForm::Calendar);
    EXPECT_EQ(status.messageIndex, 10);
    EXPECT_EQ(status.lungColor, 105);
    EXPECT_EQ(status.progressValue, 30);
    EXPECT_EQ(status.captions[kRankCaption], "少尉");
    EXPECT_EQ(status.captions[kElapsedCaption], "０年０ヶ月１０日３時間７分");
    EXPECT_EQ(status.reportText,
              "ステータス： 少尉\r\n"
              "ヨルマ日： 2008年 10月 5日（20本-300円-中）\r\n"
              "ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分\r\n"
              "延びた寿命： 0日と18時間34分\r\n"
              "節約できた金額： 3038円（節税分 1915円）\r\n"
              "節煙本数： 202本 17.22ｍ シャア専用ザク");
}
