#include "ui/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QRandomGenerator>
#include <QScreen>
#include <QStandardPaths>
#include <QSystemTrayIcon>

#include <csignal>
#include <utility>

#ifdef Q_OS_WIN
#include <QDesktopServices>
#include <QUrl>
#endif

#include "app/Messages.h"
#include "ui/Colours.h"
#include "ui/Pictures.h"
#include "ui/SessionEndWatcher.h"
#include "ui/Twips.h"
#include "ui/WindowPlacing.h"

namespace {

// Runs an action once the next release of the left button anywhere in the
// program (the press's window keeps the mouse until then) has been
// delivered, once. It goes with its owner, the icon, if that goes first.
class LeftButtonRelease final : public QObject {
public:
    LeftButtonRelease(QObject* owner, std::function<void()> action) : QObject(owner), action_(std::move(action)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Not while the release is on its way: the action may remove the
            // icon, and with it the window the release is going to.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    action_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

}  // namespace

QtPlatform::QtPlatform() {
#ifdef SIGXFSZ
    // Past a file-size limit (ulimit -f) a write would end the program; ignored,
    // it fails like a write to a full disk, and the save reports that instead.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

QtPlatform::~QtPlatform() {
    // An opener still running as the program ends is not waited for.
    for (QProcess* opener : openers_.findChildren<QProcess*>()) {
        opener->disconnect();
        opener->kill();
        opener->waitForFinished(1000);
    }
}

MomentParts QtPlatform::CurrentMoment() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

std::int32_t QtPlatform::RandomDraw() {
    return static_cast<std::int32_t>(QRandomGenerator::global()->bounded(100));
}

void QtPlatform::ShowMessage(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, shown, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

QSize QtPlatform::ScreenSizeTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->geometry().size() : QSize(1024, 768);
    return {PixelsToTwips(pixels.width()), PixelsToTwips(pixels.height())};
}

bool QtPlatform::PlacesWindows() { return QtPlacesWindows(); }

std::optional<LockHolder> QtPlatform::RunningCopy(DataDirectory& dataFolder) { return instanceLock_.Claim(dataFolder); }

void QtPlatform::EndProgram() { QCoreApplication::exit(0); }

void QtPlatform::WhenSessionEnds(std::function<void()> endSession) {
    sessionEndWatcher_ = std::make_unique<SessionEndWatcher>(std::move(endSession));
}

void QtPlatform::SetClipboardText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void QtPlatform::OpenUrl(const QString& address, std::function<void()> onFailure) {
#ifdef Q_OS_WIN
    // The shell answers at once whether a program took the address.
    if (!QDesktopServices::openUrl(QUrl::fromEncoded(address.toUtf8()))) onFailure();
#else
    // The desktop's opener tells by its exit status whether the address could
    // be opened, which may take a while (or as long as the browser runs): the
    // program goes on meanwhile and hears of the end when it comes. Its
    // messages go where the program's own go.
    auto* opener = new QProcess(&openers_);
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, onFailure](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;  // any other error ends in finished() too
        onFailure();
        opener->deleteLater();
    });
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, onFailure](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0) onFailure();
                         opener->deleteLater();
                     });
    opener->start(QStringLiteral("xdg-open"), {address});
#endif
}

std::optional<std::int32_t> QtPlatform::ChooseColour(std::int32_t initial) {
    const QColor chosen = QColorDialog::getColor(ColorFromStored(initial), QApplication::activeWindow());
    if (!chosen.isValid()) return std::nullopt;
    return StoredFromColor(chosen);
}

bool QtPlatform::TrayAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtPlatform::AddTrayIcon(const QObject* owner, std::function<void()> restore) {
    if (trayIcons_.count(owner) != 0) return;
    auto icon = std::make_unique<QSystemTrayIcon>(ProgramIcon());
    icon->setToolTip(kProgramTitle);
    // The window comes back as the left button comes up on the icon. Windows'
    // tray and the desktops' own (over D-Bus) report their Trigger then; Qt's
    // X11 tray icon reports it as the button goes down, while the button is
    // still held, so there the release is awaited. A double click brings one
    // Trigger first, which already restores and removes the icon.
    QSystemTrayIcon* shown = icon.get();
    QObject::connect(shown, &QSystemTrayIcon::activated, shown,
                     [shown, restore = std::move(restore)](QSystemTrayIcon::ActivationReason reason) {
                         if (reason != QSystemTrayIcon::Trigger) return;
                         if (QGuiApplication::mouseButtons().testFlag(Qt::LeftButton)) {
                             new LeftButtonRelease(shown, restore);
                         } else {
                             // Not inside the icon's own event: restoring removes the icon.
                             QMetaObject::invokeMethod(shown, restore, Qt::QueuedConnection);
                         }
                     });
    icon->show();
    trayIcons_[owner] = std::move(icon);
}

void QtPlatform::RemoveTrayIcon(const QObject* owner) {
    const auto found = trayIcons_.find(owner);
    if (found == trayIcons_.end()) return;
    found->second->hide();
    // The icon may be the sender of the click that is restoring the window.
    found->second.release()->deleteLater();
    trayIcons_.erase(found);
}
