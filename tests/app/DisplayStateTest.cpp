// Where the App puts the display windows: their stored places, pulled back onto the screen.

#include <gtest/gtest.h>

#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/FixedWindow.h"

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
        Program program;
        program.app.StartUp();
        const TrackerSettings& s = program.app.Settings();
        EXPECT_EQ(std::pair(s.mainLeft, s.mainTop), std::pair(c.main.left, c.main.top)) << c.mainLeft << "," << c.mainTop;
        EXPECT_EQ(std::pair(s.miniLeft, s.miniTop), std::pair(c.mini.left, c.mini.top)) << c.miniLeft << "," << c.miniTop;
        ProcessDeletions();
    }
}

// Where the desktop does not tell where the windows stand (Wayland), the
// stored places, even ones off the screen, come through the first switch to
// the mini window, the way back and the end as they were.
TEST(DisplayState, PlacesTheDesktopKeepsToItselfStayAsStored) {
    ScratchDirectory scratch;
    scratch.Write("initial.ini", kStartedProfile);
    scratch.WriteText("option.ini", "1,8744,5,0,5,1,30000,20000,0,1,\"\",2,-300,16000,\"ソルジャー\"\r\n");
    Program program;
    program.platform.placesWindows = false;
    program.app.StartUp();
    program.windows.Loaded(Window::Main)->move(100, 50);  // a place Qt makes up there
    program.app.SwitchToMiniWindow();
    program.app.SwitchToMainWindow();
    program.app.Exit();
    ProcessDeletions();
    EXPECT_EQ(scratch.ReadText("option.ini").toStdString(), "1,8744,5,0,5,1,30000,20000,0,1,\"\",0,-300,16000,\"ソルジャー\"\r\n");
}

}  // namespace
