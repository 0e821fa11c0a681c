#pragma once
// The platform of the real program, on Qt.

#include <QLockFile>
#include <QSystemTrayIcon>

#include <map>
#include <memory>

#include "ui/Platform.h"

class SessionEndWatcher;

class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    MomentParts CurrentMoment() override;
    std::int32_t RandomDraw() override;
    void ShowMessage(QWidget* parent, const QString& text) override;
    QSize ScreenSizeTwips() override;
    bool AnotherCopyRunning(const QString& dataFolder) override;
    void EndProgram() override;
    void WhenSessionEnds(std::function<void()> endSession) override;
    void SetClipboardText(const QString& text) override;
    void OpenUrl(const QString& address, std::function<void()> onFailure) override;
    std::optional<QColor> ChooseColor(const QColor& initial, QWidget* parent) override;
    bool TrayAvailable() override;
    void AddTrayIcon(QWidget* owner, std::function<void()> restore) override;
    void RemoveTrayIcon(QWidget* owner) override;

private:
    bool claimed_ = false;
    std::unique_ptr<QLockFile> instanceLock_;  // this user's
    std::unique_ptr<QLockFile> dataFolderLock_;
    std::unique_ptr<SessionEndWatcher> sessionEndWatcher_;
    // The desktop's openers still running, so that their ends can be reported.
    QObject openers_;
    std::map<QWidget*, std::unique_ptr<QSystemTrayIcon>> trayIcons_;
};
