// The data folder as an attacker and an unlucky user leave it: other users'
// folders, files and links, FIFOs, unreadable files, leftovers of a killed
// save (the cases stand in tests/golden/storage/DataFolderSafety.txt). What
// may not be used is refused with the one message and left exactly as it
// was; the user's own things work.

#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QSet>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/Messages.h"
#include "support/GoldenTable.h"
#include "support/Program.h"
#include "support/ScratchDirectory.h"
#include "support/WidgetFinders.h"

namespace {

// A place to start the program from, shared like /tmp (sticky, anyone may
// write), with a home of the user's beside it. What a case plants there is
// made by shell commands run in it: "tracker" makes the user's data folder
// with a started tracker's profile, "options" adds its options, and
// $STRANGER is another user's number (only root can make their files).
struct Sandbox {
    explicit Sandbox(const QString& commands) {
        QDir(dir.path()).mkdir("shared");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PROFILE", kStartedProfile);
        environment.insert("OPTIONS", QString::fromUtf8(kStartedOptions));
        environment.insert("STRANGER", "4242");
        QProcess shell;
        shell.setProcessEnvironment(environment);
        shell.setWorkingDirectory(root);
        const QString functions =
            "tracker() { mkdir yorumadata; printf %s \"$PROFILE\" >yorumadata/initial.ini; }; "
            "options() { printf %s \"$OPTIONS\" >yorumadata/option.ini; }; ";
        shell.start("sh", {"-ec", "umask 022; chmod 755 ..; chmod 1777 .; mkdir home; " + functions + commands});
        planted = shell.waitForFinished() && shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0;
    }
    ~Sandbox() {  // a folder without write permission could not be cleared away
        QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) chmod(QFile::encodeName(it.next()).constData(), 0755);
    }
    QTemporaryDir dir;
    QString root = dir.path() + "/shared";
    bool planted = false;
};

// Every entry with its kind, owner, mode, inode, size, link target and content.
QMap<QString, QString> Snapshot(const QString& root) {
    QMap<QString, QString> entries;
    const auto filter = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    QDirIterator it(root, filter, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat s {};
        lstat(QFile::encodeName(path).constData(), &s);
        QString entry = QStringLiteral("%1 %2 %3 %4 ").arg(s.st_mode, 0, 8).arg(s.st_uid).arg(s.st_ino).arg(s.st_size);
        QFile file(path);
        if (S_ISREG(s.st_mode) && file.open(QIODevice::ReadOnly)) entry += QString::fromUtf8(file.readAll());
        entries.insert(path.mid(root.size() + 1), entry + QFileInfo(path).symLinkTarget());
    }
    return entries;
}

// Starts the program in each planted folder as whoever runs the tests, closes
// the window it shows and tells what changed.
TEST(DataFolderSafety, UsesOnlyWhatIsTheUsersOwn) {
    CheckGoldenTable("storage/DataFolderSafety.txt", [](const GoldenRow& row) {
        const bool root = geteuid() == 0;
        if (row.Text("runsAs") == "root" && !root) throw GoldenRowSkipped("another user's files need root");
        if (row.Text("runsAs") == "notRoot" && root) throw GoldenRowSkipped("root may read and write anything");
        const Sandbox sandbox(QString::fromStdString(row.Text("planted")));
        EXPECT_TRUE(sandbox.planted);
        const QMap<QString, QString> before = Snapshot(sandbox.root);
        Program program{sandbox.root};
        program.app.StartUp();
        QString window;
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (shown->isVisible()) window = shown->objectName();
        }
        if (QWidget* shown = VisibleWindow(window.toUtf8().constData())) {
            shown->move(300, 200);
            shown->close();
        }
        ProcessDeletions();
        QStringList messages;
        for (QString message : program.platform.messages) {
            message = message.mid(kDataFolderMessage.size()).replace(sandbox.root, "%1");
            messages << (message.isEmpty() ? QStringLiteral("-") : message.mid(2));
        }
        const QMap<QString, QString> after = Snapshot(sandbox.root);
        QStringList changed;
        for (const QString& entry :
             QSet<QString>(before.keyBegin(), before.keyEnd()) | QSet<QString>(after.keyBegin(), after.keyEnd())) {
            if (before.value(entry, "none") != after.value(entry, "none")) changed << entry;
        }
        changed.sort();
        return Results(window.toStdString(), messages.join(" / ").toStdString(), changed.join(' ').toStdString());
    });
}

// A directory removed while the program is started from it has no path: no
// data folder is used, and "/yorumadata" is not its folder.
TEST(StartPlace, ARemovedStartDirectory) {
    ScratchDirectory scratch;
    const QString gone = scratch.Path() + "/gone";
    ASSERT_TRUE(QDir(scratch.Path()).mkdir("gone"));
    // In a process of its own, so that this one's current directory stays.
    const auto startInGone = [&gone] {
        const bool removed = QDir::setCurrent(gone) && QDir().rmdir(gone);
        std::_Exit(removed && CurrentDirectoryPath().isEmpty() ? 0 : 1);
    };
    EXPECT_EXIT(startInGone(), ::testing::ExitedWithCode(0), "");
    const bool before = QFileInfo::exists("/yorumadata");
    Program removed{QString()};
    removed.app.StartUp();
    EXPECT_NE(VisibleWindow("profileWindow"), nullptr);
    EXPECT_EQ(QFileInfo::exists("/yorumadata"), before) << "wrote into /yorumadata";
    EXPECT_EQ(removed.platform.messages, QStringList{kDataFolderMessage});
    ProcessDeletions();
}

// Whoever may write the folder (here another process of the user's) swaps a
// link to a file outside for "option.ini" and back, again and again, planting
// it anew where a save replaced it, while the windows' places are saved: no
// save writes through the link.
TEST(DataFolderRace, NoSaveWritesThroughALinkSwappedIn) {
    ScratchDirectory scratch;
    scratch.WriteStartedTracker();
    scratch.Write("../important.txt", "mine\n");
    const QByteArray folder = QFile::encodeName(scratch.Path() + "/yorumadata");
    Program program{scratch.Path()};
    program.app.StartUp();
    QWidget* main = VisibleWindow("mainWindow");
    ASSERT_NE(main, nullptr);
    std::atomic<bool> saving = true;
    std::thread swapper([&] {
        const int dir = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        while (saving) {
            unlinkat(dir, "evil", 0);
            symlinkat("../important.txt", dir, "evil");
            for (int swap = 0; swap < 2; ++swap) {
                renameat2(dir, "evil", dir, "option.ini", RENAME_EXCHANGE);
                std::this_thread::sleep_for(std::chrono::microseconds(20));
            }
        }
        close(dir);
    });
    for (int save = 1; save <= 200; ++save) {
        main->move(save, 100);
        program.app.KeepPlaces();
    }
    saving = false;
    swapper.join();
    EXPECT_EQ(scratch.Read("../important.txt"), "mine\n");
    ProcessDeletions();
}

}  // namespace
