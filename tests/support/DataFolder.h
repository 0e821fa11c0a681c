#pragma once
// A fresh current directory for one test, with helpers to read and write the
// data files as raw bytes.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class ScratchDirectory {
public:
    ScratchDirectory() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~ScratchDirectory() { QDir::setCurrent(previous_); }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    QString Path() const { return dir_.path(); }
    QString DataFile(const char* name) const { return dir_.path() + "/yorumadata/" + name; }

    QByteArray Read(const char* name) const {
        QFile file(DataFile(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void Write(const char* name, const QByteArray& bytes) const {
        QDir(dir_.path()).mkpath("yorumadata");
        QFile file(DataFile(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};
