#pragma once
// The settings window: every setting after the first run, checked and saved
// here; Save and Cancel bring back the display window in use.

#include <QColor>

#include <array>

#include "ui/FormBase.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class Form2 : public FormBase {
    Q_OBJECT
public:
    explicit Form2(Module1& module);

    void Form2_Form_Load();
    void Form2_Command1_Click();
    void Form2_Command2_Click();
    void Form2_Command3_Click();
    void Form2_Command4_Click();
    void Form2_Command5_Click();
    void Form2_Option2_Click(int index);

protected:
    // The close box cancels, so that a display window always comes back.
    void closeEvent(QCloseEvent* event) override;

private:
    // The window's own hand-over: the display window windowMode names comes
    // back, then this window goes.
    void ReturnToDisplayWindow();

    std::array<QLineEdit*, 5> text1_{};
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QLineEdit* text5_ = nullptr;
    QLineEdit* text6_ = nullptr;
    QLineEdit* text7_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QLabel* label2_ = nullptr;
    QCheckBox* check2_ = nullptr;
    std::array<QRadioButton*, 3> option1_{};
    std::array<QRadioButton*, 3> option2_{};
    // The colour the colour dialog starts from: the last one chosen in it,
    // black before the first choice, never the stored setting.
    QColor commonDialog1Color_{Qt::black};
};
