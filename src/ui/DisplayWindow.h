#pragma once
// What the main window and the mini window share: the right-button popup
// menu (also on the Menu key and Shift+F10), hiding into the tray and coming
// back, the version box, and the close box, which ends the program as the
// menu's exit entry does.

#include <QMenu>

#include <functional>

#include "ui/FixedWindow.h"

class App;
class Desktop;
class Platform;
class QAction;

class DisplayWindow : public FixedWindow {
    Q_OBJECT
public:
    DisplayWindow(App& app, Platform& platform, Desktop& desktop, int clientWidthTwips, int clientHeightTwips,
                  const QString& caption);

    // Hides the window into a tray icon; where the desktop has no tray, the
    // window is minimised instead so that it can always be found again.
    void HideToTray();
    void RestoreFromTray();
    // To the front, from the tray or the task bar as well, with the keyboard.
    void BringForward();
    // The menu's mark on "節目をお知らせする".
    void ShowNoticeChoice(bool on);
    // The version box, for a version such as "1.12", shown in full-width digits.
    void ShowVersionBox(const char* version);

    QMenu* PopupMenu() { return &popup_; }
    // A popup entry by its object name ("copyEntry", "exitEntry", ...).
    QAction* MenuEntry(const char* name) const;

protected:
    struct PopupEntry {
        const char* name;
        const char* caption;
        std::function<void()> handler;
    };
    // The entries both windows share, with the version box for a version and
    // the entry that switches to the other window before the exit, in the
    // order they appear, with no separators.
    void BuildPopupMenu(const char* version, const PopupEntry& switchEntry);

    void OnUnload() override;
    void OnCloseBox() override;

    // The menu and the hiding belong to the window's background. Controls
    // that leave some presses to their window (a button its right presses, the
    // progress bar all of them) hand them on here, so where the press landed
    // decides; a child that lets all presses through to the window is made
    // transparent for the mouse and counts as background.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // The Menu key and Shift+F10 open the menu from the keyboard. Controls
    // leave these keys to their window, so they work wherever the focus is.
    void keyPressEvent(QKeyEvent* event) override;

    App& app_;

private:
    void AddPopupEntry(const PopupEntry& entry);
    bool OnBackground(const QMouseEvent* event) const;

    Platform& platform_;
    Desktop& desktop_;

    QMenu popup_;
};
