#pragma once
// Golden files: what a test produces, reviewed once and compared exactly from
// then on. YORUMA_UPDATE_GOLDEN=1 writes what the test produces instead, so
// that an intended change is one reviewed diff. Standard C++ only, so that
// the engine's tests, which see no Qt, share it with the windows' tests.

#include <string>

[[nodiscard]] bool UpdatingGolden();

// The file's path from its name under tests/golden/.
[[nodiscard]] std::string GoldenPath(const std::string& name);

void WriteGoldenText(const std::string& name, const std::string& text);
