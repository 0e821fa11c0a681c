#include "app/SettingsCheck.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>

#include "app/Messages.h"
#include "engine/CalendarMath.h"
#include "engine/ReadLeadingNumber.h"

namespace {

constexpr std::array<std::int32_t, 3> kSizeMillimetres = {50, 85, 100};

std::int32_t ReadBox(const QString& text) { return ReadLeadingNumber(text.toStdString()); }

// The tax boxes are read strictly: apart from surrounding blanks the whole
// text must be one number in the system's number format; a fraction is
// dropped downwards.
std::optional<std::int32_t> ReadWholeNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale::system().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::floor(value), kLowest, kHighest));
}

bool InRange(std::optional<std::int32_t> value, std::int32_t lowest, std::int32_t highest) {
    return value && *value >= lowest && *value <= highest;
}

// Blanks and tabs only: other white space is the user's.
QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    return text.mid(first, last - first);
}

// The quit moment, count and price, whose mistakes are counted together and
// told in one message.
int QuitMomentAndProfileErrors(const TrackerSettings& s, const MomentParts& now) {
    const std::int32_t month = s.quitMonth;
    const bool shortMonth = month == 4 || month == 6 || month == 9 || month == 11;
    const bool errors[] = {
        s.quitYear < 1900 || s.quitYear > now.year,
        month < 1 || month > 12,
        s.quitDay < 1 || s.quitDay > 31,
        shortMonth && s.quitDay > 30,
        month == 2 && s.quitDay > MonthLength(s.quitYear, 2),
        s.quitHour < 0 || s.quitHour > 23,
        s.quitMinute < 0 || s.quitMinute > 59,
        s.cigarettesPerDay < 1 || s.cigarettesPerDay > 200,
        s.pricePer20 < 1 || s.pricePer20 > 2000,
    };
    return static_cast<int>(std::count(std::begin(errors), std::end(errors), true));
}

}  // namespace

std::int32_t SizeOfChoice(int choice) {
    return choice >= 0 && choice < 3 ? kSizeMillimetres[static_cast<std::size_t>(choice)] : kSizeMillimetres[1];
}

int ChoiceOfSize(std::int32_t millimetres) {
    const auto* found = std::find(kSizeMillimetres.begin(), kSizeMillimetres.end(), millimetres);
    return found == kSizeMillimetres.end() ? 1 : static_cast<int>(found - kSizeMillimetres.begin());
}

SettingsCheckResult CheckSettings(const SettingsForm& form, const TrackerSettings& current, const MomentParts& now) {
    TrackerSettings s = current;
    s.quitYear = ReadBox(form.quitMoment[0]);
    s.quitMonth = ReadBox(form.quitMoment[1]);
    s.quitDay = ReadBox(form.quitMoment[2]);
    s.quitHour = ReadBox(form.quitMoment[3]);
    s.quitMinute = ReadBox(form.quitMoment[4]);
    s.cigarettesPerDay = ReadBox(form.cigarettesPerDay);
    s.pricePer20 = ReadBox(form.pricePer20);
    if (QuitMomentAndProfileErrors(s, now) > 0) return kRangeMessage;
    // Compared to the minute: the current minute itself is not the future.
    if (std::tie(s.quitYear, s.quitMonth, s.quitDay, s.quitHour, s.quitMinute) >
        std::tie(now.year, now.month, now.day, now.hour, now.minute)) {
        return kFutureMessage;
    }
    if (form.blogUrl.contains(QLatin1Char('"')) || form.statusMode.contains(QLatin1Char('"'))) return kQuoteMessage;

    s.sizeMillimetres = SizeOfChoice(form.sizeChoice);
    s.blogUrl = TrimBlanks(form.blogUrl).toStdString();
    s.copyPlusMode = form.copyPlusChoice;
    s.packDisplay = form.packDisplay ? PackDisplay::kOn : PackDisplay::kOff;
    s.statusMode = form.statusMode.toStdString();

    const std::optional<std::int32_t> tobaccoTax = ReadWholeNumber(form.tobaccoTaxPer1000);
    if (!InRange(tobaccoTax, 0, 100000)) return kRangeMessage;
    s.tobaccoTaxPer1000 = *tobaccoTax;
    const std::optional<std::int32_t> consumptionTax = ReadWholeNumber(form.consumptionTaxPercent);
    if (!InRange(consumptionTax, 0, 100)) return kRangeMessage;
    s.consumptionTaxPercent = *consumptionTax;
    s.smokingYears = ReadBox(form.smokingYears);
    if (!InRange(s.smokingYears, 1, 99)) return kRangeMessage;
    return s;
}
