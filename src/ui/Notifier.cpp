#include "ui/Notifier.h"

#include <QSystemTrayIcon>
#include <QTimer>

#ifndef Q_OS_WIN
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#endif

#include <utility>

#include "ui/Pictures.h"

namespace {

#ifndef Q_OS_WIN
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
#endif
// The action a click on the notification's body invokes.
const QString kDefaultAction = QStringLiteral("default");

// Long enough to be read; the tray icon that carries it goes with it.
constexpr int kTrayMessageMs = 20000;

}  // namespace

Notifier::Notifier() {
#ifndef Q_OS_WIN
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                SLOT(OnActionInvoked(uint, QString)));
    bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                SLOT(OnNotificationClosed(uint, uint)));
#endif
}

Notifier::~Notifier() = default;

void Notifier::Notify(const QString& title, const QString& body, std::function<void()> onClicked) {
#ifdef Q_OS_WIN
    NotifyByTray(title, body, std::move(onClicked));
#else
    NotifyByService(title, body, std::move(onClicked));
#endif
}

#ifndef Q_OS_WIN
void Notifier::NotifyByService(const QString& title, const QString& body, std::function<void()> onClicked) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        NotifyByTray(title, body, std::move(onClicked));
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    // The service may start on this call (D-Bus activation); where none
    // answers, the tray's message says it instead.
    call << QStringLiteral("yoruma") << uint{0} << QStringLiteral("yoruma") << title << body
         << QStringList{kDefaultAction, QStringLiteral("開く")} << QVariantMap{} << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, title, body, onClicked = std::move(onClicked)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError()) {
                    NotifyByTray(title, body, onClicked);
                    return;
                }
                shown_[reply.value()] = onClicked;
            });
}
#endif

void Notifier::NotifyByTray(const QString& title, const QString& body, std::function<void()> onClicked) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    if (!trayIcon_) {
        trayIcon_ = std::make_unique<QSystemTrayIcon>(ProgramIcon());
        trayIcon_->setToolTip(title);
        connect(trayIcon_.get(), &QSystemTrayIcon::messageClicked, this, [this] {
            trayIcon_->hide();
            if (trayClicked_) trayClicked_();
        });
    }
    trayClicked_ = std::move(onClicked);
    trayIcon_->show();
    trayIcon_->showMessage(title, body, ProgramIcon(), kTrayMessageMs);
    QTimer::singleShot(kTrayMessageMs, trayIcon_.get(), &QSystemTrayIcon::hide);
}

void Notifier::OnActionInvoked(uint id, const QString& action) {
    const auto found = shown_.find(id);
    if (found == shown_.end() || action != kDefaultAction) return;
    found->second();
}

void Notifier::OnNotificationClosed(uint id, uint /*reason*/) { shown_.erase(id); }
