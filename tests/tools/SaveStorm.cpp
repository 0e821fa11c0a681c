// Saves both data files in the current directory over and over, each time
// with another content, until it is killed. The save storm test kills it at
// random moments and then reads what the files hold. The first argument
// is added to the count field of every save.

#include <QCoreApplication>
#include <QDir>

#include <cstdint>
#include <string>

#include "storage/DataFiles.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    DataDirectory folder(QDir::currentPath());
    // Each run numbers its saves from its own base, so that the test can tell
    // when this run has begun saving.
    const std::int32_t first = argc > 1 ? std::stoi(argv[1]) : 0;
    TrackerSettings settings;
    for (std::int32_t round = 0;; ++round) {
        settings.quitYear = 2000 + round % 100;
        settings.cigarettesPerDay = first + round % 100000;
        // Lines of very different lengths, so that a kill lands mid-write too.
        settings.blogUrl = std::string(static_cast<std::size_t>(round % 7) * 9000, 'a');
        settings.mainLeft = -round;
        // A save that fails (a full disk) is tried again with the next round.
        static_cast<void>(DataFiles::SaveProfile(settings, folder));
        static_cast<void>(DataFiles::SaveOptions(settings, folder));
    }
}
