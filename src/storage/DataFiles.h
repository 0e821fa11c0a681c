#pragma once
// The data files under "<basePath>/yorumadata": "initial.ini" holds the
// quit moment and the smoking profile (8 fields), "option.ini" everything
// else (15 fields), "notice.ini" whether passed milestones are told (1 or 0). Each is one line of comma-separated
// fields ended by CR LF, numbers in decimal and texts between double quotes, in the system's multi-byte code page
// (Shift-JIS on a Japanese Windows). Files are always replaced whole, through the open data folder (DataDirectory).

#include <QString>

#include "engine/MomentParts.h"
#include "engine/TrackerSettings.h"
#include "storage/DataDirectory.h"

namespace DataFiles {

QString ProfileFilePath(const QString& basePath);
QString OptionsFilePath(const QString& basePath);

// The file lines, as written (without encoding).
QString ProfileLine(const TrackerSettings& settings);
QString OptionsLine(const TrackerSettings& settings);

// What a load found. Fields before a failure are taken into the record;
// the fields from the failure on keep their values.
enum class LoadResult {
    Complete,    // every field read
    Incomplete,  // opened, but a field could not be read
    NotOpened,   // no such file
    Unreadable,  // there, but not a regular file, not readable, or in no known encoding
    Refused,     // another user's, a link out of the data folder, or no data folder to use
};

[[nodiscard]] LoadResult LoadProfile(TrackerSettings& settings, const DataDirectory& folder);
[[nodiscard]] LoadResult LoadOptions(TrackerSettings& settings, const DataDirectory& folder);

// Return false when the file could not be written, or may not be replaced:
// it is another user's, a link out of the data folder, or a file that cannot
// be read (what it holds would be lost unseen). The old file is then
// untouched. A missing file is made.
[[nodiscard]] bool SaveProfile(const TrackerSettings& settings, DataDirectory& folder);
[[nodiscard]] bool SaveOptions(const TrackerSettings& settings, DataDirectory& folder);
// Whether passed milestones are told: on unless "notice.ini" says 0. A file
// that is one with another data file is neither read nor written.
[[nodiscard]] bool LoadNoticesOn(const DataDirectory& folder);
[[nodiscard]] bool SaveNoticesOn(bool on, DataDirectory& folder);
// Both files or neither: when "option.ini" cannot be replaced, "initial.ini"
// is put back as it was.
[[nodiscard]] bool SaveProfileAndOptions(const TrackerSettings& settings, DataDirectory& folder);

// True when "initial.ini" and "option.ini" are one file under two names (a
// link of the user's between them): each would be read as the other, and a
// save of either would write over both.
[[nodiscard]] bool AreOneFile(const DataDirectory& folder);

// Removes what saves of an earlier copy, killed while saving, left in the
// data folder. Only for the copy that owns the folder.
void RemoveInterruptedSaves(DataDirectory& folder);

// The quit moment becomes now; 20 a day, 300 yen, standard size.
void SetProfileDefaults(TrackerSettings& settings, const MomentParts& now);
void SetOptionDefaults(TrackerSettings& settings);

}  // namespace DataFiles
