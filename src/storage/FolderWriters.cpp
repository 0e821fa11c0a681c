#include "storage/FolderWriters.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <cstring>

namespace {

QString UserName(uid_t user) {
    const passwd* entry = getpwuid(user);
    return entry != nullptr ? QString::fromLocal8Bit(entry->pw_name) : QString::number(user);
}

QString GroupName(gid_t group) {
    const struct group* entry = getgrgid(group);
    return entry != nullptr ? QString::fromLocal8Bit(entry->gr_name) : QString::number(group);
}

// A group unknown to the system may be anyone's: it holds others too.
bool GroupHoldsOnlyTheUser(gid_t group) {
    const uid_t user = geteuid();
    const passwd* self = getpwuid(user);
    const struct group* entry = getgrgid(group);
    if (self == nullptr || entry == nullptr) return false;
    for (char** member = entry->gr_mem; *member != nullptr; ++member) {
        if (std::strcmp(*member, self->pw_name) != 0) return false;
    }
    bool alone = true;
    setpwent();
    while (const passwd* other = getpwent()) {
        if (other->pw_gid == group && other->pw_uid != user) alone = false;
    }
    endpwent();
    return alone;
}

}  // namespace

std::optional<OtherWriter> OtherWriterOf(const struct stat& folder, bool startFolder) {
    const bool trustedOwner = folder.st_uid == geteuid() || (startFolder && folder.st_uid == 0);
    if (!trustedOwner) return OtherWriter{OtherWriter::Kind::Owner, UserName(folder.st_uid)};
    if (startFolder && (folder.st_mode & S_ISVTX) != 0) return std::nullopt;
    if ((folder.st_mode & S_IWOTH) != 0) return OtherWriter{OtherWriter::Kind::EveryUser, {}};
    if ((folder.st_mode & S_IWGRP) != 0 && !GroupHoldsOnlyTheUser(folder.st_gid)) {
        return OtherWriter{OtherWriter::Kind::Group, GroupName(folder.st_gid)};
    }
    return std::nullopt;
}
