#pragma once
// The start confirmation: starting records this moment as the quit moment.

#include "ui/FormBase.h"

class Form4 : public FormBase {
    Q_OBJECT
public:
    explicit Form4(Module1& module);

    void Form4_Command1_Click();
    // Either of the two other buttons: leave without starting.
    void Form4_Command2_Click(int index);
};
