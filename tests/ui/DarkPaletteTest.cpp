// Every window under a dark desktop palette (light text on dark ground):
// where a window fixes a background colour it fixes the text colour with it,
// so no text turns light on its light ground.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/FixedWindow.h"

namespace {

bool ShowsText(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) return !label->text().isEmpty();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return !button->text().isEmpty();
    if (auto* box = qobject_cast<const QLineEdit*>(control)) return !box->text().isEmpty();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(control)) return !text->toPlainText().isEmpty();
    return qobject_cast<const QComboBox*>(control) != nullptr || qobject_cast<const QGroupBox*>(control) != nullptr;
}

// How far the farthest colour of the picture lies from its commonest one, its
// ground: the sum of the differences of red, green and blue.
int InkAgainstGround(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            ground = it.key();
            most = it.value();
        }
    }
    int farthest = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const QRgb c = it.key();
        farthest = std::max(farthest, std::abs(qRed(c) - qRed(ground)) + std::abs(qGreen(c) - qGreen(ground)) +
                                          std::abs(qBlue(c) - qBlue(ground)));
    }
    return farthest;
}

class DarkPalette {
public:
    DarkPalette() {
        QPalette dark;
        for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::AlternateBase})
            dark.setColor(role, QColor(40, 40, 40));
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            dark.setColor(role, QColor(235, 235, 235));
        QApplication::setPalette(dark);
    }
    ~DarkPalette() { QApplication::setPalette(saved_); }
    DarkPalette(const DarkPalette&) = delete;
    DarkPalette& operator=(const DarkPalette&) = delete;

private:
    QPalette saved_ = QApplication::palette();
};

// Every text of the window the program has open now.
void ExpectEveryTextStandsOut(const Program& program, Window kind) {
    QWidget* window = program.windows.Loaded(kind);
    ASSERT_NE(window, nullptr) << static_cast<int>(kind);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || !ShowsText(control)) continue;
        EXPECT_GE(InkAgainstGround(control->grab().toImage()), 150)
            << window->objectName().toStdString() << " " << control->objectName().toStdString() << " "
            << control->metaObject()->className();
    }
}

TEST(DarkPaletteTest, EveryTextStandsOutFromItsGround) {
    const DarkPalette dark;
    {
        // The first run's windows, on Christmas Day for the greeting's texts.
        ScratchDirectory scratch;
        Program program;
        program.platform.now = {2008, 12, 25, 9, 0};
        program.app.StartUp();
        ExpectEveryTextStandsOut(program, Window::Profile);
        program.app.EnterProfile(QStringLiteral("20"), QStringLiteral("300"), 1);
        ExpectEveryTextStandsOut(program, Window::StartConfirmation);
        program.app.StartTracking();
        ExpectEveryTextStandsOut(program, Window::SeasonalGreeting);
        ProcessDeletions();
    }

    ScratchDirectory scratch;
    scratch.Write("initial.ini", "2008,10,5,9,0,20,300,85\r\n");
    scratch.Write("option.ini", "1,8744,5,1,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"ソルジャー\"\r\n");
    Program program;
    program.app.StartUp();
    ExpectEveryTextStandsOut(program, Window::Main);
    ExpectEveryTextStandsOut(program, Window::Mini);
    program.app.OpenHelp();
    ExpectEveryTextStandsOut(program, Window::Help);
    program.app.OpenSettings();
    ExpectEveryTextStandsOut(program, Window::Settings);
    program.app.OpenInfo();
    ExpectEveryTextStandsOut(program, Window::Info);
    ProcessDeletions();
}

}  // namespace
