#pragma once
// A lock file (Windows): QLockFile records the holder's process id and keeps
// a native lock on the file while the holder runs, so that the lock of a copy
// that crashed or was killed is found stale and taken over.

#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

#include "storage/DataDirectory.h"

// Takes the lock at path; null when it cannot be taken, and then *holder
// names the live copy that has it. A lock that cannot be taken for any other
// reason (a folder the user may not write) is no copy: it must not lock the
// user out.
std::unique_ptr<QLockFile> TakeLockFile(const QString& path, std::optional<LockHolder>& holder);
