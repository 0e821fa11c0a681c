#pragma once
// The mini window: the six-line report next to the program's icon, refreshed
// with the main window while that one waits hidden behind it.

#include <string>

#include "ui/DisplayWindow.h"

class ReportLabel;
class QLabel;

class MiniWindow : public DisplayWindow {
    Q_OBJECT
public:
    MiniWindow(App& app, Platform& platform, Desktop& desktop);

    // The window's and the report's colours, as the user chose them.
    void SetFigureColors(std::int32_t back, std::int32_t text);
    // Shows the report (UTF-8, lines ended by CR LF); the same report again
    // changes nothing.
    void ShowReport(const std::string& report);

    QLabel* Report() const;

private:
    ReportLabel* report_ = nullptr;
    std::string reportText_;  // the report the label shows
};
