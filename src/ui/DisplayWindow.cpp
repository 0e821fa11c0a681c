#include "ui/DisplayWindow.h"

#include <QMouseEvent>

#include "resources/Pictures.h"
#include "startup/Module1.h"
#include "ui/Platform.h"

DisplayWindow::DisplayWindow(Module1& module, int clientWidthTwips, int clientHeightTwips, const QString& caption)
    : FormBase(module, clientWidthTwips, clientHeightTwips, caption), popup_(this) {
    setWindowIcon(ProgramIcon());
    popup_.setObjectName(QStringLiteral("mnuPopup"));
}

void DisplayWindow::BuildPopupMenu(const std::vector<MenuEntrySpec>& entries) {
    for (const MenuEntrySpec& entry : entries) {
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
    if (!module_.platform.TrayAvailable()) {
        showMinimized();
        return;
    }
    hide();
    module_.platform.AddTrayIcon(this, [this] { RestoreFromTray(); });
}

void DisplayWindow::RestoreFromTray() {
    show();
    module_.platform.RemoveTrayIcon(this);
}

void DisplayWindow::RemoveTrayIcon() { module_.platform.RemoveTrayIcon(this); }

void DisplayWindow::ShowVersionBox(const QString& versionLine) {
    module_.platform.ShowMessage(this, versionLine + QStringLiteral("\r\n\r\n　- nubeworks -\r\n　http://") +
                                           QString::fromUtf8(kDefaultBlogUrl));
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
