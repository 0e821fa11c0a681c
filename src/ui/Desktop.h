#pragma once
// What only the windows ask of the desktop: the colour dialog and the tray.
// The Qt implementation is QtDesktop; tests record instead.

#include <cstdint>
#include <functional>
#include <optional>

class QObject;

class Desktop {
public:
    virtual ~Desktop() = default;

    // The desktop's colour dialog, starting from a colour; nothing when the
    // user cancels. Colours as stored: red in the lowest byte, then green, then blue.
    [[nodiscard]] virtual std::optional<std::int32_t> ChooseColor(std::int32_t initial) = 0;

    // False where the desktop has no notification area.
    [[nodiscard]] virtual bool TrayAvailable() = 0;
    // Puts the owner's icon, with the tip "ヨルマ式", into the notification
    // area. A release of the left button on it runs restore; every other
    // event on the icon is ignored. Adding twice keeps one icon.
    virtual void AddTrayIcon(const QObject* owner, std::function<void()> restore) = 0;
    // Harmless when the owner has no icon there.
    virtual void RemoveTrayIcon(const QObject* owner) = 0;
};
