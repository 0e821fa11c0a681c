// A whole refresh over any settings, any clock reading and any draw. What
// must hold, besides finishing quickly without undefined behaviour:
//   - the same input gives the same refresh;
//   - dayNumber is totalMinutes / 1440 rounded down;
//   - the elapsed and life captions are written without half-width digits;
//   - the report is empty exactly when the report mode is not 0, 1 or 2, and
//     otherwise six lines joined by CR LF, the first naming the rank title;
//   - lung colour and progress stay within their ranges.

#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "engine/RefreshStatus.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in{data, size};
    TrackerSettings s;
    MomentParts now;
    std::int32_t draw = 0;
    for (std::int32_t* field : {&s.quitYear, &s.quitMonth, &s.quitDay, &s.quitHour, &s.quitMinute, &s.cigarettesPerDay,
                                &s.pricePer20, &s.sizeMillimetres, &s.tobaccoTaxPer1000, &s.consumptionTaxPercent,
                                &s.copyPlusMode, &s.smokingYears, &s.packDisplay, &now.year, &now.month, &now.day,
                                &now.hour, &now.minute, &draw}) {
        *field = in.Int32();
    }
    const int viewMode = in.Byte() % 3;  // 2 stands for any other value than the two forms
    const std::uint8_t mode = in.Byte() % 3;  // the two ladders, or any text
    s.statusMode = mode == 0 ? "ソルジャー" : mode == 1 ? "コスモ" : std::string(reinterpret_cast<const char*>(in.data), in.size);

    const TrackerStatus st = ComputeStatus(s, now, draw, viewMode);
    const TrackerStatus again = ComputeStatus(s, now, draw, viewMode);
    Require(st.captions == again.captions && st.reportText == again.reportText && st.lungColor == again.lungColor &&
            st.characters == again.characters, "the same input gives the same refresh");
    Require(st.dayNumber == st.totalMinutes / 1440 - (st.totalMinutes % 1440 < 0 ? 1 : 0), "dayNumber is floored");
    for (const int index : {kElapsedCaption, kLifeCaption}) {
        const std::string& caption = st.captions[static_cast<std::size_t>(index)];
        Require(!caption.empty() && caption.find_first_of("0123456789") == std::string::npos, "full-width digits", caption);
    }
    const std::string& report = st.reportText;
    std::size_t lines = 0;  // CR LF pairs
    for (std::size_t at = report.find("\r\n"); at != std::string::npos; at = report.find("\r\n", at + 2)) ++lines;
    Require(s.copyPlusMode < 0 || s.copyPlusMode > 2 ? report.empty()
                : lines == 5 && std::ranges::count(report, '\n') == 5 && std::ranges::count(report, '\r') == 5 &&
                      report.rfind("ステータス： " + st.rankTitle + "\r\n", 0) == 0,
            "the report is six lines beginning with the title, or empty for an unknown mode", report);
    Require(st.lungColor >= 0 && st.lungColor <= 0xFFFFFF && st.progressValue >= 0 && st.progressValue <= 33,
            "lung colour and progress within their ranges");
    return 0;
}
