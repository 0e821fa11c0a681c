// The data folder as an attacker and an unlucky user leave it: other users'
// folders, files and links, FIFOs, unreadable files, files of the Windows
// program, leftovers of a killed save. What may not be used is refused with
// the one message and left exactly as it was; the user's own things work.

#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QProcess>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/Messages.h"
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

// Root may read and write whatever it likes, and only root can make another
// user's files and groups.
enum class RunsAs { Anyone, NotRoot, Root };

struct SafetyCase {
    const char* name;
    const char* planted;  // shell commands
    RunsAs runsAs = RunsAs::Anyone;
    const char* window;  // shown after the start
    // The data-folder message each time it is shown: kPlain, or the line
    // after it naming who else may write the folder (%1: the start folder).
    std::vector<const char*> messages{};
    std::vector<const char*> changed{};  // what the close changes (or removes); nothing else may change
};

void PrintTo(const SafetyCase& c, std::ostream* os) { *os << c.name << ", planted by: " << c.planted; }

const char* const kPlain = "";
const char* const kStrangersFolder =
    "「%1/yorumadata」はほかのユーザー（4242）のものです。自分のフォルダから起動してください";

const SafetyCase kCases[] = {
    {.name = "AStrangersFolderLinkingOut",
     .planted =
         "mkdir yorumadata; ln -s ../home/secret.ini yorumadata/initial.ini; chown -hR $STRANGER:$STRANGER yorumadata",
     .runsAs = RunsAs::Root,
     .window = "profileWindow",
     .messages = {kStrangersFolder}},
    {.name = "AStrangersLinkAsTheFolder",
     .planted = "mkdir home/data; printf %s \"$PROFILE\" >home/data/initial.ini; ln -s home/data yorumadata; "
                "chown -h $STRANGER:$STRANGER yorumadata",
     .runsAs = RunsAs::Root,
     .window = "profileWindow",
     .messages = {kStrangersFolder}},
    {.name = "AStrangersLinkInTheUsersFolder",
     .planted =
         "tracker; ln -s ../home/new.ini yorumadata/option.ini; chown -h $STRANGER:$STRANGER yorumadata/option.ini",
     .runsAs = RunsAs::Root,
     .window = "mainWindow",
     .messages = {kPlain, kPlain}},
    {.name = "TheUsersFolderEveryoneMayWrite",
     .planted = "tracker; options; chmod 777 yorumadata",
     .window = "profileWindow",
     .messages = {"「%1/yorumadata」は誰でも書き込めます。chmod go-w で自分だけが書き込めるようにしてください"}},
    {.name = "TheUsersFolderAStrangersGroupMayWrite",
     .planted = "tracker; options; chgrp $STRANGER yorumadata; chmod 775 yorumadata",
     .runsAs = RunsAs::Root,
     .window = "profileWindow",
     .messages = {"「%1/yorumadata」はグループ「4242」のほかのユーザーも書き込めます。"
                  "chmod go-w で自分だけが書き込めるようにしてください"}},
    {.name = "TheUsersFolderItsOwnGroupMayWrite",
     .planted = "tracker; options; chmod 775 yorumadata",
     .runsAs = RunsAs::Root,
     .window = "mainWindow",
     .changed = {"yorumadata/option.ini"}},
    {.name = "AStartFolderOthersMayWrite",
     .planted = "chmod 777 .",
     .window = "profileWindow",
     .messages = {"「%1」は誰でも書き込めます。その中には yorumadata フォルダを作れません。"
                  "自分だけが書き込めるフォルダから起動してください"}},
    {.name = "AStickyStartFolder",
     .planted = "",
     .window = "profileWindow",
     .changed = {"yorumadata", "yorumadata/initial.ini", "yorumadata/option.ini"}},
    {.name = "TheUsersLinkOutOfTheFolder",
     .planted = "mkdir yorumadata; options; ln -s ../home/out.ini yorumadata/initial.ini",
     .window = "mainWindow",
     .messages = {kPlain},
     .changed = {"yorumadata/option.ini"}},
    {.name = "TheUsersLinkInsideTheFolder",
     .planted = "tracker; printf %s \"$OPTIONS\" >yorumadata/option.real; ln -s option.real yorumadata/option.ini",
     .window = "mainWindow",
     .changed = {"yorumadata/option.real"}},
    {.name = "TheSameFileUnderBothNames",
     .planted = "tracker; ln -s initial.ini yorumadata/option.ini",
     .window = "profileWindow",
     .messages = {kPlain}},
    // A recorded quit moment is kept, shown, and never written over by a first run.
    {.name = "AFifo",
     .planted = "tracker; mkfifo yorumadata/option.ini",
     .window = "mainWindow",
     .messages = {kPlain, kPlain}},
    {.name = "AFileTheUserMayNotRead",
     .planted = "tracker; options; chmod 200 yorumadata/initial.ini",
     .runsAs = RunsAs::NotRoot,
     .window = "mainWindow",
     .messages = {kPlain},
     .changed = {"yorumadata/option.ini"}},
    {.name = "AFolderTheUserMayNotWrite",
     .planted = "tracker; options; chmod 555 yorumadata",
     .runsAs = RunsAs::NotRoot,
     .window = "mainWindow",
     .changed = {"yorumadata/option.ini"}},
    // A save killed before its rename leaves its temporary file; the folder's owner clears it.
    {.name = "LeftoversOfAKilledSave",
     .planted =
         "tracker; options; cd yorumadata; for f in option.ini.vNy7Gp option.ini.backup initial.ini.saving-abcdef "
         "option.ini.saving-XYZ789 initial.ini.Ab notes.txt.AbCdEf notes.txt.saving-abcdef; "
         "do printf %s \"$PROFILE\" >$f; done",
     .window = "mainWindow",
     .changed = {"yorumadata/option.ini", "yorumadata/option.ini.vNy7Gp", "yorumadata/initial.ini.saving-abcdef",
                 "yorumadata/option.ini.saving-XYZ789"}},
};

using DataFolderSafetyTest = ::testing::TestWithParam<SafetyCase>;

// Starts the program in the planted folder as whoever runs the tests, closes
// the window it shows (moved, so that a save has something new to write),
// and compares.
TEST_P(DataFolderSafetyTest, UsesOnlyWhatIsTheUsersOwn) {
    const SafetyCase& c = GetParam();
    const bool root = geteuid() == 0;
    if (c.runsAs == RunsAs::Root && !root) GTEST_SKIP() << "not root: another user's files and groups cannot be made";
    if (c.runsAs == RunsAs::NotRoot && root) {
        GTEST_SKIP() << "root may read and write whatever it likes (storage_tests_as_nobody runs it)";
    }
    const Sandbox sandbox(QString::fromUtf8(c.planted));
    ASSERT_TRUE(sandbox.planted);
    QMap<QString, QString> expected = Snapshot(sandbox.root);
    {
        Program program{sandbox.root};
        program.app.StartUp();
        QWidget* shown = VisibleWindow(c.window);
        EXPECT_NE(shown, nullptr) << c.window << " is not shown";
        if (shown != nullptr) {
            shown->move(300, 200);
            shown->close();
        }
        ProcessDeletions();
        QStringList messages;
        for (const char* why : c.messages) {
            messages << kDataFolderMessage +
                            (*why == '\0' ? QString() : "\r\n" + QString::fromUtf8(why).arg(sandbox.root));
        }
        EXPECT_EQ(program.platform.messages, messages);
    }
    QMap<QString, QString> after = Snapshot(sandbox.root);
    for (const char* changed : c.changed) {
        EXPECT_NE(after.take(changed), expected.take(changed)) << "unchanged: " << changed;
    }
    EXPECT_EQ(after, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DataFolderSafetyTest, ::testing::ValuesIn(kCases),
                         [](const auto& tested) { return std::string(tested.param.name); });

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
