// A whole refresh over any settings, any clock reading and any draw. What
// must hold, besides finishing quickly without undefined behaviour:
//   - dayNumber is totalMinutes / 1440 rounded down;
//   - for real dates within the calendar's reach, totalMinutes is the exact
//     span (clamped to 32 bits), counted here with std::chrono;
//   - every caption, title and the report are valid UTF-8;
//   - the elapsed and life captions hold no half-width digits;
//   - the report is empty exactly when the report mode is not 0, 1 or 2, and
//     otherwise six lines joined by CR LF, the first naming the rank title;
//   - lung colour and progress stay within their ranges;
//   - the same input gives the same refresh.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>
#include <string>

#include "FuzzCheck.h"
#include "engine/RefreshStatus.h"

namespace {

namespace chr = std::chrono;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Minutes from 1 January 1970 for a real date and time, when std::chrono can hold it.
bool ExactMinutes(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour, std::int32_t minute,
                  std::int64_t& minutes) {
    if (year < -32767 || year > 32767 || month < 1 || month > 12 || hour < 0 || hour > 23 || minute < 0 ||
        minute > 59 || day < 1 || day > 31) {
        return false;
    }
    const chr::year_month_day date{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                                   chr::day{static_cast<unsigned>(day)}};
    if (!date.ok()) return false;
    minutes = chr::sys_days{date}.time_since_epoch().count() * std::int64_t{1440} + hour * 60 + minute;
    return true;
}

std::string Describe(const TrackerSettings& s, const MomentParts& now, std::int32_t draw) {
    return "quit " + std::to_string(s.quitYear) + "/" + std::to_string(s.quitMonth) + "/" + std::to_string(s.quitDay) +
           " " + std::to_string(s.quitHour) + ":" + std::to_string(s.quitMinute) + ", now " +
           std::to_string(now.year) + "/" + std::to_string(now.month) + "/" + std::to_string(now.day) + " " +
           std::to_string(now.hour) + ":" + std::to_string(now.minute) + ", draw " + std::to_string(draw) +
           ", per day " + std::to_string(s.cigarettesPerDay) + ", price " + std::to_string(s.pricePer20) +
           ", size " + std::to_string(s.sizeMillimetres) + ", mode " + std::to_string(s.copyPlusMode);
}

bool SameStatus(const TrackerStatus& a, const TrackerStatus& b) {
    return a.totalMinutes == b.totalMinutes && a.dayNumber == b.dayNumber && a.moneySaved == b.moneySaved &&
           a.lifeMinutes == b.lifeMinutes && a.lengthCentimetres == b.lengthCentimetres &&
           a.messageIndex == b.messageIndex && a.rankTitle == b.rankTitle && a.lungColor == b.lungColor &&
           a.progressValue == b.progressValue && a.characters == b.characters && a.captions == b.captions &&
           a.reportText == b.reportText;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    TrackerSettings s;
    for (std::int32_t* field : {&s.quitYear, &s.quitMonth, &s.quitDay, &s.quitHour, &s.quitMinute,
                                &s.cigarettesPerDay, &s.pricePer20, &s.sizeMillimetres, &s.tobaccoTaxPer1000,
                                &s.consumptionTaxPercent, &s.copyPlusMode, &s.smokingYears, &s.packDisplay}) {
        *field = in.Int32();
    }
    MomentParts now;
    for (std::int32_t* part : {&now.year, &now.month, &now.day, &now.hour, &now.minute}) *part = in.Int32();
    const std::int32_t draw = in.Int32();
    const int viewMode = in.Byte() % 3;  // 0 and 1 are the two forms; 2 stands for any other value
    // The rank ladders by their names, or any other text.
    const std::uint8_t modeChoice = in.Byte();
    s.statusMode = modeChoice % 3 == 0 ? "ソルジャー" : modeChoice % 3 == 1 ? "コスモ" : in.Rest();

    const TrackerStatus status = ComputeStatus(s, now, draw, viewMode);
    const std::string what = Describe(s, now, draw);

    Require(status.dayNumber == FloorDiv(status.totalMinutes, 1440), "dayNumber is totalMinutes / 1440 rounded down",
            what);
    std::int64_t quitMinutes = 0;
    std::int64_t nowMinutes = 0;
    if (ExactMinutes(s.quitYear, s.quitMonth, s.quitDay, s.quitHour, s.quitMinute, quitMinutes) &&
        ExactMinutes(now.year, now.month, now.day, now.hour, now.minute, nowMinutes)) {
        const std::int64_t exact = std::clamp<std::int64_t>(nowMinutes - quitMinutes,
                                                            std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max());
        Require(status.totalMinutes == exact, "totalMinutes is the exact span",
                what + "\ngot " + std::to_string(status.totalMinutes) + ", exact " + std::to_string(exact));
    }

    for (const std::string& caption : status.captions) Require(IsValidUtf8(caption), "captions are valid UTF-8", what);
    Require(IsValidUtf8(status.rankTitle) && IsValidUtf8(status.comparisonText) && IsValidUtf8(status.reportText),
            "title, comparison and report are valid UTF-8", what);
    for (const int index : {kElapsedCaption, kLifeCaption}) {
        const std::string& caption = status.captions[static_cast<std::size_t>(index)];
        Require(!caption.empty() && caption.find_first_of("0123456789") == std::string::npos,
                "elapsed and life captions are written in full-width digits", what + "\n" + caption);
    }
    Require(status.captions[kRankCaption] == status.rankTitle, "the rank caption is the title", what);

    const std::string& report = status.reportText;
    if (s.copyPlusMode < 0 || s.copyPlusMode > 2) {
        Require(report.empty(), "an unknown report mode gives no report", what);
    } else {
        std::size_t lines = 1;
        for (std::size_t at = 0; at < report.size(); ++at) {
            if (report[at] == '\r') {
                Require(at + 1 < report.size() && report[at + 1] == '\n', "report lines end in CR LF", what);
                ++lines;
                ++at;
            } else {
                Require(report[at] != '\n', "no bare line feed in the report", what);
            }
        }
        Require(lines == 6, "the report has six lines", what + "\n" + report);
        Require(report.rfind("ステータス： " + status.rankTitle + "\r\n", 0) == 0, "the report begins with the title",
                what + "\n" + report);
    }

    Require(status.lungColor >= 0 && status.lungColor <= 0xFFFFFF, "the lung colour is a 24-bit colour", what);
    Require(status.progressValue >= 0 && status.progressValue <= 33, "the progress value is within the bar", what);

    Require(SameStatus(status, ComputeStatus(s, now, draw, viewMode)), "the same input gives the same refresh", what);
    return 0;
}
