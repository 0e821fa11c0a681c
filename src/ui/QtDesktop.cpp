#include "ui/QtDesktop.h"

#include <QApplication>
#include <QColorDialog>
#include <QMouseEvent>

#include <utility>

#include "app/Messages.h"
#include "ui/Colors.h"
#include "ui/Pictures.h"

namespace {

// Runs an action once the next release of the left button anywhere in the
// program (the press's window keeps the mouse until then) has been
// delivered, once. It goes with its owner, the icon, if that goes first.
class LeftButtonRelease final : public QObject {
public:
    LeftButtonRelease(QObject* owner, std::function<void()> action) : QObject(owner), action_(std::move(action)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Not while the release is on its way: the action may remove the
            // icon, and with it the window the release is going to.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    action_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

}  // namespace

std::optional<std::int32_t> QtDesktop::ChooseColor(std::int32_t initial) {
    const QColor chosen = QColorDialog::getColor(ColorFromStored(initial), QApplication::activeWindow());
    if (!chosen.isValid()) return std::nullopt;
    return StoredFromColor(chosen);
}

bool QtDesktop::TrayAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtDesktop::AddTrayIcon(const QObject* owner, std::function<void()> restore) {
    if (trayIcons_.count(owner) != 0) return;
    auto icon = std::make_unique<QSystemTrayIcon>(ProgramIcon());
    icon->setToolTip(kProgramTitle);
    // The window comes back as the left button comes up on the icon. Windows'
    // tray and the desktops' own (over D-Bus) report their Trigger then; Qt's
    // X11 tray icon reports it as the button goes down, while the button is
    // still held, so there the release is awaited. A double click brings one
    // Trigger first, which already restores and removes the icon.
    QSystemTrayIcon* shown = icon.get();
    QObject::connect(shown, &QSystemTrayIcon::activated, shown,
                     [shown, restore = std::move(restore)](QSystemTrayIcon::ActivationReason reason) {
                         if (reason != QSystemTrayIcon::Trigger) return;
                         if (QGuiApplication::mouseButtons().testFlag(Qt::LeftButton)) {
                             new LeftButtonRelease(shown, restore);
                         } else {
                             // Not inside the icon's own event: restoring removes the icon.
                             QMetaObject::invokeMethod(shown, restore, Qt::QueuedConnection);
                         }
                     });
    icon->show();
    trayIcons_[owner] = std::move(icon);
}

void QtDesktop::RemoveTrayIcon(const QObject* owner) {
    const auto found = trayIcons_.find(owner);
    if (found == trayIcons_.end()) return;
    found->second->hide();
    // The icon may be the sender of the click that is restoring the window.
    found->second.release()->deleteLater();
    trayIcons_.erase(found);
}
