#pragma once
// The main window's count line: cigarettes, packs or cartons not smoked,
// their length in metres and the comparison text. packDisplay as
// "option.ini" stores it (PackDisplay).

#include <cstdint>
#include <string>
#include <string_view>

std::string CigaretteCaption(std::int64_t cigarettesNotSmoked, std::int64_t lengthCentimetres,
                             std::string_view comparisonText, std::int32_t sizeMillimetres, std::int32_t packDisplay);
