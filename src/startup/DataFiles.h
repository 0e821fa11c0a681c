#pragma once
// The two data files under "<basePath>/yorumadata": "initial.ini" holds the
// quit moment and the smoking profile (8 fields), "option.ini" everything
// else (15 fields). Each is one line of comma-separated fields ended by CR LF,
// numbers in decimal and texts between double quotes, in the system's
// multi-byte code page (Shift-JIS on a Japanese Windows). Files are always
// replaced whole, atomically.

#include <QString>

#include "engine/MomentParts.h"
#include "startup/TrackerSettings.h"

// A file's text in the system's code page when that code page can hold all
// of it, in UTF-8 otherwise (a Japanese status mode on a Western Windows),
// rather than losing characters to '?'.
QByteArray EncodeFileText(const QString& text);
// UTF-8 when the bytes are valid UTF-8, the system's code page otherwise, so
// that either kind of file reads back as written.
QString DecodeFileText(const QByteArray& bytes);

QString DataFolderPath(const QString& basePath);
QString ProfileFilePath(const QString& basePath);
QString OptionsFilePath(const QString& basePath);

// The file lines, as written (without encoding).
QString ProfileLine(const TrackerSettings& settings);
QString OptionsLine(const TrackerSettings& settings);

// What a load found. Fields before a failure are taken into the record;
// the fields from the failure on keep their values.
enum class LoadResult {
    Complete,     // every field read
    Incomplete,   // opened, but a field could not be read
    NotOpened,    // missing or unreadable file
};

LoadResult LoadProfile(TrackerSettings& settings, const QString& basePath);
LoadResult LoadOptions(TrackerSettings& settings, const QString& basePath);

// Return false when the file could not be written; the old file is then untouched.
bool SaveProfile(const TrackerSettings& settings, const QString& basePath);
bool SaveOptions(const TrackerSettings& settings, const QString& basePath);

// The quit moment becomes now; 20 a day, 300 yen, standard size.
void SetProfileDefaults(TrackerSettings& settings, const MomentParts& now);
void SetOptionDefaults(TrackerSettings& settings);
