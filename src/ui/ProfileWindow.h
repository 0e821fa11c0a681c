#pragma once
// The first run's profile window: asks for the smoking profile before
// tracking starts.

#include "ui/FixedWindow.h"

class App;
class ChoiceGroup;
class QLineEdit;

class ProfileWindow : public FixedWindow {
    Q_OBJECT
public:
    explicit ProfileWindow(App& app);

    void OnSet();

private:
    App& app_;
    QLineEdit* cigarettesBox_ = nullptr;
    QLineEdit* priceBox_ = nullptr;
    ChoiceGroup* sizeChoices_ = nullptr;  // short, standard, long
};
