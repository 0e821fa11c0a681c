#pragma once
// The help window: the whole help text in one scrolling box that always
// fills the window. Modeless, and only ever one.

#include "ui/FixedWindow.h"

class QPlainTextEdit;

class HelpWindow : public FixedWindow {
    Q_OBJECT
public:
    HelpWindow();

    QPlainTextEdit* Text() const { return text_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPlainTextEdit* text_ = nullptr;
};
