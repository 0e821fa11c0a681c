// Where the App puts the display windows: their stored places, pulled back onto the screen.

#include <gtest/gtest.h>

#include "support/GoldenTable.h"
#include "support/Program.h"
#include "support/ScratchDirectory.h"
#include "support/WidgetFinders.h"

namespace {

// The screen is 19200 × 14400 twips.
TEST(DisplayState, PlacesArePulledOntoTheScreen) {
    CheckGoldenTable("app/DisplayState.txt", [](const GoldenRow& row) {
        ScratchDirectory scratch;
        scratch.Write("initial.ini", kStartedProfile);
        scratch.WriteAsTabled("option.ini", row.Text("option.ini"));
        Program program{scratch.Path()};
        program.app.StartUp();
        const TrackerSettings& s = program.app.Settings();
        ProcessDeletions();
        return Results(s.mainLeft, s.mainTop, s.miniLeft, s.miniTop);
    });
}

}  // namespace

// A quiet save writes the places only when they differ from what the file
// holds: once saved, the same places are not written again.
TEST(DisplayState, AQuietSaveWritesOnlyNewPlaces) {
    ScratchDirectory scratch;
    scratch.WriteStartedTracker();
    Program program{scratch.Path()};
    program.app.StartUp();
    VisibleWindow("mainWindow")->move(300, 150);
    program.app.KeepPlaces();
    EXPECT_EQ(scratch.ReadText("option.ini"), QString::fromUtf8(kStartedOptions).replace("1200,900", "4500,2250"));
    scratch.Write("option.ini", "left alone\r\n");
    program.app.KeepPlaces();
    EXPECT_EQ(scratch.Read("option.ini"), "left alone\r\n");
    ProcessDeletions();
}
