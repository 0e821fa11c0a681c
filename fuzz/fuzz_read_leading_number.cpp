// ReadLeadingNumber on arbitrary text, against a reference that reads the
// number digit by digit and rounds it down exactly:
//   - blanks, tabs and line feeds anywhere are ignored;
//   - the longest leading decimal number (sign, digits, decimal part,
//     exponent) is read, however long; without one the result is 0;
//   - the value is rounded down and clamped to 32 bits.
// The program goes through a double, so a number with more than 15
// significant digits that lies within rounding of the next whole number may
// give that one instead.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "FuzzCheck.h"
#include "engine/ReadLeadingNumber.h"

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Reference {
    std::int64_t floor;          // the exact value rounded down, clamped
    bool manySignificantDigits;  // more than 15: a double may round it
};

Reference Read(const std::string& text) {
    std::string s;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') s += c;
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::string digits;  // whole and decimal digits together
    std::int64_t wholeCount = 0;
    while (i < s.size() && IsDigit(s[i])) {
        digits += s[i++];
        ++wholeCount;
    }
    if (i < s.size() && s[i] == '.') {
        std::size_t j = i + 1;
        while (j < s.size() && IsDigit(s[j])) digits += s[j++];
        if (!digits.empty()) i = j;
    }
    if (digits.empty()) return {0, false};
    std::int64_t exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponentNegative = s[j++] == '-';
        if (j < s.size() && IsDigit(s[j])) {
            for (; j < s.size() && IsDigit(s[j]); ++j) exponent = std::min<std::int64_t>(exponent * 10 + (s[j] - '0'), 1'000'000'000'000);
            if (exponentNegative) exponent = -exponent;
        }
    }

    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return {0, false};
    const std::size_t last = digits.find_last_not_of('0');
    const bool many = last - first + 1 > 15;
    // The value lies in [10^(places - 1), 10^places).
    const std::int64_t places = wholeCount + exponent - static_cast<std::int64_t>(first);
    if (places > 10) return {negative ? kMin : kMax, many};
    if (places <= 0) return {negative ? -1 : 0, many};
    std::int64_t whole = 0;
    for (std::int64_t k = 0; k < places; ++k) {
        const std::size_t at = first + static_cast<std::size_t>(k);
        whole = whole * 10 + (at < digits.size() ? digits[at] - '0' : 0);
    }
    const std::size_t fractionStart = first + static_cast<std::size_t>(places);
    const bool fraction = fractionStart < digits.size() && digits.find_first_not_of('0', fractionStart) != std::string::npos;
    const std::int64_t floor = negative ? -whole - (fraction ? 1 : 0) : whole;
    return {std::clamp(floor, kMin, kMax), many};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::int64_t read = ReadLeadingNumber(text);
    const Reference expected = Read(text);
    const bool roundedUp = expected.manySignificantDigits && read == expected.floor + 1 && read <= kMax;
    Require(read == expected.floor || roundedUp, "the leading number is read and rounded down",
            "text: '" + text.substr(0, 600) + "'\nread " + std::to_string(read) + ", expected " +
                std::to_string(expected.floor));
    return 0;
}
