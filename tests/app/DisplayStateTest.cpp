// Where the App puts the display windows: their stored places, pulled back onto the screen.

#include <gtest/gtest.h>

#include "support/Program.h"
#include "support/ScratchDirectory.h"
#include "support/WidgetFinders.h"

namespace {

// The screen is 19200 × 14400 twips. A window that would stand (nearly) off
// it goes to the middle; a negative place goes to the edge.
TEST(DisplayState, PlacesArePulledOntoTheScreen) {
    const WindowPlace middle{9600, 7200};
    // The main and the mini window's places as stored, and where they open.
    const std::tuple<WindowPlace, WindowPlace, WindowPlace, WindowPlace> places[] = {
        {{14200, 11400}, {15700, 12900}, {14200, 11400}, {15700, 12900}},
        {{14201, 0}, {15701, 0}, middle, middle},
        {{0, 11401}, {0, 12901}, middle, middle},
        {{-15, -30}, {-1, -15}, {0, 0}, {0, 0}},
    };
    for (const auto& [storedMain, storedMini, main, mini] : places) {
        SCOPED_TRACE(::testing::PrintToString(std::pair(storedMain, storedMini)));
        ScratchDirectory scratch;
        scratch.Write("initial.ini", kStartedProfile);
        const QString options = QStringLiteral("1,8744,5,0,5,1,%1,%2,0,1,\"\",1,%3,%4,\"\"\r\n");
        scratch.Write(
            "option.ini",
            options.arg(storedMain.left).arg(storedMain.top).arg(storedMini.left).arg(storedMini.top).toUtf8());
        Program program{scratch.Path()};
        program.app.StartUp();
        const TrackerSettings& s = program.app.Settings();
        EXPECT_EQ((WindowPlace{s.mainLeft, s.mainTop}), main);
        EXPECT_EQ((WindowPlace{s.miniLeft, s.miniTop}), mini);
        ProcessDeletions();
    }
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
