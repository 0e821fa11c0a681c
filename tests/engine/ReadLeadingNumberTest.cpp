#include "engine/ReadLeadingNumber.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Blanks, tabs and line feeds are ignored; the longest leading decimal number
// is rounded down and clamped to 32 bits; no leading number gives 0.
TEST(ReadLeadingNumber, TypedAndPastedTexts) {
    const std::string zeros(500, '0');
    const std::pair<std::string, std::int32_t> cases[] = {
        {"20本", 20}, {"7.9", 7}, {"-7.9", -8}, {"+12", 12}, {"１２", 0}, {"", 0}, {"本20", 0}, {" 2 0 0 ", 200},
        {"1\t2\n3", 123}, {".5", 0}, {"-.5", -1}, {"5.", 5}, {"1e3", 1000}, {"1E+2x", 100}, {"2e+", 2},
        {"1.5e1", 15}, {"-", 0}, {".", 0}, {"0x10", 0}, {"3,000", 3}, {"2008/10/18", 2008},
        {"1000000000", 1000000000}, {"2147483647", INT32_MAX}, {"2147483648", INT32_MAX}, {"-2147483648", INT32_MIN}, {"-99999999999", INT32_MIN},
        {"1e999", INT32_MAX}, {"-1e999", INT32_MIN}, {"-1e-999", -1}, {"-1e-310", -1},
        {"-" + zeros + "7.5", -8}, {"-0." + zeros + "1", -1}, {"0." + zeros + "123e502", 12},
        {"1" + std::string(350, '0') + "e-10", INT32_MAX}, {"0 0 0" + zeros + "4 2 . 9", 42},
        {"-0.0e-999999999999999999999", 0}, {std::string(1'000'000, '9'), INT32_MAX},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ReadLeadingNumber(text), value) << text.substr(0, 40);
}

}  // namespace
