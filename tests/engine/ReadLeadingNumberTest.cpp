#include "engine/ReadLeadingNumber.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

struct Case {
    const char* text;
    std::int32_t expected;
};

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class ReadLeadingNumberTest : public ::testing::TestWithParam<Case> {};

TEST_P(ReadLeadingNumberTest, ReadsTheLeadingNumberRoundedDown) {
    EXPECT_EQ(ReadLeadingNumber(GetParam().text), GetParam().expected) << "text: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    TypedTexts, ReadLeadingNumberTest,
    ::testing::Values(Case{"20", 20}, Case{"20本", 20}, Case{"15本", 15}, Case{"7.9", 7}, Case{"-7.9", -8},
                      Case{"-7", -7}, Case{"+12", 12}, Case{"１２", 0}, Case{"", 0}, Case{"abc", 0},
                      Case{"本20", 0}, Case{" 2 0 0 ", 200}, Case{"1\t2\n3", 123}, Case{".5", 0},
                      Case{"-.5", -1}, Case{"5.", 5}, Case{"1e3", 1000}, Case{"1E+2x", 100}, Case{"2e", 2},
                      Case{"2e+", 2}, Case{"1.5e1", 15}, Case{"00300", 300}, Case{"-", 0}, Case{".", 0},
                      Case{"2147483647", kMax}, Case{"2147483648", kMax}, Case{"99999999999999999999", kMax},
                      Case{"-2147483648", kMin}, Case{"-99999999999", kMin}, Case{"1e999", kMax},
                      Case{"-1e999", kMin}, Case{"1e-999", 0}, Case{"-1e-999", -1}, Case{"0x10", 0},
                      Case{"3,000", 3}, Case{"2008/10/18", 2008}, Case{"09", 9}));

// Longer numbers than anyone types, as a pasted text may hold: every digit
// counts, and the size of the number, not a guess from its exponent, decides
// what a value beyond a double's range gives.
TEST(ReadLeadingNumber, LongNumbersAreReadWhole) {
    const std::string zeros(500, '0');
    struct LongCase {
        const char* what;
        std::string text;
        std::int32_t expected;
    };
    const LongCase cases[] = {
        {"leading zeros", zeros + "1", 1},
        {"leading zeros, negative", "-" + zeros + "7.5", -8},
        {"a fraction too small for a double", "0." + std::string(330, '0') + "1", 0},
        {"a negative fraction too small for a double", "-0." + std::string(330, '0') + "1", -1},
        {"a negative fraction longer than any buffer", "-0." + zeros + "1", -1},
        {"an exponent after a long fraction", "950000." + zeros + "2e-99", 0},
        {"a long fraction scaled up", "0." + zeros + "123e502", 12},
        {"a number too large for a double with a negative exponent", "1" + std::string(350, '0') + "e-10", kMax},
        {"the same, negative", "-1" + std::string(350, '0') + "e-10", kMin},
        {"blanks inside a long number", "0 0 0" + zeros + "4 2 . 9", 42},
        {"a denormal double", "1e-310", 0},
        {"a negative denormal double", "-1e-310", -1},
        {"zero with a huge exponent", "0e999999999999999999999", 0},
        {"zero with a huge negative exponent, negative", "-0.0e-999999999999999999999", 0},
    };
    for (const LongCase& c : cases) EXPECT_EQ(ReadLeadingNumber(c.text), c.expected) << c.what;
}

TEST(ReadLeadingNumber, VeryLongTextsAreReadQuickly) {
    const std::string digits(1'000'000, '9');
    EXPECT_EQ(ReadLeadingNumber(digits), kMax);
    const std::string blanks = std::string(1'000'000, ' ') + "42";
    EXPECT_EQ(ReadLeadingNumber(blanks), 42);
}

}  // namespace
