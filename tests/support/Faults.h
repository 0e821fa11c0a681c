#pragma once
// Faults a test can switch on for a while: a folder that nobody may write
// into, root included, and a full disk made by a file-size limit of 0.

#include <QDir>
#include <QFile>
#include <QProcess>

#include <sys/resource.h>

#include <csignal>

// No file can be created, removed, renamed or written in the folder: it and
// its files are immutable (chattr +i, which holds for root too) where the
// file system allows, else they lose their write permission. Holds() says
// whether either worked.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) {
        for (const QString& file : QDir(path).entryList(QDir::Files)) paths_ << path + QLatin1Char('/') + file;
        paths_ << path;
        immutable_ = QProcess::execute(QStringLiteral("chattr"), QStringList{QStringLiteral("+i")} + paths_) == 0;
        for (const QString& p : paths_) {
            permissions_ << QFile::permissions(p);
            if (!immutable_) QFile::setPermissions(p, permissions_.last() & ~QFileDevice::Permissions(0x2222));  // every Write flag
        }
        QFile probe(path + QStringLiteral("/.write-probe"));
        holds_ = !probe.open(QIODevice::WriteOnly);
        if (!holds_) probe.remove();
    }
    ~ReadOnlyFolder() {
        if (immutable_) QProcess::execute(QStringLiteral("chattr"), QStringList{QStringLiteral("-i")} + paths_);
        for (qsizetype i = 0; i < paths_.size(); ++i) QFile::setPermissions(paths_[i], permissions_[i]);
    }
    bool Holds() const { return holds_; }

private:
    QStringList paths_;  // the files, then the folder
    QList<QFileDevice::Permissions> permissions_;
    bool immutable_ = false, holds_ = false;
};

// No regular file of this process can grow: every write fails as on a full
// disk. The signal such a write raises is ignored, as the program's own platform does.
class FullDisk {
public:
    FullDisk() : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit none{0, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    void (*handler_)(int);
    rlimit previous_{};
};
