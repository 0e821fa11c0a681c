#pragma once
// The desktop of the real program, on Qt: its colour dialog and its tray.

#include <QObject>
#include <QSystemTrayIcon>

#include <map>
#include <memory>

#include "ui/Desktop.h"

class QtDesktop final : public Desktop {
public:
    std::optional<std::int32_t> ChooseColor(std::int32_t initial) override;
    bool TrayAvailable() override;
    void AddTrayIcon(const QObject* owner, std::function<void()> restore) override;
    void RemoveTrayIcon(const QObject* owner) override;

private:
    std::map<const QObject*, std::unique_ptr<QSystemTrayIcon>> trayIcons_;
};
