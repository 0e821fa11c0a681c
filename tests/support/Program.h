#pragma once
// The whole program in-process: the fake platform, the real windows on Qt's
// offscreen platform and the App between them, wired as main() wires them.

#include "app/App.h"
#include "support/FakePlatform.h"
#include "ui/WidgetWindows.h"

struct Program {
    Program() { windows.ForwardTo(app); }

    // The loaded window of a kind, as its class, or null.
    template <typename W>
    W* Loaded(Window kind) const {
        return static_cast<W*>(windows.Loaded(kind));
    }

    FakePlatform platform;
    WidgetWindows windows{platform};
    App app{platform, windows};
};
