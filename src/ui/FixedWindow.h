#pragma once
// What every window of the program shares: a fixed client area laid out in
// twips, the program's font, a place in twips, and unloading: the window
// hides, tells whoever keeps the windows, and goes.

#include <QWidget>

#include <functional>
#include <optional>

#include "app/ProgramWindows.h"

class FixedWindow : public QWidget {
    Q_OBJECT
public:
    FixedWindow(int clientWidthTwips, int clientHeightTwips, const QString& caption);

    // Hides the window, runs its own unload steps and deletes it later.
    void Unload();
    bool IsUnloaded() const { return unloaded_; }
    // Told once, as the window unloads.
    void WhenUnloaded(std::function<void()> unloaded) { whenUnloaded_ = std::move(unloaded); }

    // The place of the window's outer frame, in twips; nothing while
    // minimised, or where the desktop places the windows itself (Wayland),
    // which these do not try to do.
    std::optional<WindowPlace> Place() const;
    void MoveTo(WindowPlace place);
    void CenterOnScreen();
    // Out of a minimised or maximised state, as an unload finds it.
    void Normalise();

protected:
    // What the window does as it unloads, before it hides.
    virtual void OnUnload() {}
    // The close box unloads the window; windows that must not simply go
    // (the display and settings windows) ask the program instead.
    void closeEvent(QCloseEvent* event) override;
    virtual void OnCloseBox() { Unload(); }

    // Enter pressed anywhere in the window, also in a text box, runs the
    // handler first, as a key preview would; on a focused button it presses
    // that button, as it does in a window without such a handler.
    void SetEnterKeyHandler(std::function<void()> handler);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape acts as the close box, as it does in a dialog.
    void CloseOnEscape() { closeOnEscape_ = true; }
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Presses the focused push button, if there is one.
    bool PressFocusedButton();

    std::function<void()> enterHandler_;
    bool closeOnEscape_ = false;
    std::function<void()> whenUnloaded_;
    bool unloaded_ = false;
};

// "ＭＳ ゴシック" where it exists, otherwise a metric-compatible Japanese font.
QFont ProgramFont(double points);
