#pragma once
// Everything the windows need from the desktop passes through here, so that
// tests can run the windows with a fake clock, a fixed random draw and
// recorded message boxes.

#include <QColor>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "engine/MomentParts.h"

class QWidget;

class Platform {
public:
    virtual ~Platform() = default;

    // The local clock, to the minute.
    virtual MomentParts CurrentMoment() = 0;
    // A whole number from 0 to 99, each equally likely.
    virtual std::int32_t RandomDraw() = 0;

    // A message box with an OK button only and the program's title.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // The screen the windows are placed on, in twips.
    virtual QSize ScreenSizeTwips() = 0;

    // True when an earlier copy of the program is still running for this
    // user, or on the data folder (empty: a folder that is not used). The
    // first call that finds none claims both for this copy.
    virtual bool AnotherCopyRunning(const QString& dataFolder) = 0;
    // Ends the program at once, without unloading any window.
    virtual void EndProgram() = 0;
    // The session ends without the user closing a window: the desktop logs
    // out, or SIGTERM, SIGINT or SIGHUP comes. Runs endSession from the event
    // loop, never inside a signal handler.
    virtual void WhenSessionEnds(std::function<void()> endSession) = 0;

    virtual void SetClipboardText(const QString& text) = 0;
    // Opens the address, exactly as given, with the desktop's default program.
    // The window never waits for it: a failure may be reported later, once
    // the desktop's opener has ended, by calling onFailure (at most once).
    virtual void OpenUrl(const QString& address, std::function<void()> onFailure) = 0;
    virtual std::optional<QColor> ChooseColor(const QColor& initial, QWidget* parent) = 0;
    // False where the desktop has no notification area.
    virtual bool TrayAvailable() = 0;
    // Puts the owner's icon, with the tip "ヨルマ式", into the notification
    // area. A release of the left button on it runs restore; every other
    // event on the icon is ignored. Adding twice keeps one icon.
    virtual void AddTrayIcon(QWidget* owner, std::function<void()> restore) = 0;
    // Harmless when the owner has no icon there.
    virtual void RemoveTrayIcon(QWidget* owner) = 0;
};

// The program's title: the caption of every message box.
inline const QString kProgramTitle = QStringLiteral("ヨルマ式");
