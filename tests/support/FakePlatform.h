#pragma once
// The platform and the desktop for tests: a clock the test sets, a fixed
// draw, and message boxes, clipboard, web pages, colour dialogs, tray icons and
// notifications recorded instead of shown.

#include <QHash>
#include <QStringList>

#include "app/Platform.h"
#include "ui/Desktop.h"

class FakePlatform final : public Platform, public Desktop {
public:
    MomentParts now{2008, 10, 15, 12, 7};
    std::int32_t draw = 50;
    QSize screenTwips{19200, 14400};
    std::optional<LockHolder> anotherCopy;
    bool openUrlSucceeds = true;
    bool trayAvailable = true;
    std::optional<std::int32_t> colorChoice;

    QStringList messages;
    QStringList openedUrls;
    QString clipboard;
    int endProgramCalls = 0;
    std::function<void()> endSession;
    QHash<const QObject*, std::function<void()>> trayIcons;
    // Each notification's title and body; a click on the last one runs noticeClicked.
    QList<std::pair<QString, QString>> notices;
    std::function<void()> noticeClicked;

    MomentParts CurrentMoment() override { return now; }
    std::int32_t RandomDraw() override { return draw; }
    void ShowMessage(const QString& text) override { messages << text; }
    QSize ScreenSizeTwips() override { return screenTwips; }
    bool PlacesWindows() override { return true; }
    std::optional<LockHolder> RunningCopy(DataDirectory&) override { return anotherCopy; }
    void EndProgram() override { ++endProgramCalls; }
    void WhenSessionEnds(std::function<void()> callback) override { endSession = std::move(callback); }
    void SetClipboardText(const QString& text) override { clipboard = text; }
    void OpenUrl(const QString& address, std::function<void()> onFailure) override {
        openedUrls << address;
        if (!openUrlSucceeds) onFailure();
    }

    void Notify(const QString& title, const QString& body, std::function<void()> onClicked) override {
        notices.append({title, body});
        noticeClicked = std::move(onClicked);
    }

    std::optional<std::int32_t> ChooseColor(std::int32_t) override { return colorChoice; }
    bool TrayAvailable() override { return trayAvailable; }
    void AddTrayIcon(const QObject* owner, std::function<void()> restore) override {
        trayIcons[owner] = std::move(restore);
    }
    void RemoveTrayIcon(const QObject* owner) override { trayIcons.remove(owner); }

    // A left click on the owner's tray icon.
    bool ClickTrayIcon(const QObject* owner) {
        if (!trayIcons.contains(owner)) return false;
        trayIcons.value(owner)();
        return true;
    }
};
