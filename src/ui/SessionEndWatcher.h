#pragma once
// Tells the program that its session ends while it runs at rest: the desktop
// logs out (Qt's commitDataRequest, also Windows' log-off message), or
// SIGTERM, SIGINT or SIGHUP arrives (the session's end, kill, Ctrl+C, a
// closed terminal). A signal only writes a byte into a socket; the program
// acts on it from its event loop, where a window may be unloaded safely.

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

class SessionEndWatcher : public QObject {
    Q_OBJECT
public:
    explicit SessionEndWatcher(std::function<void()> endSession);
    ~SessionEndWatcher() override;
    SessionEndWatcher(const SessionEndWatcher&) = delete;
    SessionEndWatcher& operator=(const SessionEndWatcher&) = delete;

private:
    void SignalArrived();

    std::function<void()> endSession_;
    std::unique_ptr<QSocketNotifier> notifier_;
    int sockets_[2] = {-1, -1};  // [0] written by the signal handler, [1] read here
};
