#include "ui/SessionEndWatcher.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#endif

#ifdef Q_OS_UNIX
namespace {

constexpr int kSessionSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A signal handler reaches nothing but globals: this one socket, set before
// the handlers are installed.
std::atomic<int> signalSocket{-1};

void WriteSignalByte(int /*signal*/) {
    const int savedErrno = errno;
    const char byte = 1;
    const ssize_t written = write(signalSocket.load(), &byte, 1);
    static_cast<void>(written);  // a full socket already holds a wake-up
    errno = savedErrno;
}

}  // namespace
#endif

SessionEndWatcher::SessionEndWatcher(std::function<void()> endSession) : endSession_(std::move(endSession)) {
#if QT_CONFIG(sessionmanager)
    if (qGuiApp != nullptr) {
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { endSession_(); });
    }
#endif
#ifdef Q_OS_UNIX
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets_) != 0) return;
    fcntl(sockets_[0], F_SETFL, fcntl(sockets_[0], F_GETFL) | O_NONBLOCK);
    fcntl(sockets_[1], F_SETFL, fcntl(sockets_[1], F_GETFL) | O_NONBLOCK);
    signalSocket.store(sockets_[0]);
    notifier_ = std::make_unique<QSocketNotifier>(sockets_[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SessionEndWatcher::SignalArrived);
    struct sigaction action {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSessionSignals) sigaction(signal, &action, nullptr);
#endif
}

SessionEndWatcher::~SessionEndWatcher() {
#ifdef Q_OS_UNIX
    if (sockets_[0] < 0) return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : kSessionSignals) sigaction(signal, &action, nullptr);
    signalSocket.store(-1);
    notifier_.reset();
    close(sockets_[0]);
    close(sockets_[1]);
#endif
}

void SessionEndWatcher::SignalArrived() {
#ifdef Q_OS_UNIX
    char bytes[16];
    while (read(sockets_[1], bytes, sizeof bytes) > 0) {
    }
#endif
    // A signal overtakes the window system's events: a window moved just
    // before it may not have been told so yet, and would be saved where it was.
    QGuiApplication::sync();
    endSession_();
}
