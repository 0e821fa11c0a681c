#pragma once
// What the main window and the mini window share: the right-button popup
// menu, hiding into the tray and coming back, and the version box.

#include <QMenu>

#include "ui/FormBase.h"

class QAction;

class DisplayWindow : public FormBase {
    Q_OBJECT
public:
    DisplayWindow(Module1& module, int clientWidthTwips, int clientHeightTwips, const QString& caption);

    // Hides the window into a tray icon; where the desktop has no tray, the
    // window is minimised instead so that it can always be found again.
    void HideToTray();
    void RestoreFromTray();
    void ShowVersionBox(const QString& versionLine);

    QMenu* mnuPopup() { return &popup_; }
    // A popup entry by its name ("mnuCopy", "mnuExit", ...).
    QAction* MenuEntry(const char* name) const;

protected:
    struct MenuEntrySpec {
        const char* name;
        const char* caption;
        std::function<void()> handler;
    };
    // The entries, in the order they appear, with no separators.
    void BuildPopupMenu(const std::vector<MenuEntrySpec>& entries);

    // The tray icon goes with the window.
    void RemoveTrayIcon();

    // The menu and the hiding belong to the window's background. Controls
    // that leave some presses to their window (a button its right presses, the
    // progress bar all of them) hand them on here, so where the press landed
    // decides; a child that lets all presses through to the window is made
    // transparent for the mouse and counts as background.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool OnBackground(const QMouseEvent* event) const;

    QMenu popup_;
};
