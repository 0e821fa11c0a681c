#pragma once
// Everything the program needs from the desktop passes through here, so that
// tests run it with a fake clock, a fixed random draw and recorded message
// boxes. The Qt implementation is QtPlatform (ui).

#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "engine/MomentParts.h"
#include "storage/DataDirectory.h"

class QObject;

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
    virtual std::optional<LockHolder> RunningCopy(DataDirectory& dataFolder) = 0;
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
    // The desktop's colour dialog, starting from a colour; nothing when the
    // user cancels. Colours as stored: red in the lowest byte, then green, then blue.
    virtual std::optional<std::int32_t> ChooseColour(std::int32_t initial) = 0;

    // False where the desktop has no notification area.
    virtual bool TrayAvailable() = 0;
    // Puts the owner's icon, with the tip "ヨルマ式", into the notification
    // area. A release of the left button on it runs restore; every other
    // event on the icon is ignored. Adding twice keeps one icon.
    virtual void AddTrayIcon(const QObject* owner, std::function<void()> restore) = 0;
    // Harmless when the owner has no icon there.
    virtual void RemoveTrayIcon(const QObject* owner) = 0;
};
