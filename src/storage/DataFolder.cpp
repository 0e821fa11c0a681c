#include "storage/DataFolder.h"

#include <QDir>

#include "storage/DataFiles.h"
#include "storage/FileSafety.h"

namespace {

// A file that is there but may not be used: never written over this run,
// until a later load reads it.
bool MustBeKept(LoadResult result) { return result == LoadResult::Unreadable || result == LoadResult::Refused; }

}  // namespace

void DataFolder::Open() {
    // Empty when the current directory has been removed: then there is no
    // folder to use, and nothing is written anywhere.
    basePath_ = CurrentDirectoryPath();
    // Already there, or impossible to make: either way the file steps decide.
    if (!basePath_.isEmpty()) QDir(basePath_).mkdir(QStringLiteral("yorumadata"));
    refused_ = basePath_.isEmpty() || DataFolderRefused(DataFolderPath(basePath_));
}

QString DataFolder::Path() const { return refused_ ? QString() : DataFolderPath(basePath_); }

bool DataFolder::LoadAtStart(TrackerSettings& settings, const MomentParts& now) {
    // The profile is only tested here; it is read with the options when the
    // display windows load.
    TrackerSettings tested = settings;
    const LoadResult profile = refused_ ? LoadResult::Refused : LoadProfile(tested, basePath_);
    profileKept_ = MustBeKept(profile);
    if (profile == LoadResult::NotOpened || profileKept_) SetProfileDefaults(settings, now);
    if (profile == LoadResult::NotOpened) SaveProfile(settings, basePath_);

    const LoadResult options = refused_ ? LoadResult::Refused : LoadOptions(settings, basePath_);
    optionsKept_ = MustBeKept(options);
    if (options != LoadResult::Complete) {
        // A short or damaged file counts as no set-up at all; it keeps its
        // content until the next save (an unreadable one for good).
        SetOptionDefaults(settings);
        if (options == LoadResult::NotOpened) SaveOptions(settings);
    }
    return refused_ || profileKept_ || optionsKept_;
}

bool DataFolder::Load(TrackerSettings& settings) {
    if (refused_) return false;
    profileKept_ = MustBeKept(LoadProfile(settings, basePath_));
    const LoadResult options = LoadOptions(settings, basePath_);
    optionsKept_ = MustBeKept(options);
    return options == LoadResult::Complete;
}

bool DataFolder::SaveProfileFile(const TrackerSettings& settings) {
    return !refused_ && !profileKept_ && SaveProfile(settings, basePath_);
}

bool DataFolder::SaveOptions(const TrackerSettings& settings) {
    return !refused_ && !optionsKept_ && ::SaveOptions(settings, basePath_);
}

bool DataFolder::SaveBoth(const TrackerSettings& settings) {
    // Both checked first, so that a refusal leaves both files as they were.
    return !refused_ && !profileKept_ && !optionsKept_ && MayReplaceProfile(basePath_) &&
           MayReplaceOptions(basePath_) && SaveProfileFile(settings) && SaveOptions(settings);
}

void DataFolder::RemoveInterruptedSaves() {
    if (!refused_) ::RemoveInterruptedSaves(basePath_);
}
