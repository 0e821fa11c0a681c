#pragma once
// The platform for window tests: a clock the test sets, a fixed draw, and
// message boxes, clipboard and web pages recorded instead of shown.

#include <QHash>
#include <QStringList>

#include "ui/Platform.h"

class FakePlatform final : public Platform {
public:
    MomentParts now{2008, 10, 15, 12, 7};
    std::int32_t draw = 50;
    QSize screenTwips{19200, 14400};
    bool anotherCopy = false;
    bool openUrlSucceeds = true;
    bool trayAvailable = true;
    std::optional<QColor> colorChoice;

    QStringList messages;
    QString clipboard;
    QStringList openedUrls;
    int endProgramCalls = 0;
    QStringList lockedDataFolders;
    std::function<void()> endSession;
    QHash<QWidget*, std::function<void()>> trayIcons;

    MomentParts CurrentMoment() override { return now; }
    std::int32_t RandomDraw() override { return draw; }
    void ShowMessage(QWidget*, const QString& text) override { messages << text; }
    QSize ScreenSizeTwips() override { return screenTwips; }
    bool AnotherCopyRunning(const QString& dataFolder) override {
        lockedDataFolders << dataFolder;
        return anotherCopy;
    }
    void EndProgram() override { ++endProgramCalls; }
    void WhenSessionEnds(std::function<void()> callback) override { endSession = std::move(callback); }
    void SetClipboardText(const QString& text) override { clipboard = text; }
    void OpenUrl(const QString& address, std::function<void()> onFailure) override {
        openedUrls << address;
        if (!openUrlSucceeds) onFailure();
    }
    std::optional<QColor> ChooseColor(const QColor&, QWidget*) override { return colorChoice; }
    bool TrayAvailable() override { return trayAvailable; }
    void AddTrayIcon(QWidget* owner, std::function<void()> restore) override { trayIcons[owner] = std::move(restore); }
    void RemoveTrayIcon(QWidget* owner) override { trayIcons.remove(owner); }

    // A left click on the owner's tray icon.
    bool ClickTrayIcon(QWidget* owner) {
        if (!trayIcons.contains(owner)) return false;
        trayIcons.value(owner)();
        return true;
    }
};
