// Where the App puts the display windows: their stored places, pulled back onto the screen.

#include <gtest/gtest.h>

#include "support/ScratchDirectory.h"
#include "support/Program.h"
#include "support/WidgetFinders.h"

namespace {

// The screen is 19200 × 14400 twips. A window that would stand (nearly) off
// it goes to the middle; a negative place goes to the edge.
TEST(DisplayState, PlacesArePulledOntoTheScreen) {
    struct Case { int mainLeft, mainTop, miniLeft, miniTop; WindowPlace main, mini; };
    const Case cases[] = {
        {14200, 11400, 15700, 12900, {14200, 11400}, {15700, 12900}}, {14201, 0, 15701, 0, {9600, 7200}, {9600, 7200}},
        {0, 11401, 0, 12901, {9600, 7200}, {9600, 7200}},
        {-15, -30, -1, -15, {0, 0}, {0, 0}},
    };
    for (const Case& c : cases) {
        ScratchDirectory scratch;
        scratch.Write("initial.ini", kStartedProfile);
        scratch.Write("option.ini", QStringLiteral("1,8744,5,0,5,1,%1,%2,0,1,\"\",1,%3,%4,\"\"\r\n")
                                        .arg(c.mainLeft).arg(c.mainTop).arg(c.miniLeft).arg(c.miniTop).toUtf8());
        Program program{scratch.Path()};
        program.app.StartUp();
        const TrackerSettings& s = program.app.Settings();
        EXPECT_EQ(std::pair(s.mainLeft, s.mainTop), std::pair(c.main.left, c.main.top)) << c.mainLeft << "," << c.mainTop;
        EXPECT_EQ(std::pair(s.miniLeft, s.miniTop), std::pair(c.mini.left, c.mini.top)) << c.miniLeft << "," << c.miniTop;
        ProcessDeletions();
    }
}

}  // namespace
