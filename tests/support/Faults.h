#pragma once
// Faults a test can switch on for a while: a folder that nobody may write
// into, root included, and a full disk made by a file-size limit of 0.

#include <QFile>
#include <QProcess>
#include <QString>

#include <sys/resource.h>

#include <csignal>

// While it lives, no file can be created, removed or renamed in the folder.
// An immutable folder (chattr +i) where the file system and the rights allow
// it, so that it holds for root too; otherwise a folder without write
// permission. Holds() tells whether either worked.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString path) : path_(std::move(path)) {
        immutable_ = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path_}) == 0;
        if (!immutable_) {
            permissions_ = QFile::permissions(path_);
            QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        QFile probe(path_ + QStringLiteral("/.write-probe"));
        holds_ = !probe.open(QIODevice::WriteOnly);
        if (!holds_) probe.remove();
    }
    ~ReadOnlyFolder() {
        if (immutable_) QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
        else QFile::setPermissions(path_, permissions_);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool Holds() const { return holds_; }

private:
    QString path_;
    bool immutable_ = false;
    bool holds_ = false;
    QFileDevice::Permissions permissions_;
};

// While it lives, no regular file of this process can grow: every write
// fails as on a full disk. The signal such a write raises is ignored, as the
// program's own platform does.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = previous_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};
