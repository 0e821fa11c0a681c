#include "engine/RefreshStatus.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Quit on 5 October 2008 at 09:00: 20 a day at 300 yen, standard size, the
// default taxes, the soldier ladder, packs shown, the profile in the report.
TrackerSettings ExampleSettings() {
    TrackerSettings s;
    s.setupDone = 1;
    s.quitYear = 2008;
    s.quitMonth = 10;
    s.quitDay = 5;
    s.quitHour = 9;
    s.quitMinute = 0;
    s.cigarettesPerDay = 20;
    s.pricePer20 = 300;
    s.sizeMillimetres = 85;
    s.tobaccoTaxPer1000 = 8744;
    s.consumptionTaxPercent = 5;
    s.statusMode = "ソルジャー";
    s.packDisplay = 1;
    s.copyPlusMode = 1;
    return s;
}

constexpr MomentParts kExampleNow{2008, 10, 15, 12, 7};

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

TEST(ComputeStatusTest, WorkedExampleFigures) {
    const TrackerStatus st = ComputeStatus(ExampleSettings(), kExampleNow, 0, 0);
    EXPECT_EQ(st.elapsedYears, 0);
    EXPECT_EQ(st.elapsedMonths, 0);
    EXPECT_EQ(st.elapsedDays, 10);
    EXPECT_EQ(st.elapsedHours, 3);
    EXPECT_EQ(st.elapsedMinutes, 7);
    EXPECT_EQ(st.totalMinutes, 14587);
    EXPECT_EQ(st.dayNumber, 10);
    EXPECT_EQ(st.lifeMinutes, 1114);
    EXPECT_EQ(st.moneySaved, 3038);
    EXPECT_EQ(st.tobaccoTaxPart, 1771);
    EXPECT_EQ(st.consumptionTaxPart, 144);
    EXPECT_EQ(st.cigarettesNotSmoked, 202);
    EXPECT_DOUBLE_EQ(st.lengthMillimetres, 14587.0 * 85 * 20 / 1440);
    EXPECT_EQ(st.lengthCentimetres, 1722);  // 17.22 m
    EXPECT_EQ(st.comparisonText, "シャア専用ザク");
    EXPECT_EQ(st.rankTitle, "少尉");
    // Day 10: the last day before the first duck arrives.
    EXPECT_EQ(st.lungColor, 105);
    EXPECT_EQ(st.progressValue, 30);
    EXPECT_EQ(st.characters, CharacterView{});
}

TEST(ComputeStatusTest, WorkedExampleReport) {
    struct Case {
        std::int32_t copyPlusMode;
        int elapsedViewMode;
        std::string quitDateLine;
        std::string elapsedLine;
    };
    const std::vector<Case> cases = {
        {1, 0, "ヨルマ日： 2008年 10月 5日（20本-300円-中）", "ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分"},
        {1, 1, "ヨルマ日： 2008年 10月 5日（20本-300円-中）", "ヨルマからの日数： 10日 3時間 7分"},
        {2, 0, "ヨルマ日： 2008年 10月 5日（20本-5年）", "ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分"},
        {0, 0, "ヨルマ日： 2008年 10月 5日", "ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("copyPlusMode " + std::to_string(c.copyPlusMode) + ", view " +
                     std::to_string(c.elapsedViewMode));
        TrackerSettings s = ExampleSettings();
        s.copyPlusMode = c.copyPlusMode;
        s.smokingYears = 5;
        // The message of the day is not part of the report, whatever the draw.
        for (const std::int32_t draw : {0, 57, 99}) {
            const TrackerStatus st = ComputeStatus(s, kExampleNow, draw, c.elapsedViewMode);
            EXPECT_EQ(st.reportText, Joined({
                                         "ステータス： 少尉",
                                         c.quitDateLine,
                                         c.elapsedLine,
                                         "延びた寿命： 0日と18時間34分",
                                         "節約できた金額： 3038円（節税分 1915円）",
                                         "節煙本数： 202本 17.22ｍ シャア専用ザク",
                                     }))
                << "draw " << draw;
        }
    }
}

TEST(ComputeStatusTest, ReportAtTheQuitMoment) {
    const TrackerSettings s = ExampleSettings();
    const MomentParts quit{s.quitYear, s.quitMonth, s.quitDay, s.quitHour, s.quitMinute};
    const TrackerStatus st = ComputeStatus(s, quit, 0, 0);
    EXPECT_EQ(st.reportText, Joined({
                                 "ステータス： ２等兵",
                                 "ヨルマ日： 2008年 10月 5日（20本-300円-中）",
                                 "ヨルマからの日数： 0年 0ヶ月 0日 0時間 0分",
                                 "延びた寿命： 0日と0時間0分",
                                 "節約できた金額： 0円（節税分 0円）",
                                 "節煙本数： 0本 0ｍ ガンバレ－",
                             }));
    EXPECT_EQ(st.lungColor, 5);
    EXPECT_EQ(st.progressValue, 0);
}

// The life figure is shown twice: as its caption and as report line 4. Both
// take whole days rounded down and hours and minutes cut towards zero, so a
// negative figure (clock set back) reads alike in both.
TEST(ComputeStatusTest, LifeCaptionAndReportLineAgree) {
    struct Case {
        MomentParts now;
        const char* caption;
        const char* reportLine;
    };
    const Case cases[] = {
        {{2008, 10, 6, 9, 0}, "０日と１時間５０分", "延びた寿命： 0日と1時間50分"},
        {{2008, 10, 5, 8, 59}, "－１日と０時間－１分", "延びた寿命： -1日と0時間-1分"},
        {{2008, 10, 4, 9, 0}, "－１日と－１時間－５０分", "延びた寿命： -1日と-1時間-50分"},
        {{2008, 9, 25, 9, 0}, "－１日と－１８時間－２０分", "延びた寿命： -1日と-18時間-20分"},
        {{2008, 9, 21, 17, 43}, "－２日と－１時間－１分", "延びた寿命： -2日と-1時間-1分"},
    };
    for (const Case& c : cases) {
        const TrackerStatus st = ComputeStatus(ExampleSettings(), c.now, 0, 0);
        EXPECT_EQ(st.captions[kLifeCaption], c.caption) << c.reportLine;
        EXPECT_NE(st.reportText.find(std::string("\r\n") + c.reportLine + "\r\n"), std::string::npos) << c.reportLine;
    }
}

// A clock set back before the quit moment must still give a whole refresh.
TEST(ComputeStatusTest, ClockBeforeTheQuitMoment) {
    const TrackerStatus st = ComputeStatus(ExampleSettings(), MomentParts{2008, 10, 5, 8, 59}, 0, 1);
    EXPECT_EQ(st.totalMinutes, -1);
    EXPECT_EQ(st.dayNumber, -1);
    EXPECT_EQ(st.lungColor, 0);
    EXPECT_EQ(st.progressValue, 0);
    EXPECT_EQ(st.characters, CharacterView{});
    ASSERT_FALSE(st.reportText.empty());
    EXPECT_NE(st.reportText.find("ヨルマからの日数： -1日 23時間 59分\r\n"), std::string::npos) << st.reportText;
}

}  // namespace
