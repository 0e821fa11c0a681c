#pragma once
// The program's windows as the app drives them. The ui layer implements this
// (QtProgramWindows): the app decides with it which window shows and when,
// and the windows tell the app what the user does. Places are a window's
// outer frame's top left corner, in twips.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/SeasonalOccasion.h"
#include "engine/TrackerStatus.h"
#include "engine/UpcomingMilestones.h"

enum class Window {
    Profile,            // the first run's profile
    StartConfirmation,  // the first run's start
    SeasonalGreeting,   // a start on Christmas or at the New Year
    Settings,
    Info,  // about the paid edition, reached from the settings
    Help,
    Milestones,  // the coming milestones, reached from the display windows
    Main,        // the two display windows, always loaded together
    Mini,
};

struct WindowPlace {
    std::int32_t left = 0;
    std::int32_t top = 0;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// What the view of the coming milestones shows: one of each kind, in the figures' colours.
struct MilestonesView {
    std::array<UpcomingMilestone, kMilestoneKindCount> milestones;
    std::int32_t backColor = 0;
    std::int32_t textColor = 0;
};

// How the two display windows open: where each stands and the colours of the figures.
struct DisplayLayout {
    WindowPlace main;
    WindowPlace mini;
    std::int32_t backColor = 0;
    std::int32_t textColor = 0;
};

class ProgramWindows {
public:
    virtual ~ProgramWindows() = default;

    // Loads a window other than the display windows and shows it; the help
    // and the milestones window, when open already, are brought forward instead.
    virtual void Open(Window window) = 0;
    virtual void OpenSeasonalGreeting(SeasonalOccasion occasion) = 0;
    // Unloads a window; the main and the mini window go together.
    virtual void Close(Window window) = 0;
    [[nodiscard]] virtual bool IsOpen(Window window) const = 0;
    // Where a loaded window stands; nothing while it is minimised (it has no
    // place of its own then), not loaded, or where the desktop does not tell.
    [[nodiscard]] virtual std::optional<WindowPlace> PlaceOf(Window window) const = 0;

    // Loads both display windows, hidden, as the layout says.
    virtual void OpenDisplayWindows(const DisplayLayout& layout) = 0;
    // Shows the main or the mini window and hides the other.
    virtual void ShowDisplayWindow(Window mainOrMini) = 0;
    virtual void MoveMiniWindow(WindowPlace place) = 0;
    // Brings minimised or maximised display windows back to their normal
    // state, so that their places are their normal ones.
    virtual void NormaliseDisplayWindows() = 0;
    // Brings the display window named to the front, out of the tray or the
    // task bar if need be; nothing while the display windows are not loaded.
    virtual void BringForward(Window mainOrMini) = 0;
    // Whether passed milestones are told, as both display windows' menus show it.
    virtual void ShowNoticeChoice(bool on) = 0;
    // One refresh's figures, into both display windows.
    virtual void ShowStatus(const TrackerStatus& status) = 0;
    // The elapsed figure in the other of its two forms.
    virtual void ShowElapsedCaption(const std::string& caption) = 0;
    // Into the view of the coming milestones, where it is open.
    virtual void ShowMilestones(const MilestonesView& view) = 0;
};
