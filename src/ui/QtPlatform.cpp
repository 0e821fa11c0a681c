#include "ui/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QScreen>
#include <QStandardPaths>

#include <csignal>
#include <utility>

#ifdef Q_OS_WIN
#include <QDesktopServices>
#include <QUrl>
#endif

#include "app/Messages.h"
#include "ui/Notifier.h"
#include "ui/SessionEndWatcher.h"
#include "ui/Twips.h"
#include "ui/WindowPlacing.h"

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

std::int32_t QtPlatform::RandomDraw() { return static_cast<std::int32_t>(QRandomGenerator::global()->bounded(100)); }

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

void QtPlatform::Notify(const QString& title, const QString& body, std::function<void()> onClicked) {
    if (!notifier_) notifier_ = std::make_unique<Notifier>();
    notifier_->Notify(title, body, std::move(onClicked));
}
