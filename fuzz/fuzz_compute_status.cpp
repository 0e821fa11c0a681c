// A whole refresh over any settings, any clock reading and any draw. What
// must hold, besides finishing quickly without undefined behaviour:
//   - the same input gives the same refresh;
//   - dayNumber is totalMinutes / 1440 rounded down;
//   - the elapsed and life captions are written without half-width digits;
//   - the report is empty exactly when the report mode is not 0, 1 or 2, and
//     otherwise six lines joined by CR LF, the first naming the rank title;
//   - lung colour and progress stay within their ranges;
//   - a milestone ahead has its text and a bar within 0 to 1000; seen from a
//     reading of the clock, its moment is still to come and the 32-bit minute
//     count reaches it.

#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "engine/CalendarMath.h"
#include "engine/ReachedMilestones.h"
#include "engine/RefreshStatus.h"
#include "engine/UpcomingMilestones.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Values are taken from the front of the bytes; past the end every byte is 0.
    const auto byte = [&]() -> std::uint8_t { return size > 0 ? (--size, *data++) : 0; };
    TrackerSettings s;
    MomentParts now;
    std::int32_t draw = 0;
    // Four bytes to each field: they shift its former value out whole.
    for (std::int32_t* field :
         {&s.quitYear, &s.quitMonth, &s.quitDay, &s.quitHour, &s.quitMinute, &s.cigarettesPerDay, &s.pricePer20,
          &s.sizeMillimetres, &s.tobaccoTaxPer1000, &s.consumptionTaxPercent, &s.copyPlusMode, &s.smokingYears,
          &s.packDisplay, &now.year, &now.month, &now.day, &now.hour, &now.minute, &draw}) {
        for (int k = 0; k < 4; ++k)
            *field = static_cast<std::int32_t>(static_cast<std::uint32_t>(*field) << 8 | byte());
    }
    const ElapsedForm form = byte() % 2 == 0 ? ElapsedForm::Calendar : ElapsedForm::Days;
    const int mode = byte() % 3;  // the two ladders, or any text
    const char* const ladders[] = {"ソルジャー", "コスモ"};
    s.statusMode = mode < 2 ? ladders[mode] : std::string(reinterpret_cast<const char*>(data), size);

    const TrackerStatus st = ComputeStatus(s, now, draw, form);
    const TrackerStatus again = ComputeStatus(s, now, draw, form);
    Require(st.captions == again.captions && st.reportText == again.reportText && st.lungColor == again.lungColor &&
                st.characters == again.characters,
            "the same input gives the same refresh");
    Require(st.dayNumber == st.totalMinutes / 1440 - (st.totalMinutes % 1440 < 0 ? 1 : 0), "dayNumber is floored");
    for (const std::string& caption : {st.captions[kElapsedCaption], st.captions[kLifeCaption]}) {
        const bool wide = !caption.empty() && caption.find_first_of("0123456789") == std::string::npos;
        Require(wide, "full-width digits", caption);
    }
    const std::string& report = st.reportText;
    std::size_t pairs = 0;  // of CR LF, which must be the only CRs and LFs
    for (std::size_t at = report.find("\r\n"); at != std::string::npos; at = report.find("\r\n", at + 2)) ++pairs;
    const bool sixLines = pairs == 5 && std::ranges::count(report, '\n') == 5 && std::ranges::count(report, '\r') == 5;
    Require(s.copyPlusMode < 0 || s.copyPlusMode > 2
                ? report.empty()
                : sixLines && report.starts_with("ステータス： " + st.rankTitle + "\r\n"),
            "the report is six lines beginning with the title, or empty for an unknown mode", report);
    Require(st.lungColor >= 0 && st.lungColor <= 0xFFFFFF && st.progressValue >= 0 && st.progressValue <= 33,
            "lung colour and progress within their ranges");

    const std::int64_t quit = MinutesFromCivil({s.quitYear, s.quitMonth, s.quitDay, s.quitHour, s.quitMinute});
    // Milestones are asked for at readings of the clock: a date and time that are the calendar's own.
    const bool reading = CivilFromMinutes(MinutesFromCivil(now)) == now;
    for (const UpcomingMilestone& next : UpcomingMilestones(s, now)) {
        const bool ahead = next.state == MilestoneState::kAhead;
        const std::int64_t at = MinutesFromCivil(next.when);
        Require(next.perMille >= 0 && next.perMille <= 1000 && next.what.empty() != ahead &&
                    (!ahead || !reading || (at > MinutesFromCivil(now) && at - quit <= INT32_MAX)),
                "a milestone ahead has its text, its bar and a moment still to come", next.what);
    }
    ReachedMilestones(TrackerStatus{}, st);
    return 0;
}
