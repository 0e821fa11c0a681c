#pragma once
// The information window about the paid edition, reached from the settings
// window; however it closes, the settings window comes back.

#include "ui/FixedWindow.h"

class App;

class InfoWindow : public FixedWindow {
    Q_OBJECT
public:
    explicit InfoWindow(App& app);

    void OnClose();
    void OnWebPage();

protected:
    void OnCloseBox() override;

private:
    App& app_;
};
