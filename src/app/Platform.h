#pragma once
// Everything the program needs from the desktop passes through here, so that
// tests run it with a fake clock, a fixed random draw and recorded message
// boxes and notifications. The Qt implementation is QtPlatform (ui). What only the windows ask
// of the desktop (the colour dialog, the tray) is the ui layer's Desktop.

#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "engine/MomentParts.h"
#include "storage/DataDirectory.h"

class Platform {
public:
    virtual ~Platform() = default;

    // The local clock, to the minute.
    virtual MomentParts CurrentMoment() = 0;
    // A whole number from 0 to 99, each equally likely.
    virtual std::int32_t RandomDraw() = 0;

    // A message box with an OK button only and the program's title, over the
    // program's active window.
    virtual void ShowMessage(const QString& text) = 0;
    // The screen the windows are placed on, in twips.
    virtual QSize ScreenSizeTwips() = 0;
    // False where the desktop alone decides where windows stand and keeps it
    // from the program (Wayland): there it can neither read nor set a place.
    virtual bool PlacesWindows() = 0;

    // The earlier copy of the program that still runs for this user, or on
    // the data folder (a closed one has none); nothing when there is none,
    // and the first call that finds none claims both for this copy.
    [[nodiscard]] virtual std::optional<LockHolder> RunningCopy(DataDirectory& dataFolder) = 0;
    // Ends the program at once, without unloading any window.
    virtual void EndProgram() = 0;
    // The session ends without the user closing a window: the desktop logs
    // out, or SIGTERM, SIGINT or SIGHUP comes. Runs endSession from the event
    // loop, never inside a signal handler.
    virtual void WhenSessionEnds(std::function<void()> endSession) = 0;

    virtual void SetClipboardText(const QString& text) = 0;
    // Opens the address, exactly as given, with the desktop's default program.
    // Nothing waits for it: a failure may be reported later, once the
    // desktop's opener has ended, by calling onFailure (at most once).
    virtual void OpenUrl(const QString& address, std::function<void()> onFailure) = 0;
    // A notification of the desktop's own (its notification service, or the
    // tray's message where it has none). A click on it runs onClicked; a
    // desktop that can show none drops it.
    virtual void Notify(const QString& title, const QString& body, std::function<void()> onClicked) = 0;
};
