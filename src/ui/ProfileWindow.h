#pragma once
// The first run's profile window: asks for the smoking profile before
// tracking starts.

#include <array>

#include "ui/FixedWindow.h"

class App;
class QLineEdit;
class QRadioButton;

class ProfileWindow : public FixedWindow {
    Q_OBJECT
public:
    explicit ProfileWindow(App& app);

    void onSet();

private:
    App& app_;
    QLineEdit* cigarettesBox_ = nullptr;
    QLineEdit* priceBox_ = nullptr;
    std::array<QRadioButton*, 3> sizeChoices_{};  // short, standard, long
};
