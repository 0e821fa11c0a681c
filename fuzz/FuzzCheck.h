#pragma once
// What the fuzz targets share: a check that stops the run with the input
// kept, a strict UTF-8 test and a reader that cuts the fuzzer's bytes into
// values.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

// A broken rule is a finding: print it and abort, so that libFuzzer saves the input.
inline void Require(bool holds, const char* rule, const std::string& detail = {}) {
    if (holds) return;
    std::fprintf(stderr, "\n*** rule broken: %s\n%s\n", rule, detail.c_str());
    std::abort();
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
inline bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        const std::uint32_t smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

// Takes values from the front of the fuzzer's bytes; past the end every value is 0.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::int32_t Int32() {
        std::uint32_t value = 0;
        for (int k = 0; k < 4; ++k) value = (value << 8) | Byte();
        std::int32_t result;
        std::memcpy(&result, &value, sizeof result);
        return result;
    }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_);
        pos_ = size_;
        return rest;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
