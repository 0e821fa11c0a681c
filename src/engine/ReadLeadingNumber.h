#pragma once
// The one rule by which typed numbers are read: blanks, tabs and line feeds
// anywhere are ignored, the longest leading decimal number (sign, digits,
// decimal part, exponent) is taken and rounded down. "20本" gives 20, "7.9"
// gives 7, full-width digits and a text without a leading number give 0.
// A value beyond 32 bits is clamped.

#include <cstdint>
#include <string_view>

std::int32_t ReadLeadingNumber(std::string_view text);
