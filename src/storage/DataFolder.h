#pragma once
// The data folder "yorumadata" under the directory the program was started
// from, and what this run may do with its two files. A folder or file that is
// another user's, or a link out of the folder, is never used; a file that is
// there but cannot be read is never written over (what it holds would be
// replaced by defaults unseen) until a later load reads it.

#include <QString>

#include "engine/MomentParts.h"
#include "engine/TrackerSettings.h"

class DataFolder {
public:
    // Takes the process's current directory as the base and makes the folder
    // there when it is missing.
    void Open();

    // The folder's path; empty when there is none to use (the current
    // directory was removed, or the folder is another user's).
    QString Path() const;

    // The start: the profile is tested (the default profile, with now as the
    // quit moment, is written when there is none) and the options are loaded,
    // with the defaults where they cannot be read. True when the folder or a
    // file may not be used, so that the user is told.
    bool LoadAtStart(TrackerSettings& settings, const MomentParts& now);

    // Reads both files again; a field that cannot be read keeps its value.
    // True when "option.ini" was read whole.
    bool Load(TrackerSettings& settings);

    // Both files, or neither where either may not be replaced.
    bool SaveBoth(const TrackerSettings& settings);
    bool SaveOptions(const TrackerSettings& settings);

    // What saves of an earlier copy, killed while saving, left in the folder.
    // Only for the copy that owns the folder.
    void RemoveInterruptedSaves();

private:
    bool SaveProfileFile(const TrackerSettings& settings);

    QString basePath_;
    bool refused_ = true;
    bool profileKept_ = false;
    bool optionsKept_ = false;
};
