#include "engine/LungAndCharacters.h"

#include <gtest/gtest.h>

#include "Examples.h"
#include "support/GoldenTable.h"

TEST(LungAndCharacters, ColorOfDucksAndBarByDay) {
    CheckGoldenTable("engine/LungAndCharacters.txt", [](const GoldenRow& row) {
        const std::int32_t day = row.Int("day");
        const CharacterView ducks = CharactersForDay(day);
        return Results(LungColorForDay(day), Slots(ducks.ducksVisible), Slots(ducks.rejoicingDucksVisible),
                       ducks.movedDown, ducks.progressBarHidden, ProgressValueForDay(day));
    });
}
