#pragma once
// Faults a test can switch on for a while: a folder that nobody may write
// into, root included, and a full disk made by a file-size limit of 0.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include <sys/resource.h>

#include <csignal>

// While it lives, no file can be created, removed, renamed or written in the
// folder: the folder and its files are immutable (chattr +i) where the file
// system and the rights allow it, so that it holds for root too; otherwise
// they lose their write permission. Holds() tells whether either worked.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString path) : path_(std::move(path)) {
        for (const QString& file : QDir(path_).entryList(QDir::Files)) paths_ << path_ + QLatin1Char('/') + file;
        paths_ << path_;
        immutable_ = QProcess::execute(QStringLiteral("chattr"), QStringList{QStringLiteral("+i")} + paths_) == 0;
        const QFileDevice::Permissions writing =
            QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        for (const QString& p : paths_) {
            permissions_ << QFile::permissions(p);
            if (!immutable_) QFile::setPermissions(p, permissions_.last() & ~writing);
        }
        QFile probe(path_ + QStringLiteral("/.write-probe"));
        holds_ = !probe.open(QIODevice::WriteOnly);
        if (!holds_) probe.remove();
    }
    ~ReadOnlyFolder() {
        if (immutable_) QProcess::execute(QStringLiteral("chattr"), QStringList{QStringLiteral("-i")} + paths_);
        for (qsizetype i = 0; i < paths_.size(); ++i) QFile::setPermissions(paths_[i], permissions_[i]);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool Holds() const { return holds_; }

private:
    QString path_;
    QStringList paths_;  // the files, then the folder
    bool immutable_ = false;
    bool holds_ = false;
    QList<QFileDevice::Permissions> permissions_;
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
