#pragma once
// The start confirmation: starting records this moment as the quit moment.

#include "ui/FixedWindow.h"

class App;

class StartConfirmation : public FixedWindow {
    Q_OBJECT
public:
    explicit StartConfirmation(App& app);

    void OnStart();
    // Either of the two other buttons: leave without starting.
    void OnLeave();

private:
    App& app_;
};
