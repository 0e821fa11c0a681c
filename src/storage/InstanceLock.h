#pragma once
// Only one copy of the program runs for a user, and only one on a data
// folder: copies of one user started with and without XDG_RUNTIME_DIR (a
// terminal under su, a cron job) meet at the data folder's lock.

#include <memory>
#include <optional>

#include "storage/DataDirectory.h"

class InstanceLock {
public:
    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // The copy that holds this user's lock or the data folder's (a closed
    // folder has none); nothing when neither is held, and from then on this
    // copy holds both until it ends. Later claims find this copy's own.
    [[nodiscard]] std::optional<LockHolder> Claim(DataDirectory& dataFolder);

private:
    struct UserLock;
    std::unique_ptr<UserLock> userLock_;
};
