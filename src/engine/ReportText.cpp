#include "engine/ReportText.h"

#include <cstddef>
#include <cstdint>

#include "engine/CalendarMath.h"
#include "engine/ElapsedFigures.h"
#include "engine/NumberText.h"

namespace {

using namespace std::string_view_literals;

constexpr auto kLineBreak = "\r\n"sv;

constexpr auto kRankLabel = "ステータス： "sv;
constexpr auto kQuitDateLabel = "ヨルマ日： "sv;
constexpr auto kElapsedLabel = "ヨルマからの日数： "sv;
constexpr auto kLifeLabel = "延びた寿命： "sv;
constexpr auto kMoneyLabel = "節約できた金額： "sv;
constexpr auto kCigaretteLabel = "節煙本数： "sv;

// Room for everything but the numbers and the three captions; generous, so
// that the text is allocated once.
constexpr std::size_t kFixedRoom = 5 * kLineBreak.size() + kRankLabel.size() + kQuitDateLabel.size() +
                                   kElapsedLabel.size() + kLifeLabel.size() + kMoneyLabel.size() +
                                   kCigaretteLabel.size() + 160;
// Thirteen numbers at most, none longer than "-2147483648".
constexpr std::size_t kNumberRoom = 13 * 11;

std::string_view SizeWord(std::int32_t sizeMillimetres) {
    switch (sizeMillimetres) {
        case 50: return "小"sv;
        case 85: return "中"sv;
        case 100: return "大"sv;
        default: return {};
    }
}

void AppendNumber(std::string& text, std::int64_t value) { text += TrimmedNumberText(value); }

// The quit date without its time of day (the report is meant for pasting
// into public pages), with the profile or the years smoked by copy+ mode.
void AppendQuitDateLine(std::string& text, const TrackerSettings& settings) {
    text += kQuitDateLabel;
    AppendNumber(text, settings.quitYear);
    text += "年 "sv;
    AppendNumber(text, settings.quitMonth);
    text += "月 "sv;
    AppendNumber(text, settings.quitDay);
    text += "日"sv;
    if (settings.copyPlusMode == CopyPlusMode::kProfile) {
        text += "（"sv;
        AppendNumber(text, settings.cigarettesPerDay);
        text += "本-"sv;
        AppendNumber(text, settings.pricePer20);
        text += "円-"sv;
        text += SizeWord(settings.sizeMillimetres);
        text += "）"sv;
    } else if (settings.copyPlusMode == CopyPlusMode::kSmokingYears) {
        text += "（"sv;
        AppendNumber(text, settings.cigarettesPerDay);
        text += "本-"sv;
        AppendNumber(text, settings.smokingYears);
        text += "年）"sv;
    }
}

// In whichever form the main window's elapsed figure is showing, so that a
// copy matches what the user sees.
void AppendElapsedLine(std::string& text, const TrackerStatus& status, ElapsedForm form) {
    text += kElapsedLabel;
    if (form == ElapsedForm::Calendar) {
        AppendNumber(text, status.elapsedYears);
        text += "年 "sv;
        AppendNumber(text, status.elapsedMonths);
        text += "ヶ月 "sv;
        AppendNumber(text, status.elapsedDays);
        text += "日 "sv;
    } else {
        AppendNumber(text, FloorDiv(status.totalMinutes, 1440));
        text += "日 "sv;
    }
    AppendNumber(text, status.elapsedHours);
    text += "時間 "sv;
    AppendNumber(text, status.elapsedMinutes);
    text += "分"sv;
}

}  // namespace

std::string BuildReportText(const TrackerSettings& settings, const TrackerStatus& status, ElapsedForm elapsedForm,
                            std::string_view rankCaption, std::string_view moneyCaption,
                            std::string_view cigaretteCaption) {
    // The settings window cannot store another mode; one read from a damaged
    // file gives nothing rather than a half-formed report.
    if (!settings.KnownCopyPlusMode()) return {};

    std::string text;
    text.reserve(kFixedRoom + kNumberRoom + rankCaption.size() + moneyCaption.size() + cigaretteCaption.size());

    text += kRankLabel;
    text += rankCaption;
    text += kLineBreak;
    AppendQuitDateLine(text, settings);
    text += kLineBreak;
    AppendElapsedLine(text, status, elapsedForm);
    text += kLineBreak;
    text += kLifeLabel;
    text += LifeText(status.lifeMinutes, TrimmedNumberText);
    text += kLineBreak;

    text += kMoneyLabel;
    text += moneyCaption;
    text += kLineBreak;

    text += kCigaretteLabel;
    text += cigaretteCaption;
    return text;
}
