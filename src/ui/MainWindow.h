#pragma once
// The main window: the six figures of the current refresh, the lungs, the
// ducks, the progress bar and four buttons.

#include <QColor>

#include <array>
#include <optional>
#include <string>

#include "engine/TrackerStatus.h"
#include "ui/DisplayWindow.h"

class QLabel;
class QProgressBar;

class MainWindow : public DisplayWindow {
    Q_OBJECT
public:
    MainWindow(App& app, Platform& platform, Desktop& desktop);

    // The figures' colours, as the user chose them.
    void SetFigureColors(std::int32_t back, std::int32_t text);
    // Writes one refresh into the window's controls.
    void ShowStatus(const TrackerStatus& status);
    void ShowElapsedCaption(const std::string& caption);

    QLabel* Value(CaptionIndex index) const { return values_[static_cast<std::size_t>(index)]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Sets a value label's text, converting it only when it is not the text
    // the label already shows: most ticks change one or two figures.
    void SetValueText(std::size_t index, const std::string& text);
    void ShowCharacters(const CharacterView& view);

    std::array<QLabel*, 6> values_{};          // by CaptionIndex
    std::array<std::string, 6> valueTexts_;    // what each value label shows, as UTF-8
    std::array<QLabel*, 3> ducks_{};           // from day 11, 22 and 33
    std::array<QLabel*, 3> rejoicingDucks_{};  // from day 44 on
    QProgressBar* progressBar_ = nullptr;
    // What the lungs and the ducks show, named for screen readers.
    QLabel* lungName_ = nullptr;
    QLabel* ducksName_ = nullptr;
    QColor lungColor_;
    std::optional<CharacterView> characters_;  // as shown, none before the first refresh
};
