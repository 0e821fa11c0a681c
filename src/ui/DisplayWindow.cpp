#include "ui/DisplayWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <string_view>

#include "app/App.h"
#include "app/Platform.h"
#include "engine/TrackerSettings.h"
#include "ui/AccessibleText.h"
#include "ui/Desktop.h"
#include "ui/Pictures.h"

DisplayWindow::DisplayWindow(App& app, Platform& platform, Desktop& desktop, int clientWidthTwips,
                             int clientHeightTwips, const QString& caption)
    : FixedWindow(clientWidthTwips, clientHeightTwips, caption),
      app_(app),
      platform_(platform),
      desktop_(desktop),
      popup_(this) {
    setWindowIcon(ProgramIcon());
    popup_.setObjectName(QStringLiteral("popupMenu"));
    SetAccessibleName(&popup_, QStringLiteral("ヨルマ式のメニュー"));
}

void DisplayWindow::BuildPopupMenu(const char* version, const PopupEntry& switchEntry) {
    // The first four are the main window's buttons' own commands.
    AddPopupEntry({"copyEntry", "コピーする", [this] { app_.CopyReport(); }});
    AddPopupEntry({"blogEntry", "ブログや掲示板を開く", [this] { app_.OpenBlogPage(); }});
    AddPopupEntry({"helpEntry", "ヘルプを読む", [this] { app_.OpenHelp(); }});
    AddPopupEntry({"settingsEntry", "設定変更をする", [this] { app_.OpenSettings(); }});
    AddPopupEntry({"milestonesEntry", "これからの節目", [this] { app_.OpenMilestones(); }});
    AddPopupEntry(
        {"noticeEntry", "節目をお知らせする", [this] { app_.SetNoticesOn(MenuEntry("noticeEntry")->isChecked()); }});
    MenuEntry("noticeEntry")->setCheckable(true);
    AddPopupEntry({"versionEntry", "バージョン情報", [this, version] { ShowVersionBox(version); }});
    AddPopupEntry(switchEntry);
    AddPopupEntry({"exitEntry", "アプリケーションの終了", [this] { app_.Exit(); }});
}

void DisplayWindow::AddPopupEntry(const PopupEntry& entry) {
    QAction* action = popup_.addAction(QString::fromUtf8(entry.caption));
    action->setObjectName(QString::fromLatin1(entry.name));
    connect(action, &QAction::triggered, this, entry.handler);
}

QAction* DisplayWindow::MenuEntry(const char* name) const {
    for (QAction* action : popup_.actions()) {
        if (action->objectName() == QLatin1String(name)) return action;
    }
    return nullptr;
}

void DisplayWindow::HideToTray() {
    if (!desktop_.TrayAvailable()) {
        showMinimized();
        return;
    }
    hide();
    desktop_.AddTrayIcon(this, [this] { RestoreFromTray(); });
}

void DisplayWindow::RestoreFromTray() {
    show();
    desktop_.RemoveTrayIcon(this);
}

void DisplayWindow::BringForward() {
    if (isMinimized()) showNormal();
    RestoreFromTray();
    raise();
    activateWindow();
}

void DisplayWindow::ShowNoticeChoice(bool on) { MenuEntry("noticeEntry")->setChecked(on); }

// The tray icon goes with the window.
void DisplayWindow::OnUnload() { desktop_.RemoveTrayIcon(this); }

void DisplayWindow::OnCloseBox() { app_.Exit(); }

void DisplayWindow::ShowVersionBox(const char* version) {
    QString wide;
    for (const char c : std::string_view(version)) wide += QChar(c - '!' + 0xFF01);  // '1' -> '１', '.' -> '．'
    platform_.ShowMessage(QStringLiteral("　ヨルマ式バージョン") + wide +
                          QStringLiteral("　\r\n\r\n　- nubeworks -\r\n　http://") +
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

void DisplayWindow::keyPressEvent(QKeyEvent* event) {
    const bool menuKey =
        event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
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
