// "initial.ini" from arbitrary bytes: the quit moment and the smoking profile.

#include "DataFileFuzzing.h"

namespace {

const DataFileLayout<8> kProfileFile{
    "initial.ini",
    {&TrackerSettings::quitYear, &TrackerSettings::quitMonth, &TrackerSettings::quitDay, &TrackerSettings::quitHour,
     &TrackerSettings::quitMinute, &TrackerSettings::cigarettesPerDay, &TrackerSettings::pricePer20,
     &TrackerSettings::sizeMillimetres},
    &LoadProfile,
    &SaveProfile,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::CheckDataFile(kProfileFile, data, size);
    return 0;
}
