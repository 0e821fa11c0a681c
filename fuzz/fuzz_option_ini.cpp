// "option.ini" from arbitrary bytes: the fifteen other settings, two of them texts.

#include "DataFileFuzzing.h"

namespace {

const DataFileLayout<15> kOptionsFile{
    "option.ini",
    {&TrackerSettings::setupDone, &TrackerSettings::tobaccoTaxPer1000, &TrackerSettings::consumptionTaxPercent,
     &TrackerSettings::copyPlusMode, &TrackerSettings::smokingYears, &TrackerSettings::packDisplay,
     &TrackerSettings::mainLeft, &TrackerSettings::mainTop, &TrackerSettings::backColor, &TrackerSettings::textColor,
     &TrackerSettings::blogUrl, &TrackerSettings::windowMode, &TrackerSettings::miniLeft, &TrackerSettings::miniTop,
     &TrackerSettings::statusMode},
    &LoadOptions,
    &SaveOptions,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::CheckDataFile(kOptionsFile, data, size);
    return 0;
}
