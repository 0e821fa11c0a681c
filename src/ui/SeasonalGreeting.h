#pragma once
// The seasonal greeting shown when tracking starts on Christmas Eve,
// Christmas Day or the first three days of the year; its own start button
// completes the start.

#include <QTimer>

#include <array>

#include "engine/SeasonalOccasion.h"
#include "ui/FixedWindow.h"

class App;
class QLabel;
class PictureLabel;

class SeasonalGreeting : public FixedWindow {
    Q_OBJECT
public:
    SeasonalGreeting(App& app, SeasonalOccasion occasion);

    void OnStart();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ShowGreeting(SeasonalOccasion occasion);
    void NextBellFrame();

    App& app_;
    QLabel* heading_ = nullptr;
    QLabel* greeting_ = nullptr;
    std::array<QLabel*, 2> wishes_{};
    std::array<PictureLabel*, 3> bells_{};
    QTimer bellTimer_;
    int bellFrame_ = 0;
};
