#include "engine/ReadLeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
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

// How many places the number's first significant digit stands before the
// decimal mark, exponent included: the value lies in [10^(places-1), 10^places).
// Empty when every digit is zero. Exact however long the number is.
std::optional<std::int64_t> DecimalPlaces(const std::string& number) {
    constexpr std::int64_t kFar = 1'000'000'000'000;  // beyond any text's length: decides alone
    std::size_t i = (number[0] == '+' || number[0] == '-') ? 1 : 0;
    std::int64_t wholeDigits = 0;
    std::int64_t digitsBeforeFirst = 0;  // zeros before the first significant digit
    bool significant = false;
    bool afterMark = false;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.') {
            afterMark = true;
            continue;
        }
        if (!afterMark) ++wholeDigits;
        if (number[i] != '0') significant = true;
        if (!significant) ++digitsBeforeFirst;
    }
    if (!significant) return std::nullopt;
    std::int64_t exponent = 0;
    if (i < number.size()) {
        ++i;
        const bool negative = number[i] == '-';
        if (number[i] == '+' || number[i] == '-') ++i;
        for (; i < number.size(); ++i) exponent = std::min(exponent * 10 + (number[i] - '0'), kFar);
        if (negative) exponent = -exponent;
    }
    return wholeDigits - digitsBeforeFirst + exponent;
}

}  // namespace

std::int32_t ReadLeadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(std::min<std::size_t>(text.size(), 64));
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        // No other character can be part of a number: the text read ends here.
        if (!IsDigit(c) && c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E') break;
        compact += c;
    }
    const std::size_t length = NumberPrefixLength(compact);
    if (length == 0) return 0;
    compact.resize(length);
    const bool negative = compact[0] == '-';

    // The size of the number decides before any conversion, so that neither a
    // long run of digits nor a value beyond a double's range is misread.
    const std::optional<std::int64_t> places = DecimalPlaces(compact);
    if (!places) return 0;
    if (*places > 10) {  // 10^10 and more
        return negative ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
    }
    if (*places <= 0) return negative ? -1 : 0;  // between 0 and 1 in size

    const std::size_t start = compact[0] == '+' ? 1 : 0;  // from_chars takes no plus sign
    double value = 0;
    const auto [end, error] = std::from_chars(compact.data() + start, compact.data() + length, value);
    (void)end;
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
