#pragma once
// A fresh directory for one test, to start the program from (its base path),
// with helpers to read and write the data files as raw bytes or as the text
// they hold (in the encoding the program uses on this system: Shift-JIS on a
// Japanese Windows).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <string>

#include "storage/DataFiles.h"
#include "storage/FileText.h"
#include "support/Printers.h"

// The files of a tracker started on 5 October 2008 at 09:00.
inline const QByteArray kStartedProfile = "2008,10,5,9,0,20,300,85\r\n";
inline const QByteArray kStartedOptions = "1,8744,5,1,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"ソルジャー\"\r\n";

class ScratchDirectory {
public:
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
    // A data file as golden tables write it: "-" for none, "\r\n" for a line end.
    void WriteAsTabled(const char* name, const std::string& tabled) const {
        if (tabled != "-") WriteText(name, QString::fromStdString(tabled).replace("\\r\\n", "\r\n"));
    }
    std::string ReadAsTabled(const char* name) const {
        if (!QFile::exists(DataFile(name))) return "-";
        return ReadText(name).replace("\r\n", "\\r\\n").toStdString();
    }
    void WriteStartedTracker() const {
        Write("initial.ini", kStartedProfile);
        Write("option.ini", kStartedOptions);
    }

private:
    QTemporaryDir dir_;
};

// The first line of a data file the save program writes is whole: its fields
// all there, ended by CR LF. (A rest of an older line may follow: it is never read.)
inline bool HoldsAWholeLine(const ScratchDirectory& scratch, const char* name) {
    static const QRegularExpression kWhole(
        QStringLiteral("^(-?\\d+(,-?\\d+){7}|(-?\\d+,){10}\"a*\",(-?\\d+,){3}\"ソルジャー\")\r\n"));
    return kWhole.match(scratch.ReadText(name)).hasMatch();
}
