#include "support/GoldenFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

bool UpdatingGolden() { return std::getenv("YORUMA_UPDATE_GOLDEN") != nullptr; }

std::string GoldenPath(const std::string& name) { return YORUMA_GOLDEN_DIR "/" + name; }

void WriteGoldenText(const std::string& name, const std::string& text) {
    std::ofstream out(GoldenPath(name), std::ios::binary);
    out << text;
    EXPECT_TRUE(out.flush()) << "cannot write " << name;
}
