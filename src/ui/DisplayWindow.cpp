#include "ui/DisplayWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <string_view>

#include "app/App.h"
#include "app/Platform.h"
#include "engine/TrackerSettings.h"
#include "ui/AccessibleText.h"
#include "ui/Pictures.h"

DisplayWindow::DisplayWindow(App& app, Platform& platform, int clientWidthTwips, int clientHeightTwips,
                             const QString& caption)
    : FixedWindow(clientWidthTwips, clientHeightTwips, caption), app_(app), platform_(platform), popup_(this) {
    setWindowIcon(ProgramIcon());
    popup_.setObjectName(QStringLiteral("popupMenu"));
    SetAccessibleName(&popup_, QStringLiteral("ヨルマ式のメニュー"));
}

void DisplayWindow::BuildPopupMenu(const std::vector<PopupEntry>& entries) {
    for (const PopupEntry& entry : entries) {
        QAction* action = popup_.addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        connect(action, &QAction::triggered, this, entry.handler);
    }
}

QAction* DisplayWindow::MenuEntry(const char* name) const {
    for (QAction* action : popup_.actions()) {
        if (action->objectName() == QLatin1String(name)) return action;
    }
    return nullptr;
}

void DisplayWindow::HideToTray() {
    if (!platform_.TrayAvailable()) {
        showMinimized();
        return;
    }
    hide();
    platform_.AddTrayIcon(this, [this] { RestoreFromTray(); });
}

void DisplayWindow::RestoreFromTray() {
    show();
    platform_.RemoveTrayIcon(this);
}

// The tray icon goes with the window.
void DisplayWindow::OnUnload() { platform_.RemoveTrayIcon(this); }

void DisplayWindow::OnCloseBox() { app_.Exit(); }

void DisplayWindow::ShowVersionBox(const char* version) {
    QString wide;
    for (const char c : std::string_view(version)) wide += QChar(c - '!' + 0xFF01);  // '1' -> '１', '.' -> '．'
    platform_.ShowMessage(QStringLiteral("　ヨルマ式バージョン") + wide +
                          QStringLiteral("　\r\n\r\n　- nubeworks -\r\n　http://") + QString::fromUtf8(kDefaultBlogUrl));
}

bool DisplayWindow::OnBackground(const QMouseEvent* event) const {
    return childAt(event->position().toPoint()) == nullptr;
}

void DisplayWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && OnBackground(event)) popup_.popup(event->globalPosition().toPoint());
    event->accept();
}

void DisplayWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnBackground(event)) HideToTray();
    event->accept();
}

void DisplayWindow::keyPressEvent(QKeyEvent* event) {
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (!menuKey) {
        FixedWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    // There is no pointer to show it at: the window's top left corner, with
    // its first entry chosen so that Enter or the arrows go on from there.
    popup_.popup(mapToGlobal(QPoint(0, 0)));
    if (!popup_.actions().isEmpty()) popup_.setActiveAction(popup_.actions().constFirst());
}
