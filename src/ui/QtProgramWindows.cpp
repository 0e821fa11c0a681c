#include "ui/QtProgramWindows.h"

#include "app/App.h"
#include "ui/HelpWindow.h"
#include "ui/InfoWindow.h"
#include "ui/MainWindow.h"
#include "ui/MilestonesWindow.h"
#include "ui/MiniWindow.h"
#include "ui/ProfileWindow.h"
#include "ui/SeasonalGreeting.h"
#include "ui/SettingsWindow.h"
#include "ui/StartConfirmation.h"

QtProgramWindows::QtProgramWindows(Platform& platform, Desktop& desktop)
    : platform_(platform), desktop_(desktop), placeKeeper_([this] {
          if (app_ != nullptr) app_->KeepPlaces();
      }) {}

QtProgramWindows::~QtProgramWindows() {
    for (auto& [kind, window] : loaded_) delete window.data();
}

void QtProgramWindows::ForwardTo(App& app) { app_ = &app; }

FixedWindow* QtProgramWindows::Loaded(Window window) const {
    const auto found = loaded_.find(window);
    if (found == loaded_.end() || found->second.isNull() || found->second->IsUnloaded()) return nullptr;
    return found->second.data();
}

MainWindow* QtProgramWindows::Main() const { return static_cast<MainWindow*>(Loaded(Window::Main)); }
MiniWindow* QtProgramWindows::Mini() const { return static_cast<MiniWindow*>(Loaded(Window::Mini)); }

void QtProgramWindows::Adopt(Window kind, FixedWindow* window) {
    loaded_[kind] = window;
    // The program ends when its last loaded window, shown or hidden, is unloaded.
    window->WhenUnloaded([this] {
        for (const auto& [other, loaded] : loaded_) {
            if (!loaded.isNull() && !loaded->IsUnloaded()) return;
        }
        if (app_ != nullptr) app_->LastWindowClosed();
    });
}

void QtProgramWindows::Open(Window window) {
    if (FixedWindow* open = Loaded(window);
        open != nullptr && (window == Window::Help || window == Window::Milestones)) {
        // There is only ever one of these: an open one is brought forward.
        if (open->isMinimized()) open->showNormal();
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    FixedWindow* opened = nullptr;
    switch (window) {
        case Window::Profile: opened = new ProfileWindow(*app_); break;
        case Window::StartConfirmation: opened = new StartConfirmation(*app_); break;
        case Window::Settings: {
            auto* settings = new SettingsWindow(*app_, desktop_);
            settings->Fill(app_->Settings());
            opened = settings;
            break;
        }
        case Window::Info: opened = new InfoWindow(*app_); break;
        case Window::Help: opened = new HelpWindow(); break;
        case Window::Milestones: opened = new MilestonesWindow(*app_); break;
        case Window::SeasonalGreeting:
        case Window::Main:
        case Window::Mini: return;  // opened with what they show, below
    }
    Adopt(window, opened);
    opened->show();
}

void QtProgramWindows::OpenSeasonalGreeting(SeasonalOccasion occasion) {
    auto* greeting = new SeasonalGreeting(*app_, occasion);
    Adopt(Window::SeasonalGreeting, greeting);
    greeting->show();
}

void QtProgramWindows::Close(Window window) {
    if (window == Window::Main || window == Window::Mini) {
        // The two display windows go together, the main window first.
        if (MainWindow* main = Main()) main->Unload();
        if (MiniWindow* mini = Mini()) mini->Unload();
        return;
    }
    if (FixedWindow* open = Loaded(window)) open->Unload();
}

bool QtProgramWindows::IsOpen(Window window) const { return Loaded(window) != nullptr; }

std::optional<WindowPlace> QtProgramWindows::PlaceOf(Window window) const {
    const FixedWindow* open = Loaded(window);
    return open != nullptr ? open->Place() : std::nullopt;
}

void QtProgramWindows::OpenDisplayWindows(const DisplayLayout& layout) {
    auto* main = new MainWindow(*app_, platform_, desktop_);
    Adopt(Window::Main, main);
    main->MoveTo(layout.main);
    main->SetFigureColors(layout.backColor, layout.textColor);
    auto* mini = new MiniWindow(*app_, platform_, desktop_);
    Adopt(Window::Mini, mini);
    mini->MoveTo(layout.mini);
    mini->SetFigureColors(layout.backColor, layout.textColor);
    placeKeeper_.Watch(main);
    placeKeeper_.Watch(mini);
}

void QtProgramWindows::ShowDisplayWindow(Window mainOrMini) {
    MainWindow* main = Main();
    MiniWindow* mini = Mini();
    if (main == nullptr || mini == nullptr) return;
    // The window shown takes the keyboard from the one it replaces.
    if (mainOrMini == Window::Mini) {
        main->hide();
        mini->show();
        mini->activateWindow();
    } else {
        main->show();
        mini->hide();
        main->activateWindow();
    }
}

void QtProgramWindows::MoveMiniWindow(WindowPlace place) {
    if (MiniWindow* mini = Mini()) mini->MoveTo(place);
}

void QtProgramWindows::NormaliseDisplayWindows() {
    if (MainWindow* main = Main()) main->Normalise();
    if (MiniWindow* mini = Mini()) mini->Normalise();
}

void QtProgramWindows::BringForward(Window mainOrMini) {
    if (auto* display = qobject_cast<DisplayWindow*>(Loaded(mainOrMini))) display->BringForward();
}

void QtProgramWindows::ShowNoticeChoice(bool on) {
    if (MainWindow* main = Main()) main->ShowNoticeChoice(on);
    if (MiniWindow* mini = Mini()) mini->ShowNoticeChoice(on);
}

void QtProgramWindows::ShowStatus(const TrackerStatus& status) {
    if (MainWindow* main = Main()) main->ShowStatus(status);
    if (MiniWindow* mini = Mini()) mini->ShowReport(status.reportText);
}

void QtProgramWindows::ShowElapsedCaption(const std::string& caption) {
    if (MainWindow* main = Main()) main->ShowElapsedCaption(caption);
}

void QtProgramWindows::ShowMilestones(const MilestonesView& view) {
    if (auto* milestones = static_cast<MilestonesWindow*>(Loaded(Window::Milestones))) milestones->Show(view);
}
