#include "ui/WidgetWindows.h"

#include "app/App.h"
#include "ui/HelpWindow.h"
#include "ui/InfoWindow.h"
#include "ui/MainWindow.h"
#include "ui/MiniWindow.h"
#include "ui/ProfileWindow.h"
#include "ui/SeasonalGreeting.h"
#include "ui/SettingsWindow.h"
#include "ui/StartConfirmation.h"

WidgetWindows::WidgetWindows(Platform& platform)
    : platform_(platform), placeKeeper_([this] {
          if (app_ != nullptr) app_->KeepPlaces();
      }) {}

WidgetWindows::~WidgetWindows() {
    for (auto& [kind, window] : loaded_) delete window.data();
}

void WidgetWindows::ForwardTo(App& app) { app_ = &app; }

FixedWindow* WidgetWindows::Loaded(Window window) const {
    const auto found = loaded_.find(window);
    if (found == loaded_.end() || found->second.isNull() || found->second->IsUnloaded()) return nullptr;
    return found->second.data();
}

MainWindow* WidgetWindows::Main() const { return static_cast<MainWindow*>(Loaded(Window::Main)); }
MiniWindow* WidgetWindows::Mini() const { return static_cast<MiniWindow*>(Loaded(Window::Mini)); }

void WidgetWindows::Adopt(Window kind, FixedWindow* window) {
    loaded_[kind] = window;
    // The program ends when its last loaded window, shown or hidden, is unloaded.
    window->WhenUnloaded([this] {
        for (const auto& [other, loaded] : loaded_) {
            if (!loaded.isNull() && !loaded->IsUnloaded()) return;
        }
        if (app_ != nullptr) app_->LastWindowClosed();
    });
}

void WidgetWindows::Open(Window window) {
    if (FixedWindow* open = Loaded(window); open != nullptr && window == Window::Help) {
        // There is only ever one help window: an open one is brought forward.
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
            auto* settings = new SettingsWindow(*app_, platform_);
            settings->Fill(app_->Settings());
            opened = settings;
            break;
        }
        case Window::Info: opened = new InfoWindow(*app_); break;
        case Window::Help: opened = new HelpWindow(); break;
        case Window::SeasonalGreeting:
        case Window::Main:
        case Window::Mini:
            return;  // opened with what they show, below
    }
    Adopt(window, opened);
    opened->show();
}

void WidgetWindows::OpenSeasonalGreeting(SeasonalOccasion occasion) {
    auto* greeting = new SeasonalGreeting(*app_, occasion);
    Adopt(Window::SeasonalGreeting, greeting);
    greeting->show();
}

void WidgetWindows::Close(Window window) {
    if (window == Window::Main || window == Window::Mini) {
        // The two display windows go together, the main window first.
        if (MainWindow* main = Main()) main->Unload();
        if (MiniWindow* mini = Mini()) mini->Unload();
        return;
    }
    if (FixedWindow* open = Loaded(window)) open->Unload();
}

bool WidgetWindows::IsOpen(Window window) const { return Loaded(window) != nullptr; }

std::optional<WindowPlace> WidgetWindows::PlaceOf(Window window) const {
    const FixedWindow* open = Loaded(window);
    return open != nullptr ? open->Place() : std::nullopt;
}

void WidgetWindows::OpenDisplayWindows(const DisplayLayout& layout) {
    auto* main = new MainWindow(*app_, platform_);
    Adopt(Window::Main, main);
    main->MoveTo(layout.main);
    main->SetFigureColours(layout.backColor, layout.textColor);
    auto* mini = new MiniWindow(*app_, platform_);
    Adopt(Window::Mini, mini);
    mini->MoveTo(layout.mini);
    mini->SetFigureColours(layout.backColor, layout.textColor);
    placeKeeper_.Watch(main);
    placeKeeper_.Watch(mini);
}

void WidgetWindows::ShowDisplayWindow(Window mainOrMini) {
    MainWindow* main = Main();
    MiniWindow* mini = Mini();
    if (main == nullptr || mini == nullptr) return;
    if (mainOrMini == Window::Mini) {
        main->hide();
        mini->show();
    } else {
        main->show();
        mini->hide();
    }
}

void WidgetWindows::MoveMiniWindow(WindowPlace place) {
    if (MiniWindow* mini = Mini()) mini->MoveTo(place);
}

void WidgetWindows::NormaliseDisplayWindows() {
    if (MainWindow* main = Main()) main->Normalise();
    if (MiniWindow* mini = Mini()) mini->Normalise();
}

void WidgetWindows::ShowStatus(const TrackerStatus& status) {
    if (MainWindow* main = Main()) main->ShowStatus(status);
    if (MiniWindow* mini = Mini()) mini->ShowReport(status.reportText);
}

void WidgetWindows::ShowElapsedCaption(const std::string& caption) {
    if (MainWindow* main = Main()) main->ShowElapsedCaption(caption);
}
