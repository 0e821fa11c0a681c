#pragma once
// The platform for window tests: a clock the test sets, a fixed draw, and
// message boxes, clipboard and web pages recorded instead of shown.

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
    QList<QUrl> openedUrls;
    int endProgramCalls = 0;

    MomentParts CurrentMoment() override { return now; }
    std::int32_t RandomDraw() override { return draw; }
    void ShowMessage(QWidget*, const QString& text) override { messages << text; }
    QSize ScreenSizeTwips() override { return screenTwips; }
    bool AnotherCopyRunning() override { return anotherCopy; }
    void EndProgram() override { ++endProgramCalls; }
    void SetClipboardText(const QString& text) override { clipboard = text; }
    bool OpenUrl(const QUrl& url) override {
        openedUrls << url;
        return openUrlSucceeds;
    }
    std::optional<QColor> ChooseColor(const QColor&, QWidget*) override { return colorChoice; }
    bool TrayAvailable() override { return trayAvailable; }
};
