#include "ui/FixedWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "ui/AccessibleRoles.h"
#include "ui/Twips.h"
#include "ui/WindowPlacing.h"

QFont ProgramFont(double points) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    return font;
}

FixedWindow::FixedWindow(int clientWidthTwips, int clientHeightTwips, const QString& caption)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    // Before the title, whose change a screen reader may already be told of.
    InstallAccessibleRoles();
    setWindowTitle(caption);
    setFixedSize(TwipsToPixels(clientWidthTwips), TwipsToPixels(clientHeightTwips));
    setFont(ProgramFont(9));
}

void FixedWindow::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    OnUnload();
    hide();
    if (whenUnloaded_) whenUnloaded_();
    deleteLater();
}

void FixedWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    OnCloseBox();
}

std::optional<WindowPlace> FixedWindow::Place() const {
    if (!QtPlacesWindows() || isMinimized()) return std::nullopt;
    return WindowPlace{PixelsToTwips(frameGeometry().left()), PixelsToTwips(frameGeometry().top())};
}

// Where the desktop places the windows itself, nothing is asked of it.
void FixedWindow::MoveTo(WindowPlace place) {
    if (QtPlacesWindows()) move(TwipsToPixels(place.left), TwipsToPixels(place.top));
}

void FixedWindow::Normalise() { setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)); }

void FixedWindow::CenterOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || !QtPlacesWindows()) return;
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
}

void FixedWindow::SetEnterKeyHandler(std::function<void()> handler) {
    enterHandler_ = std::move(handler);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

namespace {

bool IsEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

}  // namespace

bool FixedWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only keys meant for this window: a combo box's open list is a window of
    // its own, where Enter chooses an entry.
    const auto* target = qobject_cast<QWidget*>(watched);
    if (enterHandler_ && event->type() == QEvent::KeyPress && target != nullptr && target->window() == this &&
        IsEnter(static_cast<QKeyEvent*>(event))) {
        if (!PressFocusedButton()) enterHandler_();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FixedWindow::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event) && PressFocusedButton()) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && closeOnEscape_) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// A push button leaves Enter to its window outside dialogs; here it is
// pressed by Enter as by Space, as buttons are on Windows.
bool FixedWindow::PressFocusedButton() {
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (button == nullptr || !button->isEnabled() || !button->isVisible()) return false;
    button->click();
    return true;
}
