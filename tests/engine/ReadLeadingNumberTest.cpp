#include "engine/ReadLeadingNumber.h"

#include <gtest/gtest.h>

#include <string>

#include "support/GoldenTable.h"

TEST(ReadLeadingNumber, TypedAndPastedTexts) {
    CheckGoldenTable("engine/ReadLeadingNumber.txt",
                     [](const GoldenRow& row) { return Results(ReadLeadingNumber(row.Text("text"))); });
}

// Pasted texts that stay out of the table: a line feed would end its row, a million digits make a megabyte.
TEST(ReadLeadingNumber, PastedTextsOutsideTheTable) {
    EXPECT_EQ(ReadLeadingNumber("1\t2\n3"), 123);
    EXPECT_EQ(ReadLeadingNumber(std::string(1'000'000, '9')), INT32_MAX);
}
