#pragma once
// Locks the kernel holds for this process (flock, POSIX). They go with the
// process however it ends, so none is ever stale, none needs a file the
// program may not be able to make, and no file of any kind can fake one.

#include <optional>

#include "storage/DataDirectory.h"

// Takes an exclusive lock on the open file or folder for as long as the
// descriptor stays open; the holder when another process has it. Where the
// file system has no such locks (some network folders) nobody holds one.
std::optional<LockHolder> TakeKernelLock(int descriptor);
