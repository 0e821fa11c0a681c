#include "engine/NumberText.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <iterator>
#include <string_view>

namespace {

constexpr std::size_t kSignificantDigits = 15;

std::uint64_t Magnitude(std::int64_t value) {
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

// The digits with the decimal mark `point` places from the first digit
// (negative: zeros between the mark and the digits), without a zero before
// the mark or trailing zeros after it.
std::string PlainText(std::string_view digits, std::ptrdiff_t point) {
    const std::size_t wholeDigits = point > 0 ? static_cast<std::size_t>(point) : 0;
    std::string_view fraction = digits.substr(wholeDigits);
    while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
    std::string text(digits.substr(0, wholeDigits));
    if (fraction.empty()) return text;
    text += '.';
    text.append(point < 0 ? static_cast<std::size_t>(-point) : 0, '0');
    text += fraction;
    return text;
}

// magnitude / 10^decimals with at most 15 significant digits, rounded half to
// even on the exact value: plain below 10^15 ("1234.56", ".07", no zero
// before the mark, no trailing zeros), in exponent form from there on
// ("1.23456789012346E+17").
std::string SignificantText(std::uint64_t magnitude, std::ptrdiff_t decimals) {
    if (magnitude == 0) return "0";
    if (magnitude < 1'000'000'000'000'000) {
        // Nothing to round: every figure of a refresh takes this way, with no
        // allocation but the result's.
        char buffer[20];
        const char* end = std::to_chars(std::begin(buffer), std::end(buffer), magnitude).ptr;
        const std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
        return PlainText(digits, static_cast<std::ptrdiff_t>(digits.size()) - decimals);
    }
    std::string digits = std::to_string(magnitude);
    // Where the decimal mark falls, counted from the first digit.
    std::ptrdiff_t point = static_cast<std::ptrdiff_t>(digits.size()) - decimals;
    // Past 15 digits: rounded to 15, half to even.
    const std::string dropped = digits.substr(kSignificantDigits);
    digits.resize(kSignificantDigits);
    const bool aboveHalf =
        dropped[0] > '5' || (dropped[0] == '5' && dropped.find_first_not_of('0', 1) != std::string::npos);
    const bool tie = dropped[0] == '5' && !aboveHalf;
    if (aboveHalf || (tie && (digits.back() - '0') % 2 != 0)) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i > 0) {
            ++digits[i - 1];
        } else {  // 999…9 became 1000…0: one digit more before the mark
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++point;
        }
    }
    if (point > static_cast<std::ptrdiff_t>(kSignificantDigits)) {
        std::string fraction = digits.substr(1);
        while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
        return digits.substr(0, 1) + (fraction.empty() ? "" : "." + fraction) + "E+" + std::to_string(point - 1);
    }
    return PlainText(digits, point);
}

// The sign or blank first, then the digits appended to it: a literal put in
// front of a string with operator+ trips a false overlap warning of GCC 12 at -O3.
std::string Signed(const char* sign, const std::string& digits) {
    std::string text = sign;
    text += digits;
    return text;
}

}  // namespace

std::string TrimmedNumberText(std::int64_t value) {
    return Signed(value < 0 ? "-" : "", SignificantText(Magnitude(value), 0));
}

std::string NumberText(std::int64_t value) {
    return Signed(value < 0 ? "-" : " ", SignificantText(Magnitude(value), 0));
}

std::string TrimmedMetresNumberText(std::int64_t centimetres) {
    return Signed(centimetres < 0 ? "-" : "", SignificantText(Magnitude(centimetres), 2));
}

std::string WideNumber(std::int64_t value) {
    static constexpr std::array<const char*, 10> kWideDigits = {"０", "１", "２", "３", "４",
                                                                "５", "６", "７", "８", "９"};
    std::string wide;
    for (const char c : TrimmedNumberText(value)) {
        if (c >= '0' && c <= '9') {
            wide += kWideDigits[static_cast<std::size_t>(c - '0')];
        } else if (c == '-') {
            wide += "－";
        } else if (c == '+') {
            wide += "＋";
        } else if (c == '.') {
            wide += "．";
        } else if (c == 'E') {
            wide += "Ｅ";
        }
    }
    return wide;
}
