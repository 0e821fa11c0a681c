#pragma once
// The mini window: the six-line report next to the program's icon, refreshed
// by the main window's timer while that one waits hidden behind it.

#include <string>

#include "ui/DisplayWindow.h"

class QLabel;

class Form7 : public DisplayWindow {
    Q_OBJECT
public:
    explicit Form7(Module1& module);

    void Form7_Form_Load();
    // Shows the report (UTF-8, lines ended by CR LF); the same report again
    // changes nothing.
    void ApplyReport(const std::string& report);

    void Form7_mnuSt_Click();
    void Form7_mnuSettei_Click();

    QLabel* Label1() const { return label1_; }
    QLabel* Image2() const { return image2_; }

protected:
    void Form_Unload() override;

private:
    QLabel* label1_ = nullptr;
    QLabel* image2_ = nullptr;
    std::string report_;  // the report the label shows
};
