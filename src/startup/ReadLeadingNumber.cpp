#include "startup/ReadLeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix that forms a decimal number, or 0.
std::size_t NumberPrefixLength(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t intStart = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    bool haveDigits = i > intStart;
    if (i < s.size() && s[i] == '.') {
        std::size_t j = i + 1;
        while (j < s.size() && IsDigit(s[j])) ++j;
        if (j > i + 1 || haveDigits) {
            haveDigits = haveDigits || j > i + 1;
            i = j;
        }
    }
    if (!haveDigits) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t expStart = j;
        while (j < s.size() && IsDigit(s[j])) ++j;
        if (j > expStart) i = j;
    }
    return i;
}

}  // namespace

std::int32_t ReadLeadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(std::min<std::size_t>(text.size(), 64));
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        compact += c;
        // Nothing past the number matters, and a number needs no more room than this.
        if (compact.size() > 400) break;
    }
    std::size_t length = NumberPrefixLength(compact);
    if (length == 0) return 0;
    std::size_t start = 0;
    if (compact[0] == '+') start = 1;  // from_chars takes no plus sign
    double value = 0;
    const auto [end, error] = std::from_chars(compact.data() + start, compact.data() + length, value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large in magnitude for a double, or too small: the sign and the exponent's sign decide.
        const bool negative = compact[0] == '-';
        const bool tiny = compact.find("e-") < length || compact.find("E-") < length;
        if (tiny) return negative ? -1 : 0;
        return negative ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
    }
    if (error != std::errc()) return 0;
    const double floored = std::floor(value);
    if (floored <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (floored >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(floored);
}
