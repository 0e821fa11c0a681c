#pragma once
// Golden files: data reviewed once and compared exactly from then on. Standard
// C++ only, so that the engine's tests, which see no Qt, share it with the
// windows' tests.

#include <string>

// YORUMA_UPDATE_GOLDEN=1: the face's snapshot is written afresh instead of
// compared, so that an intended change is one reviewed diff.
[[nodiscard]] bool UpdatingGolden();

// The file's path from its name under tests/golden/.
[[nodiscard]] std::string GoldenPath(const std::string& name);
