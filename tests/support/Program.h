#pragma once
// The whole program in-process: the fake platform, the real windows on Qt's
// offscreen platform and the App between them, wired as main() wires them,
// with the data folder under the base path given.

#include <QCoreApplication>

#include "app/App.h"
#include "support/FakePlatform.h"
#include "support/Printers.h"
#include "ui/QtProgramWindows.h"

struct Program {
    explicit Program(const QString& basePath) : app(platform, windows, basePath) { windows.ForwardTo(app); }

    // The loaded window of a kind, as its class, or null.
    template <typename W>
    W* Loaded(Window kind) const {
        return static_cast<W*>(windows.Loaded(kind));
    }

    FakePlatform platform;
    QtProgramWindows windows{platform, platform};
    App app;
};

// Unloaded windows are deleted on the next turn of the event loop.
inline void ProcessDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
