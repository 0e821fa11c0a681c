#pragma once
// The desktop's notifications: the freedesktop notification service on the
// session bus where there is one (Linux), the tray icon's message otherwise
// and on Windows. A click on a notification runs what was given with it.

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class QSystemTrayIcon;

class Notifier final : public QObject {
    Q_OBJECT
public:
    Notifier();
    ~Notifier() override;

    void Notify(const QString& title, const QString& body, std::function<void()> onClicked);

private slots:
    // The notification service's signals, for every program's notifications.
    void OnActionInvoked(uint id, const QString& action);
    void OnNotificationClosed(uint id, uint reason);

private:
#ifndef Q_OS_WIN
    void NotifyByService(const QString& title, const QString& body, std::function<void()> onClicked);
#endif
    void NotifyByTray(const QString& title, const QString& body, std::function<void()> onClicked);

    // Ours among the service's notifications still shown, by their ids.
    std::map<uint, std::function<void()>> shown_;
    // The tray's message needs an icon of its own: the display window's icon
    // is there only while the window is hidden.
    std::unique_ptr<QSystemTrayIcon> trayIcon_;
    std::function<void()> trayClicked_;
};
