#pragma once
// The program's two ways of writing a number.
//
// Number text: the half-width form of money, counts and metres. One leading
// blank for a value that is not negative, "-" for a negative one, no
// thousands separator, "." as decimal mark and no zero before the mark below 1;
// at most 15 significant digits, rounded half to even, and from 10^15 on the
// exponent form "1.23456789012346E+17".
//
// Wide form: the elapsed-time and life captions. Full-width digits ("０" to
// "９", "－" for minus) with no blanks.

#include <cstdint>
#include <string>

std::string NumberText(std::int64_t value);

// The number text without its leading blank.
std::string TrimmedNumberText(std::int64_t value);
// A length in metres held as hundredths, without the leading blank: 170 gives
// "1.7", 7 gives ".07".
std::string TrimmedMetresNumberText(std::int64_t centimetres);

std::string WideNumber(std::int64_t value);
