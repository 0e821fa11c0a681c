// ReadLeadingNumber on arbitrary text. What must hold:
//   - blanks, tabs and line feeds anywhere change nothing;
//   - what follows the leading number changes nothing;
//   - a minus sign before an unsigned number gives its negative, rounded
//     down: the same whole number or one less;
//   - a plain run of up to nine digits is read as that number.

#include <string>

#include "FuzzCheck.h"
#include "engine/ReadLeadingNumber.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::int64_t read = ReadLeadingNumber(text);
    std::string packed = text;
    std::erase_if(packed, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    Require(ReadLeadingNumber(packed) == read, "blanks change nothing", text);
    Require(ReadLeadingNumber(text + "x") == read && ReadLeadingNumber(text + "x1") == read,
            "what follows changes nothing", text);
    const std::int64_t negative = ReadLeadingNumber("-" + text);
    Require(packed.find_first_of(".0123456789") != 0 || negative == -read || negative == -read - 1 ||
                (read == INT32_MAX && negative == INT32_MIN),
            "a minus sign gives the negative, rounded down", text);
    if (!text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos) {
        Require(read == std::stoll(text), "a run of digits is that number", text);
    }
    return 0;
}
