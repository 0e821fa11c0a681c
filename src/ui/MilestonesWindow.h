#pragma once
// The view of the coming milestones: one row of each kind, with what comes
// next, the local date and time it comes at and a bar of how far along the
// way to it the user is. It shows what the app gives it at each refresh.

#include <array>

#include "app/ProgramWindows.h"
#include "ui/FixedWindow.h"

class App;
class QLabel;
class QProgressBar;

class MilestonesWindow : public FixedWindow {
    Q_OBJECT
public:
    explicit MilestonesWindow(App& app);

    void Show(const MilestonesView& view);

protected:
    void OnCloseBox() override;

private:
    struct Row {
        QLabel* what = nullptr;
        QLabel* when = nullptr;
        QProgressBar* bar = nullptr;
    };

    App& app_;
    QWidget* figures_ = nullptr;
    std::array<Row, kMilestoneKindCount> rows_{};
};
