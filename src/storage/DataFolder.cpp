#include "storage/DataFolder.h"

#include "storage/DataFiles.h"

namespace {

// A file that is there but may not be used: never written over this run,
// until a later load reads it.
bool MustBeKept(LoadResult result) { return result == LoadResult::Unreadable || result == LoadResult::Refused; }

}  // namespace

void DataFolder::Open() {
    // An empty path (the current directory was removed) opens no folder, and
    // nothing is written anywhere.
    directory_ = DataDirectory(CurrentDirectoryPath());
    if (DataFilesAreOneFile(directory_)) directory_ = DataDirectory();
}

bool DataFolder::LoadAtStart(TrackerSettings& settings, const MomentParts& now) {
    const bool refused = !directory_.IsOpen();
    // The profile is only tested here; it is read with the options when the
    // display windows load.
    TrackerSettings tested = settings;
    const LoadResult profile = LoadProfile(tested, directory_);
    profileKept_ = MustBeKept(profile);
    if (profile == LoadResult::NotOpened || profileKept_) SetProfileDefaults(settings, now);
    if (profile == LoadResult::NotOpened) ::SaveProfile(settings, directory_);

    TrackerSettings read = settings;
    // A file that says nothing of the set-up counts as started.
    read.setupDone = 1;
    const LoadResult options = LoadOptions(read, directory_);
    optionsKept_ = MustBeKept(options);
    if (options == LoadResult::Complete) {
        settings = read;
        return refused || profileKept_;
    }
    SetOptionDefaults(settings);
    if (options == LoadResult::NotOpened) {
        ::SaveOptions(settings, directory_);
        return refused || profileKept_;
    }
    // Cut by a crash or damaged beside a recorded quit moment: the program
    // runs from that moment and writes a whole file at its next save. Only
    // the program's own first file, which says that nothing was started yet,
    // leads to the first run.
    const bool recorded = profile == LoadResult::Complete && read.setupDone != 0;
    if (recorded) settings.setupDone = 1;
    return refused || profileKept_ || optionsKept_ || recorded;
}

bool DataFolder::Load(TrackerSettings& settings) {
    if (!directory_.IsOpen()) return false;
    profileKept_ = MustBeKept(LoadProfile(settings, directory_));
    const LoadResult options = LoadOptions(settings, directory_);
    optionsKept_ = MustBeKept(options);
    return options == LoadResult::Complete;
}

bool DataFolder::SaveOptions(const TrackerSettings& settings) {
    return !optionsKept_ && ::SaveOptions(settings, directory_);
}

bool DataFolder::SaveBoth(const TrackerSettings& settings) {
    return !profileKept_ && !optionsKept_ && SaveProfileAndOptions(settings, directory_);
}

void DataFolder::RemoveInterruptedSaves() { ::RemoveInterruptedSaves(directory_); }
