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

#include "resources/Pictures.h"
#include "ui/SessionEndWatcher.h"
#include "ui/Twips.h"

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

void QtPlatform::ShowMessage(QWidget* parent, const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, shown, QMessageBox::Ok, parent);
    box.exec();
}

QSize QtPlatform::ScreenSizeTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->geometry().size() : QSize(1024, 768);
    return {PixelsToTwips(pixels.width()), PixelsToTwips(pixels.height())};
}

namespace {

// Takes the lock at path; null when a live copy holds it. A lock that cannot
// be taken for any other reason (a folder the user may not write) is no copy:
// it must not lock the user out. QLockFile records the holder's process id,
// so the lock of a copy that crashed or was killed is found stale and taken over.
std::unique_ptr<QLockFile> TakeLock(const QString& path, bool& heldByAnother) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    bool locked = lock->tryLock(0);
    qint64 holder = 0;
    if (!locked && lock->error() == QLockFile::LockFailedError) {
        // A lock without a readable holder (empty after a power cut, damaged,
        // an older format) is stale too; one naming this very process id is a
        // killed copy's (ids come round again, on Windows after a restart too).
        // A live holder keeps a native lock on the file, so neither removal
        // can take a lock that is in use.
        const bool readable = lock->getLockInfo(&holder, nullptr, nullptr);
        if ((!readable || holder == QCoreApplication::applicationPid()) && lock->removeStaleLockFile()) {
            locked = lock->tryLock(0);
        }
    }
    heldByAnother = !locked && lock->error() == QLockFile::LockFailedError;
    return locked ? std::move(lock) : nullptr;
}

}  // namespace

bool QtPlatform::AnotherCopyRunning(const QString& dataFolder) {
    if (claimed_) return false;  // this copy already holds the place
    // One lock per user, and one in the data folder: copies of one user
    // with and without XDG_RUNTIME_DIR (a terminal under su, a cron job) meet there.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QDir().mkpath(folder);
    bool heldByAnother = false;
    std::unique_ptr<QLockFile> userLock = TakeLock(folder + QStringLiteral("/yoruma-single-instance.lock"), heldByAnother);
    if (heldByAnother) return true;
    std::unique_ptr<QLockFile> dataLock;
    if (!dataFolder.isEmpty()) {
        dataLock = TakeLock(dataFolder + QStringLiteral("/yoruma.lock"), heldByAnother);
        if (heldByAnother) return true;
    }
    // Without a lock of its own (a folder that cannot be written) the copy
    // runs all the same.
    claimed_ = true;
    instanceLock_ = std::move(userLock);
    dataFolderLock_ = std::move(dataLock);
    return false;
}

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

std::optional<QColor> QtPlatform::ChooseColor(const QColor& initial, QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

bool QtPlatform::TrayAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtPlatform::AddTrayIcon(QWidget* owner, std::function<void()> restore) {
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

void QtPlatform::RemoveTrayIcon(QWidget* owner) {
    const auto found = trayIcons_.find(owner);
    if (found == trayIcons_.end()) return;
    found->second->hide();
    // The icon may be the sender of the click that is restoring the window.
    found->second.release()->deleteLater();
    trayIcons_.erase(found);
}
