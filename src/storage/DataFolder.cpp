#include "storage/DataFolder.h"

#include "storage/DataFiles.h"

using DataFiles::LoadResult;

namespace {

// A file that is there but may not be used: never written over this run,
// until a later load reads it.
bool MustBeKept(LoadResult result) { return result == LoadResult::Unreadable || result == LoadResult::Refused; }

}  // namespace

void DataFolder::Open(const QString& basePath) {
    directory_ = DataDirectory(basePath);
    if (DataFiles::AreOneFile(directory_)) directory_ = DataDirectory();
}

bool DataFolder::LoadAtStart(TrackerSettings& settings, const MomentParts& now) {
    const bool refused = !directory_.IsOpen();
    // The profile is only tested here; it is read with the options when the
    // display windows load.
    TrackerSettings tested = settings;
    const LoadResult profile = DataFiles::LoadProfile(tested, directory_);
    profileKept_ = MustBeKept(profile);
    if (profile == LoadResult::NotOpened || profileKept_) DataFiles::SetProfileDefaults(settings, now);
    // The first files: a folder that takes no file at all says so at the
    // first save the user makes.
    if (profile == LoadResult::NotOpened) static_cast<void>(DataFiles::SaveProfile(settings, directory_));

    TrackerSettings read = settings;
    // A file that says nothing of the set-up counts as started.
    read.setupDone = 1;
    const LoadResult options = DataFiles::LoadOptions(read, directory_);
    optionsKept_ = MustBeKept(options);
    if (options == LoadResult::Complete) {
        settings = read;
        return !refused && !profileKept_;
    }
    DataFiles::SetOptionDefaults(settings);
    if (options == LoadResult::NotOpened) {
        static_cast<void>(DataFiles::SaveOptions(settings, directory_));
        return !refused && !profileKept_;
    }
    // Cut by a crash or damaged beside a recorded quit moment: the program
    // runs from that moment and writes a whole file at its next save. Only
    // the program's own first file, which says that nothing was started yet,
    // leads to the first run.
    const bool recorded = profile == LoadResult::Complete && read.setupDone != 0;
    if (recorded) settings.setupDone = 1;
    return !refused && !profileKept_ && !optionsKept_ && !recorded;
}

bool DataFolder::Load(TrackerSettings& settings) {
    if (!directory_.IsOpen()) return false;
    profileKept_ = MustBeKept(DataFiles::LoadProfile(settings, directory_));
    const LoadResult options = DataFiles::LoadOptions(settings, directory_);
    optionsKept_ = MustBeKept(options);
    return options == LoadResult::Complete;
}

bool DataFolder::SaveOptions(const TrackerSettings& settings) {
    return !optionsKept_ && DataFiles::SaveOptions(settings, directory_);
}

bool DataFolder::SaveBoth(const TrackerSettings& settings) {
    return !profileKept_ && !optionsKept_ && DataFiles::SaveProfileAndOptions(settings, directory_);
}

bool DataFolder::LoadNoticesOn() const { return DataFiles::LoadNoticesOn(directory_); }

bool DataFolder::SaveNoticesOn(bool on) { return DataFiles::SaveNoticesOn(on, directory_); }

void DataFolder::RemoveInterruptedSaves() { DataFiles::RemoveInterruptedSaves(directory_); }
