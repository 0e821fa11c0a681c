#pragma once
// The main window: the six figures of the current refresh, the lungs, the
// ducks, the progress bar and four buttons. It owns the program's only timer,
// which drives every refresh.

#include <QTimer>

#include <array>
#include <string>

#include "engine/TrackerStatus.h"
#include "ui/DisplayWindow.h"

class QLabel;
class QProgressBar;
class QPushButton;

class Form1 : public DisplayWindow {
    Q_OBJECT
public:
    explicit Form1(Module1& module);

    // The load sequence. False when another copy is running: the program
    // has then been ended and nothing else was done.
    bool Form_Load();

    // Writes one refresh into the window's controls.
    void ApplyStatus(const TrackerStatus& status);

    void Form1_Timer1_Timer();
    void Form1_Label2_Click(int index);
    void Form1_Command3_Click();
    void Form1_Command2_Click();
    void Form1_Command4_Click();
    void Form1_Command1_Click();
    void Form1_mnuMini_Click();

    QLabel* Label2(int index) const { return label2_[static_cast<std::size_t>(index)]; }
    QProgressBar* ProgressBar1() const { return progressBar1_; }
    QTimer& Timer1() { return timer1_; }

protected:
    void Form_Unload() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Sets a value label's text, converting it only when it is not the text
    // the label already shows: most ticks change one or two figures.
    void SetValueText(std::size_t index, const std::string& text);

    std::array<QLabel*, 6> label2_{};
    std::array<std::string, 6> valueTexts_;  // what each value label shows, as UTF-8
    std::array<QLabel*, 3> image1_{};  // Image1(10), (11), (12)
    std::array<QLabel*, 3> image3_{};  // Image3(0), (1), (2)
    QLabel* image2_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QColor lungColor_;
    QTimer timer1_;
};
