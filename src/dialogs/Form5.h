#pragma once
// The help window: the whole help text in one scrolling box that always
// fills the window. Modeless, and only ever one.

#include "ui/FormBase.h"

class QPlainTextEdit;

class Form5 : public FormBase {
    Q_OBJECT
public:
    explicit Form5(Module1& module);

    void Form_Load();
    void Form_Resize();

    QPlainTextEdit* Text1() const { return text1_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPlainTextEdit* text1_ = nullptr;
};
