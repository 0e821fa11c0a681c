// Every window, under a dark desktop palette (light text on dark ground): each
// text stands out from its ground, as a window that fixes a background colour
// fixes the text colour with it; and a screen reader finds a name for every
// shown control.

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/Windows.h"
#include "ui/FixedWindow.h"

namespace {

// The grey levels between the darkest and the lightest pixel of a control that shows text.
int Contrast(QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    const auto* box = qobject_cast<const QLineEdit*>(control);
    if ((label ? label->text() : button ? button->text() : box ? box->text() : QString()).isEmpty()) return 255;
    const QImage image = control->grab().toImage();
    int darkest = 255, lightest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
            lightest = std::max(lightest, qGray(image.pixel(x, y)));
        }
    }
    return lightest - darkest;
}

// The shown controls under a node without a name; frames, and the panes and
// scroll bars of a text box, stand for nothing.
[[maybe_unused]] std::string Unnamed(QAccessibleInterface* node) {
    std::string unnamed;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child->state().invisible) continue;
        const QAccessible::Role role = child->role();
        if (role != QAccessible::Border && role != QAccessible::Client && role != QAccessible::ScrollBar &&
            child->text(QAccessible::Name).trimmed().isEmpty())
            unnamed += child->object()->objectName().toStdString() + ' ';
        unnamed += Unnamed(child);
    }
    return unnamed;
}

void Check(const Program& program, Window kind) {
    QWidget* window = program.windows.Loaded(kind);
    ASSERT_TRUE(window != nullptr && window->isVisible()) << static_cast<int>(kind);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window)) continue;
        EXPECT_GE(Contrast(control), 50) << control->objectName().toStdString();
    }
#if QT_CONFIG(accessibility)
    EXPECT_EQ(Unnamed(QAccessible::queryAccessibleInterface(window)), "") << window->objectName().toStdString();
#endif
}

TEST(EveryWindow, TextsStandOutAndControlsHaveNames) {
    const QPalette saved = QApplication::palette();
    QPalette dark;
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::AlternateBase})
        dark.setColor(role, QColor(40, 40, 40));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(235, 235, 235));
    QApplication::setPalette(dark);
    for (const int day : {24, 25}) {  // the greetings of Christmas Eve and Day differ
        ScratchDirectory scratch;
        Program program;
        program.platform.now = {2008, 12, day, 9, 0};
        program.app.StartUp();
        Check(program, Window::Profile);
        program.app.EnterProfile(QStringLiteral("20"), QStringLiteral("300"), 1);
        Check(program, Window::StartConfirmation);
        program.app.StartTracking();
        Check(program, Window::SeasonalGreeting);
        ProcessDeletions();
    }
    ScratchDirectory scratch;
    scratch.WriteStartedTracker();
    Program program;
    program.app.StartUp();
    Check(program, Window::Main);
    program.app.SwitchToMiniWindow();
    Check(program, Window::Mini);
    for (const auto& [open, kind] : {std::pair{&App::OpenHelp, Window::Help}, {&App::OpenSettings, Window::Settings},
                                     {&App::OpenInfo, Window::Info}}) {
        (program.app.*open)();
        Check(program, kind);
    }
    ProcessDeletions();
    QApplication::setPalette(saved);
}

}  // namespace
