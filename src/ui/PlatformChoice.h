#pragma once
// Which of Qt's platforms the program runs on, chosen before Qt starts.

#include <QByteArray>

// On a Wayland desktop that also runs X11 programs (XWayland, with $DISPLAY
// set), X11 first: there the program can read and set where its windows
// stand, so they open where they were left, as on Windows; under Wayland the
// desktop alone places them. Wayland still, should the X server not answer.
// Nothing (Qt's own choice) where the user has named a platform in
// $QT_QPA_PLATFORM or there is no X display, and on Windows.
QByteArray PreferredQtPlatform();
