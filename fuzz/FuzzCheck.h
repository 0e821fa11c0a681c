#pragma once
// What the fuzz targets share: a check that stops the run with the input kept.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// A broken rule is a finding: print it and abort, so that libFuzzer saves the input.
inline void Require(bool holds, const char* rule, const std::string& detail = {}) {
    if (holds) return;
    std::fprintf(stderr, "\n*** rule broken: %s\n%s\n", rule, detail.c_str());
    std::abort();
}
