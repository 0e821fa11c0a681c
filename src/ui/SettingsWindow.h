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
class Platform;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
struct TrackerSettings;

class SettingsWindow : public FixedWindow {
    Q_OBJECT
public:
    SettingsWindow(App& app, Platform& platform);

    // Fills the controls from the settings.
    void Fill(const TrackerSettings& settings);
    // What the window holds now, as typed and chosen.
    SettingsForm Form() const;

    void onSave();
    void onCancel();
    void onTextColour();
    void onBackColour();
    void onPaidEdition();

protected:
    // The close box cancels, so that a display window always comes back.
    void OnCloseBox() override;

private:
    void BuildAddressRow();
    void BuildColourRow();
    void BuildReportExtras();
    void BuildQuitMomentAndProfile();
    void BuildButtons();
    void ShowSampleColours(const TrackerSettings& settings);

    App& app_;
    Platform& platform_;
    QLineEdit* blogUrlBox_ = nullptr;
    QComboBox* statusModeBox_ = nullptr;
    QLabel* colourSample_ = nullptr;
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
    std::int32_t lastChosenColour_ = 0;
};
