#pragma once
// What every window of the program shares: a fixed client area laid out in
// twips, the program's font, and loading and unloading reported to Module1 so
// that the program ends with its last window.

#include <QWidget>

#include <functional>

class Module1;

class FormBase : public QWidget {
    Q_OBJECT
public:
    FormBase(Module1& module, int clientWidthTwips, int clientHeightTwips, const QString& caption);

    // Hides the window, runs its unload sequence and forgets it.
    void Unload();
    bool IsUnloaded() const { return unloaded_; }

    // Position of the window's outer frame, in twips.
    int LeftTwips() const;
    int TopTwips() const;
    void MoveTwips(int left, int top);
    void CenterOnScreen();

protected:
    virtual void Form_Unload() {}
    void closeEvent(QCloseEvent* event) override;

    // Enter pressed anywhere in the window, also in a text box or on a button,
    // runs the handler first, as a key preview would.
    void SetEnterKeyHandler(std::function<void()> handler);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // In a window without such a handler, Enter presses the focused button.
    void keyPressEvent(QKeyEvent* event) override;

    Module1& module_;

private:
    std::function<void()> enterHandler_;
    bool unloaded_ = false;
};

// "ＭＳ ゴシック" where it exists, otherwise a metric-compatible Japanese font.
QFont ProgramFont(double points);
