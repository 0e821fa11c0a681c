#include "engine/ReportText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

constexpr std::string_view kRank = "少尉";
constexpr std::string_view kMoney = "3038円（節税分 1915円）";
constexpr std::string_view kCigarettes = "202本 17.22ｍ シャア専用ザク";

// Quit on 5 October 2008 at 09:00, 20 a day at 300 yen, standard size.
TrackerSettings ExampleSettings(std::int32_t copyPlusMode) {
    TrackerSettings s;
    s.quitYear = 2008;
    s.quitMonth = 10;
    s.quitDay = 5;
    s.quitHour = 9;
    s.quitMinute = 0;
    s.cigarettesPerDay = 20;
    s.pricePer20 = 300;
    s.sizeMillimetres = 85;
    s.copyPlusMode = copyPlusMode;
    s.smokingYears = 5;
    return s;
}

// As the refresh leaves it at 15 October 2008, 12:07.
TrackerStatus ExampleStatus() {
    TrackerStatus st;
    st.elapsedYears = 0;
    st.elapsedMonths = 0;
    st.elapsedDays = 10;
    st.elapsedHours = 3;
    st.elapsedMinutes = 7;
    st.totalMinutes = 14587;
    st.dayNumber = 10;
    st.lifeMinutes = 1114;
    return st;
}

std::string Build(const TrackerSettings& s, const TrackerStatus& st, int viewMode = 0,
                  std::string_view rank = kRank, std::string_view money = kMoney,
                  std::string_view cigarettes = kCigarettes) {
    return BuildReportText(s, st, viewMode, rank, money, cigarettes);
}

// Splits on CR LF only; a stray lone CR or LF stays inside its line and so
// shows up as a mismatch.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return lines;
        start = end + 2;
    }
}

TEST(ReportTextTest, WorkedExampleWholeText) {
    const std::string expected =
        "ステータス： 少尉\r\n"
        "ヨルマ日： 2008年 10月 5日（20本-300円-中）\r\n"
        "ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分\r\n"
        "延びた寿命： 0日と18時間34分\r\n"
        "節約できた金額： 3038円（節税分 1915円）\r\n"
        "節煙本数： 202本 17.22ｍ シャア専用ザク";
    EXPECT_EQ(Build(ExampleSettings(1), ExampleStatus()), expected);
}

TEST(ReportTextTest, WorkedExampleByCopyPlusModeAndElapsedForm) {
    struct Case {
        std::int32_t copyPlusMode;
        int viewMode;
        std::string_view quitDateLine;
        std::string_view elapsedLine;
    };
    constexpr std::string_view kCalendar = "ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分";
    constexpr std::string_view kDayForm = "ヨルマからの日数： 10日 3時間 7分";
    constexpr std::string_view kPlain = "ヨルマ日： 2008年 10月 5日";
    constexpr std::string_view kWithProfile = "ヨルマ日： 2008年 10月 5日（20本-300円-中）";
    constexpr std::string_view kWithYears = "ヨルマ日： 2008年 10月 5日（20本-5年）";
    const std::vector<Case> cases = {
        {0, 0, kPlain, kCalendar},       {0, 1, kPlain, kDayForm},
        {1, 0, kWithProfile, kCalendar}, {1, 1, kWithProfile, kDayForm},
        {2, 0, kWithYears, kCalendar},   {2, 1, kWithYears, kDayForm},
        // Any form other than 0 is the day form.
        {1, 2, kWithProfile, kDayForm},  {1, -1, kWithProfile, kDayForm},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("copyPlusMode " + std::to_string(c.copyPlusMode) + ", view " + std::to_string(c.viewMode));
        const std::vector<std::string> expected = {
            "ステータス： 少尉",
            std::string(c.quitDateLine),
            std::string(c.elapsedLine),
            "延びた寿命： 0日と18時間34分",
            "節約できた金額： 3038円（節税分 1915円）",
            "節煙本数： 202本 17.22ｍ シャア専用ザク",
        };
        EXPECT_EQ(Lines(Build(ExampleSettings(c.copyPlusMode), ExampleStatus(), c.viewMode)), expected);
    }
}

TEST(ReportTextTest, ImmediatelyAfterQuitting) {
    const TrackerStatus zero;
    for (const int viewMode : {0, 1}) {
        const auto lines = Lines(Build(ExampleSettings(0), zero, viewMode));
        ASSERT_EQ(lines.size(), 6u);
        EXPECT_EQ(lines[2], viewMode == 0 ? "ヨルマからの日数： 0年 0ヶ月 0日 0時間 0分"
                                          : "ヨルマからの日数： 0日 0時間 0分");
        EXPECT_EQ(lines[3], "延びた寿命： 0日と0時間0分");
    }
}

// Days are floored; hours and minutes are truncated remainders that keep the
// sign of the figure.
TEST(ReportTextTest, LifeLine) {
    struct Case {
        std::int32_t lifeMinutes;
        std::string_view line;
    };
    const std::vector<Case> cases = {
        {0, "延びた寿命： 0日と0時間0分"},
        {110, "延びた寿命： 0日と1時間50分"},
        {1439, "延びた寿命： 0日と23時間59分"},
        {1440, "延びた寿命： 1日と0時間0分"},
        {1441, "延びた寿命： 1日と0時間1分"},
        {kMax, "延びた寿命： 1491308日と2時間7分"},
        {-1, "延びた寿命： -1日と0時間-1分"},
        {-59, "延びた寿命： -1日と0時間-59分"},
        {-60, "延びた寿命： -1日と-1時間0分"},
        {-61, "延びた寿命： -1日と-1時間-1分"},
        {-1439, "延びた寿命： -1日と-23時間-59分"},
        {-1440, "延びた寿命： -1日と0時間0分"},
        {-1441, "延びた寿命： -2日と0時間-1分"},
        {-1500, "延びた寿命： -2日と-1時間0分"},
        {kMin, "延びた寿命： -1491309日と-2時間-8分"},
    };
    for (const auto& c : cases) {
        TrackerStatus st = ExampleStatus();
        st.lifeMinutes = c.lifeMinutes;
        const auto lines = Lines(Build(ExampleSettings(0), st));
        ASSERT_EQ(lines.size(), 6u);
        EXPECT_EQ(lines[3], c.line) << "lifeMinutes " << c.lifeMinutes;
    }
}

// A clock set back one minute before the quit moment: the calendar parts have
// borrowed below zero and the day count is floored to -1.
TEST(ReportTextTest, ElapsedLineBeforeTheQuitMoment) {
    TrackerStatus st;
    st.elapsedYears = -1;
    st.elapsedMonths = 11;
    st.elapsedDays = 30;
    st.elapsedHours = 23;
    st.elapsedMinutes = 59;
    st.totalMinutes = -1;
    st.dayNumber = -1;
    EXPECT_EQ(Lines(Build(ExampleSettings(0), st, 0))[2], "ヨルマからの日数： -1年 11ヶ月 30日 23時間 59分");
    EXPECT_EQ(Lines(Build(ExampleSettings(0), st, 1))[2], "ヨルマからの日数： -1日 23時間 59分");

    st.totalMinutes = -1440;
    st.dayNumber = -1;
    EXPECT_EQ(Lines(Build(ExampleSettings(0), st, 1))[2], "ヨルマからの日数： -1日 23時間 59分");
    st.totalMinutes = -1441;
    st.dayNumber = -2;
    EXPECT_EQ(Lines(Build(ExampleSettings(0), st, 1))[2], "ヨルマからの日数： -2日 23時間 59分");
}

TEST(ReportTextTest, DayFormCountsWholeDaysOfTheTotal) {
    struct Case {
        std::int32_t totalMinutes;
        std::int32_t days;
    };
    const std::vector<Case> cases = {
        {0, 0}, {1439, 0}, {1440, 1}, {14587, 10}, {kMax, 1491308}, {-1, -1}, {kMin, -1491309},
    };
    for (const auto& c : cases) {
        TrackerStatus st = ExampleStatus();
        st.totalMinutes = c.totalMinutes;
        st.dayNumber = c.days;
        EXPECT_EQ(Lines(Build(ExampleSettings(0), st, 1))[2],
                  "ヨルマからの日数： " + std::to_string(c.days) + "日 3時間 7分")
            << "totalMinutes " << c.totalMinutes;
    }
}

TEST(ReportTextTest, CopyPlusModeOutsideTheKnownThreeGivesNoReport) {
    for (const std::int32_t mode : {-1, 3, 4, kMax, kMin}) {
        for (const int viewMode : {0, 1}) {
            EXPECT_EQ(Build(ExampleSettings(mode), ExampleStatus(), viewMode), "") << "mode " << mode;
        }
    }
}

TEST(ReportTextTest, SizeWord) {
    struct Case {
        std::int32_t size;
        std::string_view line;
    };
    const std::vector<Case> cases = {
        {50, "ヨルマ日： 2008年 10月 5日（20本-300円-小）"},
        {85, "ヨルマ日： 2008年 10月 5日（20本-300円-中）"},
        {100, "ヨルマ日： 2008年 10月 5日（20本-300円-大）"},
        // Any other length has no word: the dash runs straight into the bracket.
        {0, "ヨルマ日： 2008年 10月 5日（20本-300円-）"},
        {49, "ヨルマ日： 2008年 10月 5日（20本-300円-）"},
        {51, "ヨルマ日： 2008年 10月 5日（20本-300円-）"},
        {84, "ヨルマ日： 2008年 10月 5日（20本-300円-）"},
        {86, "ヨルマ日： 2008年 10月 5日（20本-300円-）"},
        {99, "ヨルマ日： 2008年 10月 5日（20本-300円-）"},
        {101, "ヨルマ日： 2008年 10月 5日（20本-300円-）"},
        {-85, "ヨルマ日： 2008年 10月 5日（20本-300円-）"},
    };
    for (const auto& c : cases) {
        TrackerSettings s = ExampleSettings(1);
        s.sizeMillimetres = c.size;
        EXPECT_EQ(Lines(Build(s, ExampleStatus()))[1], c.line) << "size " << c.size;
    }
    // The word belongs to the profile suffix alone.
    TrackerSettings s = ExampleSettings(2);
    s.sizeMillimetres = 100;
    EXPECT_EQ(Lines(Build(s, ExampleStatus()))[1], "ヨルマ日： 2008年 10月 5日（20本-5年）");
}

// Plain half-width digits: no blank, no separator, "-" for a negative value;
// the quit hour and minute never appear.
TEST(ReportTextTest, QuitDateLineNumbers) {
    struct Case {
        std::int32_t mode, year, month, day, perDay, price, years;
        std::string_view line;
    };
    const std::vector<Case> cases = {
        {1, 2010, 1, 31, 1234, 12345, 5, "ヨルマ日： 2010年 1月 31日（1234本-12345円-中）"},
        {2, 1999, 12, 1, 0, 300, 40, "ヨルマ日： 1999年 12月 1日（0本-40年）"},
        {2, 2008, 10, 5, -3, 300, -7, "ヨルマ日： 2008年 10月 5日（-3本--7年）"},
        {1, 2008, 10, 5, kMax, kMin, 5, "ヨルマ日： 2008年 10月 5日（2147483647本--2147483648円-中）"},
        {0, 12345, 10, 5, 20, 300, 5, "ヨルマ日： 12345年 10月 5日"},
    };
    for (const auto& c : cases) {
        TrackerSettings s = ExampleSettings(c.mode);
        s.quitYear = c.year;
        s.quitMonth = c.month;
        s.quitDay = c.day;
        s.quitHour = 23;
        s.quitMinute = 59;
        s.cigarettesPerDay = c.perDay;
        s.pricePer20 = c.price;
        s.smokingYears = c.years;
        EXPECT_EQ(Lines(Build(s, ExampleStatus()))[1], c.line);
    }
}

TEST(ReportTextTest, CaptionsAreCopiedAsTheyStand) {
    struct Case {
        std::string_view rank, money, cigarettes;
    };
    const std::vector<Case> cases = {
        {" 少尉", " 3038円（節税分 1915円）", "  202本 17.22ｍ シャア専用ザク"},
        {"　少尉　", "3038円（節税分 1915円） ", " "},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const std::string text = Build(ExampleSettings(1), ExampleStatus(), 0, c.rank, c.money, c.cigarettes);
        const auto lines = Lines(text);
        ASSERT_EQ(lines.size(), 6u) << text;
        EXPECT_EQ(lines[0], "ステータス： " + std::string(c.rank));
        EXPECT_EQ(lines[4], "節約できた金額： " + std::string(c.money));
        EXPECT_EQ(lines[5], "節煙本数： " + std::string(c.cigarettes));
    }
}

}  // namespace
