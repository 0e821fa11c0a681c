#pragma once
// What the fuzz targets share: a check that stops the run with the input
// kept, and a reader that cuts the fuzzer's bytes into values.

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

// Takes values from the front of the fuzzer's bytes; past the end every value is 0.
struct ByteReader {
    const std::uint8_t* data;
    std::size_t size;
    std::uint8_t Byte() { return size > 0 ? (--size, *data++) : 0; }
    std::int32_t Int32() {
        std::uint32_t value = 0;
        for (int k = 0; k < 4; ++k) value = (value << 8) | Byte();
        return static_cast<std::int32_t>(value);
    }
};
