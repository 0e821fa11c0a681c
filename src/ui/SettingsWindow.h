#pragma once
// The settings window: every setting after the first run. It shows the
// settings it is given, collects what the user types and chooses, and asks
// the program to check and save it; Save and Cancel bring back the display
// window in use.

#include <QColor>

#include <array>

#include "app/SettingsCheck.h"
#include "ui/FixedWindow.h"

class App;
class ChoiceGroup;
class Desktop;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
struct TrackerSettings;

class SettingsWindow : public FixedWindow {
    Q_OBJECT
public:
    SettingsWindow(App& app, Desktop& desktop);

    // Fills the controls from the settings.
    void Fill(const TrackerSettings& settings);
    // What the window holds now, as typed and chosen.
    SettingsForm Form() const;

    void OnSave();
    void OnCancel();
    void OnTextColor();
    void OnBackColor();
    void OnPaidEdition();

protected:
    // The close box cancels, so that a display window always comes back.
    void OnCloseBox() override;

private:
    void BuildAddressRow();
    void BuildColorRow();
    void BuildReportExtras();
    void BuildQuitMomentAndProfile();
    void BuildButtons();
    void ShowSampleColors(const TrackerSettings& settings);
    // The colour dialog; a colour chosen goes to the app, by `apply`, and into the sample.
    void ChooseFigureColor(void (App::*apply)(std::int32_t));

    App& app_;
    Desktop& desktop_;
    QLineEdit* blogUrlBox_ = nullptr;
    QComboBox* statusModeBox_ = nullptr;
    QLabel* colorSample_ = nullptr;
    ChoiceGroup* copyPlusChoices_ = nullptr;
    QLineEdit* smokingYearsBox_ = nullptr;
    QCheckBox* packDisplayBox_ = nullptr;
    std::array<QLineEdit*, 5> quitMomentBoxes_{};  // year, month, day, hour, minute
    QLineEdit* cigarettesBox_ = nullptr;
    QLineEdit* priceBox_ = nullptr;
    QLineEdit* tobaccoTaxBox_ = nullptr;
    QLineEdit* consumptionTaxBox_ = nullptr;
    ChoiceGroup* sizeChoices_ = nullptr;
    // The colour the colour dialog starts from: the last one chosen in it,
    // black before the first choice, never the stored setting.
    std::int32_t lastChosenColor_ = 0;
};
