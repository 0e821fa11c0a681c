#pragma once
// A fresh current directory for one test, with helpers to read and write the
// data files as raw bytes or as the text they hold (in the encoding the
// program uses on this system: Shift-JIS on a Japanese Windows).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "storage/DataFiles.h"
#include "storage/FileText.h"

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
    QString ReadText(const char* name) const { return DecodeFileText(Read(name)); }
    void WriteText(const char* name, const QString& text) const { Write(name, EncodeFileText(text)); }
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
