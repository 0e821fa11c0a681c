#pragma once
// The two data files under "<basePath>/yorumadata": "initial.ini" holds the
// quit moment and the smoking profile (8 fields), "option.ini" everything
// else (15 fields). Each is one line of comma-separated fields ended by CR LF,
// numbers in decimal and texts between double quotes, in the system's
// multi-byte code page (Shift-JIS on a Japanese Windows). Files are always
// replaced whole, atomically.

#include <QString>

#include "engine/MomentParts.h"
#include "engine/TrackerSettings.h"

// An empty basePath (the current directory was removed) names no folder:
// nothing is read or written.
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
    NotOpened,    // no such file
    Unreadable,   // there, but not a regular file, not readable, or in no known encoding
    Refused,      // another user's, or a link out of the data folder: never used
};

LoadResult LoadProfile(TrackerSettings& settings, const QString& basePath);
LoadResult LoadOptions(TrackerSettings& settings, const QString& basePath);

// False where a save must not replace the file: it is another user's, a link
// out of the data folder, or a file that cannot be read (what it holds would
// be lost unseen). A missing file may be made.
bool MayReplaceProfile(const QString& basePath);
bool MayReplaceOptions(const QString& basePath);

// Return false when the file could not be written, or may not be replaced; the
// old file is then untouched. Where no temporary file can be made beside it (a
// folder the user may not write, holding files the user may), the file is
// written in place.
bool SaveProfile(const TrackerSettings& settings, const QString& basePath);
bool SaveOptions(const TrackerSettings& settings, const QString& basePath);

// Removes what saves of an earlier copy, killed while saving, left in the
// data folder. Only for the copy that owns the folder.
void RemoveInterruptedSaves(const QString& basePath);

// The quit moment becomes now; 20 a day, 300 yen, standard size.
void SetProfileDefaults(TrackerSettings& settings, const MomentParts& now);
void SetOptionDefaults(TrackerSettings& settings);
