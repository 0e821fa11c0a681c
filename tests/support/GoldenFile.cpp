#include "support/GoldenFile.h"

#include <cstdlib>

bool UpdatingGolden() { return std::getenv("YORUMA_UPDATE_GOLDEN") != nullptr; }

std::string GoldenPath(const std::string& name) { return YORUMA_GOLDEN_DIR "/" + name; }
