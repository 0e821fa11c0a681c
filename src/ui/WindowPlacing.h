#pragma once
// Whether the program can read and set where its windows stand.

#include <QGuiApplication>

// Not under Wayland (Qt's platforms "wayland", "wayland-egl" and so on): there
// the desktop alone places the windows and keeps their places to itself; what
// Qt reports of a window's place is its own frame, or where it was asked to go.
inline bool QtPlacesWindows() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }
