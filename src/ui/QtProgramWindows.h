#pragma once
// The program's windows as Qt widgets: loads, shows, places and unloads them
// as the app asks, and tells the app when the last one has gone.

#include <QPointer>

#include <map>

#include "app/ProgramWindows.h"
#include "ui/PlaceKeeper.h"

class App;
class Desktop;
class FixedWindow;
class MainWindow;
class MiniWindow;
class Platform;

class QtProgramWindows final : public ProgramWindows {
public:
    QtProgramWindows(Platform& platform, Desktop& desktop);
    ~QtProgramWindows() override;
    QtProgramWindows(const QtProgramWindows&) = delete;
    QtProgramWindows& operator=(const QtProgramWindows&) = delete;

    // The app the windows tell what the user does.
    void ForwardTo(App& app);

    void Open(Window window) override;
    void OpenSeasonalGreeting(SeasonalOccasion occasion) override;
    void Close(Window window) override;
    bool IsOpen(Window window) const override;
    std::optional<WindowPlace> PlaceOf(Window window) const override;
    void OpenDisplayWindows(const DisplayLayout& layout) override;
    void ShowDisplayWindow(Window mainOrMini) override;
    void MoveMiniWindow(WindowPlace place) override;
    void NormaliseDisplayWindows() override;
    void BringForward(Window mainOrMini) override;
    void ShowNoticeChoice(bool on) override;
    void ShowStatus(const TrackerStatus& status) override;
    void ShowElapsedCaption(const std::string& caption) override;
    void ShowMilestones(const MilestonesView& view) override;

    // The loaded window of a kind, or null.
    FixedWindow* Loaded(Window window) const;

private:
    void Adopt(Window kind, FixedWindow* window);
    MainWindow* Main() const;
    MiniWindow* Mini() const;

    Platform& platform_;
    Desktop& desktop_;
    App* app_ = nullptr;
    std::map<Window, QPointer<FixedWindow>> loaded_;
    // The display windows' places are kept once they come to rest.
    PlaceKeeper placeKeeper_;
};
