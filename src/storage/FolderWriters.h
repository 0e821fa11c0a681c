#pragma once
// Who besides the user may change what a folder holds (POSIX): its owner,
// when that is someone else; every user, when others may write it; the users
// of its group, when the group may write it and holds anyone but the user.
// Debian gives every user a group of their own, so a folder of mode 775 in
// that group, usual under umask 002, is no one else's.

#include <sys/stat.h>

#include <optional>

#include "storage/DataDirectory.h"

// A start folder only has to keep the one entry of the user's, the data
// folder: one of root's (root may change anything anyway) does, and so does a
// sticky one (like /tmp), where nobody else may remove or replace that entry.
std::optional<OtherWriter> OtherWriterOf(const struct stat& folder, bool startFolder);
