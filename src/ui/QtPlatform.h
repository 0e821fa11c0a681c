#pragma once
// The platform of the real program, on Qt.

#include <QObject>

#include <memory>

#include "app/Platform.h"
#include "storage/InstanceLock.h"

class Notifier;
class SessionEndWatcher;

class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    MomentParts CurrentMoment() override;
    std::int32_t RandomDraw() override;
    void ShowMessage(const QString& text) override;
    QSize ScreenSizeTwips() override;
    bool PlacesWindows() override;
    std::optional<LockHolder> RunningCopy(DataDirectory& dataFolder) override;
    void EndProgram() override;
    void WhenSessionEnds(std::function<void()> endSession) override;
    void SetClipboardText(const QString& text) override;
    void OpenUrl(const QString& address, std::function<void()> onFailure) override;
    void Notify(const QString& title, const QString& body, std::function<void()> onClicked) override;

private:
    InstanceLock instanceLock_;
    std::unique_ptr<SessionEndWatcher> sessionEndWatcher_;
    // Made at the first notification, so that a run without one never touches the bus.
    std::unique_ptr<Notifier> notifier_;
    // The desktop's openers still running, so that their ends can be reported.
    QObject openers_;
};
