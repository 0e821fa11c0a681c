#pragma once
// The seasonal greeting shown when tracking starts on Christmas Eve,
// Christmas Day or the first three days of the year.

#include <QTimer>

#include <array>

#include "ui/FormBase.h"

class QLabel;
class PictureLabel;

enum class SeasonalOccasion { None, ChristmasEve, ChristmasDay, NewYear };

SeasonalOccasion OccasionOf(int month, int day);

class Form6 : public FormBase {
    Q_OBJECT
public:
    explicit Form6(Module1& module);

    void Form_Load();
    void Command1_Click();

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3(int index) const { return label3_[static_cast<std::size_t>(index)]; }
    QLabel* Image1(int index) const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void NextBellFrame();

    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    std::array<QLabel*, 2> label3_{};
    std::array<PictureLabel*, 3> image1_{};
    QTimer bellTimer_;
    int bellFrame_ = 0;
};
