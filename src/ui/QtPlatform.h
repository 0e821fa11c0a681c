#pragma once
// The platform of the real program, on Qt.

#include <QLockFile>

#include <memory>

#include "ui/Platform.h"

class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    MomentParts CurrentMoment() override;
    std::int32_t RandomDraw() override;
    void ShowMessage(QWidget* parent, const QString& text) override;
    QSize ScreenSizeTwips() override;
    bool AnotherCopyRunning() override;
    void EndProgram() override;
    void SetClipboardText(const QString& text) override;
    bool OpenUrl(const QUrl& url) override;
    std::optional<QColor> ChooseColor(const QColor& initial, QWidget* parent) override;
    bool TrayAvailable() override;

private:
    std::unique_ptr<QLockFile> instanceLock_;
};
