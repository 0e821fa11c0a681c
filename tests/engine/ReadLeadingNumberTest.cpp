#include "engine/ReadLeadingNumber.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "support/GoldenTable.h"

TEST(ReadLeadingNumber, TypedTexts) {
    CheckGoldenTable("engine/ReadLeadingNumber.txt",
                     [](const GoldenRow& row) { return Results(ReadLeadingNumber(row.Text("text"))); });
}

// Pasted texts: tabs and line feeds, and numbers hundreds of digits long.
TEST(ReadLeadingNumber, PastedTexts) {
    const std::string zeros(500, '0');
    const std::pair<std::string, std::int32_t> cases[] = {
        {"1\t2\n3", 123},
        {"-" + zeros + "7.5", -8},
        {"-0." + zeros + "1", -1},
        {"0." + zeros + "123e502", 12},
        {"1" + std::string(350, '0') + "e-10", INT32_MAX},
        {"0 0 0" + zeros + "4 2 . 9", 42},
        {std::string(1'000'000, '9'), INT32_MAX},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ReadLeadingNumber(text), value) << text.substr(0, 40);
    }
}
