// The six-line report, and one whole refresh on the worked example: quit on
// 5 October 2008 at 09:00, 20 a day at 300 yen, standard size, read at
// 15 October 2008, 12:07.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "engine/RefreshStatus.h"
#include "engine/ReportText.h"

// The status records below name only the figures the report reads.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

TrackerSettings Example(std::int32_t copyPlusMode, std::int32_t size = 85) {
    return {.quitYear = 2008, .quitMonth = 10, .quitDay = 5, .quitHour = 9, .quitMinute = 0, .sizeMillimetres = size,
            .copyPlusMode = copyPlusMode, .smokingYears = 5};
}

std::string Report(const std::string& date, const std::string& elapsed, const std::string& life = "0日と18時間34分") {
    return "ステータス： 少尉\r\nヨルマ日： 2008年 10月 5日" + date + "\r\nヨルマからの日数： " + elapsed +
           "\r\n延びた寿命： " + life + "\r\n節約できた金額： 3038円（節税分 1915円）\r\n節煙本数： 202本 17.22ｍ シャア専用ザク";
}

TEST(ComputeStatus, WorkedExample) {
    const TrackerStatus st = ComputeStatus(Example(1), {2008, 10, 15, 12, 7}, 57, ElapsedForm::Calendar);
    EXPECT_EQ(std::tuple(st.totalMinutes, st.dayNumber, st.lifeMinutes, st.tobaccoTaxPart, st.consumptionTaxPart,
                         st.messageIndex, st.lungColor, st.progressValue, st.captions[kRankCaption], st.captions[kElapsedCaption]),
              std::tuple(14587, 10, 1114, 1771, 144, 10, 105, 30, "少尉", "０年０ヶ月１０日３時間７分"));
    EXPECT_EQ(st.reportText, Report("（20本-300円-中）", "0年 0ヶ月 10日 3時間 7分"));
}

// The copy-plus mode picks line 2's suffix, the elapsed form line 3.
TEST(ReportText, SuffixByCopyPlusModeAndElapsedLineByForm) {
    struct Case { std::int32_t copyPlusMode, size; int form; const char *suffix, *elapsed; };
    const Case cases[] = {
        {0, 85, 0, "", "0年 0ヶ月 10日 3時間 7分"},          {0, 85, 1, "", "10日 3時間 7分"},
        {1, 85, 1, "（20本-300円-中）", "10日 3時間 7分"},  {2, 85, 0, "（20本-5年）", "0年 0ヶ月 10日 3時間 7分"},
        {2, 100, 1, "（20本-5年）", "10日 3時間 7分"},      {1, 50, -1, "（20本-300円-小）", "10日 3時間 7分"},
        {1, 100, 2, "（20本-300円-大）", "10日 3時間 7分"}, {1, 84, 0, "（20本-300円-）", "0年 0ヶ月 10日 3時間 7分"},
    };
    TrackerStatus st{.elapsedDays = 10, .elapsedHours = 3, .elapsedMinutes = 7, .totalMinutes = 14587,
                     .dayNumber = 10, .lifeMinutes = 1114};
    for (const Case& c : cases) {
        EXPECT_EQ(BuildReportText(Example(c.copyPlusMode, c.size), st, static_cast<ElapsedForm>(c.form), "少尉", "3038円（節税分 1915円）",
                                  "202本 17.22ｍ シャア専用ザク"),
                  Report(c.suffix, c.elapsed));
    }
    for (const std::int32_t mode : {-1, 3, INT32_MAX}) EXPECT_EQ(BuildReportText(Example(mode), st, ElapsedForm::Calendar, "a", "b", "c"), "");
    // A status before its first refresh reads as nothing elapsed.
    EXPECT_NE(BuildReportText(Example(0), TrackerStatus{}, ElapsedForm::Calendar, "", "", "").find("： 0年 0ヶ月 0日 0時間 0分\r\n"), std::string::npos);
    EXPECT_EQ(BuildReportText(Example(0), st, ElapsedForm::Calendar, " 少尉", "", "  x"),
              "ステータス：  少尉\r\nヨルマ日： 2008年 10月 5日\r\nヨルマからの日数： 0年 0ヶ月 10日 3時間 7分\r\n"
              "延びた寿命： 0日と18時間34分\r\n節約できた金額： \r\n節煙本数：   x");
}

// Whole days rounded down; hours and minutes cut towards zero, keeping the sign.
TEST(ReportText, LifeAndDayFormBelowZeroAndAtTheLimits) {
    struct Case { std::int32_t lifeMinutes, totalMinutes, dayNumber; const char *life, *elapsed; };
    const Case cases[] = {
        {0, 0, 0, "0日と0時間0分", "0日 23時間 59分"},              {1441, 1440, 1, "1日と0時間1分", "1日 23時間 59分"},
        {-1, -1, -1, "-1日と0時間-1分", "-1日 23時間 59分"},         {-61, -1441, -2, "-1日と-1時間-1分", "-2日 23時間 59分"},
        {-1440, -1440, -1, "-1日と0時間0分", "-1日 23時間 59分"},    {-1441, -2880, -2, "-2日と0時間-1分", "-2日 23時間 59分"},
        {INT32_MAX, INT32_MAX, 1491308, "1491308日と2時間7分", "1491308日 23時間 59分"},
        {INT32_MIN, INT32_MIN, -1491309, "-1491309日と-2時間-8分", "-1491309日 23時間 59分"},
    };
    for (const Case& c : cases) {
        const TrackerStatus st{.elapsedHours = 23, .elapsedMinutes = 59, .totalMinutes = c.totalMinutes,
                               .dayNumber = c.dayNumber, .lifeMinutes = c.lifeMinutes};
        EXPECT_EQ(BuildReportText(Example(0), st, ElapsedForm::Days, "少尉", "3038円（節税分 1915円）", "202本 17.22ｍ シャア専用ザク"),
                  Report("", c.elapsed, c.life));
    }
}

}  // namespace
