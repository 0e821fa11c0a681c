#pragma once
// The data folder "yorumadata" under the directory the program was started
// from (the base path), and what this run may do with its files. A folder someone else
// may change, a file that is another user's, or a link out of the folder is
// never used; a file that is there but cannot be read is never written over
// (what it holds would be replaced by defaults unseen) until a later load
// reads it.

#include <optional>

#include "engine/MomentParts.h"
#include "engine/TrackerSettings.h"
#include "storage/DataDirectory.h"

class DataFolder {
public:
    // Opens the folder under basePath, making it when it is missing. An empty
    // base path (the directory the program was started from has been
    // removed) opens no folder, and nothing is written anywhere.
    void Open(const QString& basePath);

    // The open folder, closed where it is not used (no base path, someone
    // else may change it, or its two files are one).
    DataDirectory& Directory() { return directory_; }
    // Why the folder is not used, when someone else may change it.
    const std::optional<UnsafeFolder>& Unsafe() const { return directory_.Unsafe(); }

    // The start: the profile is tested (the default profile, with now as the
    // quit moment, is written when there is none) and the options are loaded,
    // with the defaults where they cannot be read. An "option.ini" that is
    // there but cannot be read whole never costs a recorded quit moment: the
    // program runs from it as started. True when both files were read whole
    // (or made afresh, on a first start); false when the folder or a file may
    // not be used or could not be read whole, so that the user is told.
    [[nodiscard]] bool LoadAtStart(TrackerSettings& settings, const MomentParts& now);

    // Reads both files again; a field that cannot be read keeps its value.
    // True when "option.ini" was read whole.
    [[nodiscard]] bool Load(TrackerSettings& settings);

    // Both files, or neither where either may not be replaced or the second
    // could not be. True when saved.
    [[nodiscard]] bool SaveBoth(const TrackerSettings& settings);
    [[nodiscard]] bool SaveOptions(const TrackerSettings& settings);

    // Whether passed milestones are told ("notice.ini"): on unless it says 0.
    [[nodiscard]] bool LoadNoticesOn() const;
    [[nodiscard]] bool SaveNoticesOn(bool on);

    // What saves of an earlier copy, killed while saving, left in the folder.
    // Only for the copy that owns the folder.
    void RemoveInterruptedSaves();

private:
    DataDirectory directory_;
    bool profileKept_ = false;
    bool optionsKept_ = false;
};
