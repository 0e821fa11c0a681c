#include "engine/CigaretteCaption.h"

#include "engine/NumberText.h"
#include "engine/TrackerSettings.h"

namespace {

struct Packing {
    std::int64_t perPack;
    std::int64_t packsPerCarton;
};

// Short cigarettes come ten to a pack, every other size twenty; a carton is
// 200 cigarettes either way.
Packing PackingFor(std::int32_t sizeMillimetres) {
    if (sizeMillimetres == 50) return {10, 20};
    return {20, 10};
}

// The count with its unit word: whole cartons or packs when the count is an
// exact multiple of one, so the user sees the round figure while it lasts.
// Zero is always shown as cigarettes, never as 0 packs or 0 cartons.
std::string CountText(std::int64_t cigarettes, std::int32_t sizeMillimetres, bool packDisplayOn) {
    const Packing packing = PackingFor(sizeMillimetres);
    if (packDisplayOn && cigarettes != 0 && cigarettes % packing.perPack == 0) {
        const std::int64_t packs = cigarettes / packing.perPack;
        if (packs % packing.packsPerCarton == 0) {
            return TrimmedNumberText(packs / packing.packsPerCarton) + "カートン ";
        }
        return TrimmedNumberText(packs) + "箱 ";
    }
    return TrimmedNumberText(cigarettes) + "本 ";
}

}  // namespace

std::string CigaretteCaption(std::int64_t cigarettesNotSmoked, std::int64_t lengthCentimetres,
                             std::string_view comparisonText, std::int32_t sizeMillimetres, std::int32_t packDisplay) {
    std::string caption = CountText(cigarettesNotSmoked, sizeMillimetres, packDisplay == PackDisplay::kOn);
    caption += TrimmedMetresNumberText(lengthCentimetres);
    caption += "ｍ ";
    caption += comparisonText;
    return caption;
}
