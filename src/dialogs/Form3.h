#pragma once
// The first-run settings window: asks for the smoking profile before
// tracking starts.

#include <array>

#include "ui/FormBase.h"

class QLineEdit;
class QRadioButton;

class Form3 : public FormBase {
    Q_OBJECT
public:
    explicit Form3(Module1& module);

    // The single-instance test. False when another copy is running: the
    // program has then been ended.
    bool Form_Load();
    void Form3_Command1_Click();

    QLineEdit* Text1(int index) const { return text1_[static_cast<std::size_t>(index)]; }
    QRadioButton* Option1(int index) const { return option1_[static_cast<std::size_t>(index)]; }

private:
    std::array<QLineEdit*, 2> text1_{};
    std::array<QRadioButton*, 3> option1_{};
};
