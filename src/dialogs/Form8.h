#pragma once
// The information window about the paid edition, reached from the settings
// window; closing it brings the settings window back.

#include "ui/FormBase.h"

class QPlainTextEdit;

// The page about the paid edition opened by Command2.
extern const char* const kPaidEditionUrl;

class Form8 : public FormBase {
    Q_OBJECT
public:
    explicit Form8(Module1& module);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

protected:
    void Form_Unload() override;
};
