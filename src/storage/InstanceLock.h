#pragma once
// Only one copy of the program runs for a user, and only one on a data
// folder: copies of one user started with and without XDG_RUNTIME_DIR (a
// terminal under su, a cron job), or two users sharing a folder, meet at the
// folder's lock.

#include <QLockFile>
#include <QString>

#include <memory>

class InstanceLock {
public:
    // False when a live copy holds this user's lock or the data folder's
    // (empty: a folder that is not used). The first claim that finds none
    // keeps both for this copy; later claims find this copy's own.
    bool Claim(const QString& dataFolder);

private:
    bool claimed_ = false;
    std::unique_ptr<QLockFile> userLock_;
    std::unique_ptr<QLockFile> dataFolderLock_;
};
