// The data folder as an attacker and an unlucky user leave it: other users'
// folders, files and links, FIFOs, unreadable files, files of the Windows
// program, leftovers of a killed save. What may not be used is refused with
// the one message and left exactly as it was; the user's own things work.

#include <QDirIterator>
#include <QFileInfo>
#include <QMap>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/Messages.h"
#include "support/ScratchDirectory.h"
#include "support/Program.h"
#include "support/WidgetFinders.h"

namespace {

const QByteArray kShiftJisOptions("1,8744,5,1,5,1,1200,900,9241372,16777215,\"example.jp/\x93\xfa\x8b\x4c\",2,0,0,\""
                                  "\x83\x5c\x83\x8b\x83\x57\x83\x83\x81\x5b\"\r\n");  // 日記, ソルジャー

// A place to start the program from, shared like /tmp (sticky, anyone may
// write), with a home of the user's beside it. Each planted entry is
// "kind path owner [mode] [content or link target]": kind d(irectory),
// f(ile), l(ink) or p (FIFO); owner V (the user, victim), S (a stranger) or R
// (root), "V/S" for the user's entry in the stranger's group.
struct Sandbox {
    Sandbox(uid_t v, uid_t s) : victim(v), stranger(s) {
        chmod(QFile::encodeName(dir.path()).constData(), 0755);
        Plant("  R 1777");
        Plant("d home V 755");
    }
    ~Sandbox() {  // a folder without write permission could not be cleared away
        QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) chmod(QFile::encodeName(it.next()).constData(), 0755);
    }
    void Plant(const QString& entry) const {
        if (entry == "+") {
            for (const char* part : {"d yorumadata V", "f y/initial.ini V 644 P"}) Plant(part);
            return;
        }
        QStringList w = entry.split(u' ');
        if (w[1].startsWith("y/")) w[1].replace(0, 2, "yorumadata/");
        const QByteArray path = QFile::encodeName(root + (w[1].isEmpty() ? QString() : "/" + w[1]));
        const auto id = [this](QStringView who) -> uid_t { return who == u"V" ? victim : who == u"S" ? stranger : 0; };
        const uid_t owner = id(w[2].left(1));
        const gid_t group = w[2].size() > 2 ? id(w[2].mid(2)) : owner == victim ? getegid() : owner;
        if (w[0] == "l") {
            symlink(w[3].toUtf8().constData(), path.constData());
            if (geteuid() == 0) lchown(path.constData(), owner, group);
            return;
        }
        if (w[0] == "d" || w[0].isEmpty()) QDir().mkpath(QFile::decodeName(path));
        if (w[0] == "p") mkfifo(path.constData(), 0644);
        if (w[0] == "f") {
            QFile file(QFile::decodeName(path));
            file.open(QIODevice::WriteOnly);
            file.write(w[4] == "P" ? kStartedProfile : w[4] == "O" ? kStartedOptions : kShiftJisOptions);
        }
        if (geteuid() == 0) chown(path.constData(), owner, group);
        chmod(path.constData(), static_cast<mode_t>(w.value(3, w[0] == "p" ? "644" : "755").toUInt(nullptr, 8)));
    }
    QTemporaryDir dir;
    QString root = dir.path() + "/shared";
    uid_t victim, stranger;
};

// Every entry with its kind, owner, mode, inode, size, link target and content.
QMap<QString, QString> Snapshot(const QString& root) {
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
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

struct SafetyCase {
    const char* name;
    const char* plants;  // separated by ";"; another user's files take root to plant
    char runAs;          // '*' anyone, 'u' not root (root may read and write whatever it likes), 'r' root
    int messages;        // of the data folder message
    const char* window;  // shown after the start
    const char* changed; // what the close must change (or remove); nothing else may change
    const char* written = "";  // what the changed first entry then holds
    const char* why = nullptr;  // the line naming who else may write (%1: the sandbox), after the first message
};

// "+" plants the user's data folder with its profile; "y/" is short for "yorumadata/".
const SafetyCase kCases[] = {
    {"AStrangersFolderLinkingOut", "d yorumadata S 755;l y/initial.ini S ../home/secret.ini", 'r', 1, "profileWindow", "",
     "", "「%1/yorumadata」はほかのユーザー（4242）のものです。自分のフォルダから起動してください"},
    {"AStrangersLinkAsTheFolder", "d home/data V;f home/data/initial.ini V 644 P;l yorumadata S home/data", 'r', 1,
     "profileWindow", "", "", "「%1/yorumadata」はほかのユーザー（4242）のものです。自分のフォルダから起動してください"},
    {"AStrangersLinkInTheUsersFolder", "+;l y/option.ini S ../home/new.ini", 'r', 2, "mainWindow", ""},
    {"TheUsersFolderEveryoneMayWrite", "+;f y/option.ini V 644 O;d yorumadata V 777", '*', 1, "profileWindow", "", "",
     "「%1/yorumadata」は誰でも書き込めます。chmod go-w で自分だけが書き込めるようにしてください"},
    {"TheUsersFolderAStrangersGroupMayWrite", "+;f y/option.ini V 644 O;d yorumadata V/S 775", 'r', 1, "profileWindow",
     "", "", "「%1/yorumadata」はグループ「4242」のほかのユーザーも書き込めます。chmod go-w で自分だけが書き込めるようにしてください"},
    {"TheUsersFolderItsOwnGroupMayWrite", "+;f y/option.ini V 644 O;d yorumadata V 775", 'r', 0, "mainWindow",
     "yorumadata/option.ini"},
    {"AStartFolderOthersMayWrite", "  V 777", '*', 1, "profileWindow", "", "",
     "「%1」は誰でも書き込めます。その中には yorumadata フォルダを作れません。自分だけが書き込めるフォルダから起動してください"},
    {"AStickyStartFolder", "", '*', 0, "profileWindow", "yorumadata yorumadata/initial.ini yorumadata/option.ini"},
    {"TheUsersLinkOutOfTheFolder", "d yorumadata V;f y/option.ini V 644 O;l y/initial.ini V ../home/out.ini", '*', 1,
     "mainWindow", "yorumadata/option.ini"},
    {"TheUsersLinkInsideTheFolder", "+;f y/option.real V 644 O;l y/option.ini V option.real", '*', 0, "mainWindow",
     "yorumadata/option.real"},
    {"TheSameFileUnderBothNames", "+;l y/option.ini V initial.ini", '*', 1, "profileWindow", ""},
    // A recorded quit moment is kept, shown, and never written over by a first run.
    {"AFifo", "+;p y/option.ini V", '*', 2, "mainWindow", ""},
    {"AFileTheUserMayNotRead", "+;f y/initial.ini V 200 P;f y/option.ini V 644 O", 'u', 1, "mainWindow",
     "yorumadata/option.ini"},
    {"AFolderTheUserMayNotWrite", "+;f y/option.ini V 644 O;d yorumadata V 555", 'u', 0, "mainWindow",
     "yorumadata/option.ini"},
    // The files of the Windows program are Shift-JIS: read as such, written back in UTF-8.
    {"ShiftJisFiles", "+;f y/option.ini V 644 J", '*', 0, "mainWindow", "yorumadata/option.ini",
     "\"example.jp/日記\",2,0,0,\"ソルジャー\"\r\n"},
    // A save killed before its rename leaves its temporary file; the folder's owner clears it.
    {"LeftoversOfAKilledSave", "+;f y/option.ini V 644 O;f y/option.ini.vNy7Gp V 644 P;f y/option.ini.backup V 644 P;"
     "f y/initial.ini.saving-abcdef V 644 P;f y/option.ini.saving-XYZ789 V 644 P;f y/initial.ini.Ab V 644 P;"
     "f y/notes.txt.AbCdEf V 644 P;f y/notes.txt.saving-abcdef V 644 P", '*', 0, "mainWindow",
     "yorumadata/option.ini yorumadata/option.ini.vNy7Gp yorumadata/initial.ini.saving-abcdef yorumadata/option.ini.saving-XYZ789"},
};

using DataFolderSafetyTest = ::testing::TestWithParam<SafetyCase>;

// Starts the program in the planted folder as whoever runs the tests (for
// root, a scratch user is the stranger), closes the window it shows (moved,
// so that a save has something new to write), and compares.
TEST_P(DataFolderSafetyTest, UsesOnlyWhatIsTheUsersOwn) {
    const SafetyCase& c = GetParam();
    const bool root = geteuid() == 0;
    if (c.runAs == 'r' && !root) GTEST_SKIP() << "not root: another user's files and groups cannot be made";
    if (c.runAs == 'u' && root) GTEST_SKIP() << "root may read and write whatever it likes (storage_tests_as_nobody runs it)";
    const Sandbox sandbox(geteuid(), root ? 4242 : 0);
    for (const QString& plant : QString::fromUtf8(c.plants).split(u';', Qt::SkipEmptyParts)) sandbox.Plant(plant);
    QMap<QString, QString> expected = Snapshot(sandbox.root);
    {
        Program program{sandbox.root};
        program.app.StartUp();
        QWidget* shown = VisibleWindow(c.window);
        EXPECT_NE(shown, nullptr) << c.window << " is not shown";
        if (shown != nullptr) shown->move(300, 200), shown->close();
        ProcessDeletions();
        QStringList messages(c.messages, kDataFolderMessage);
        if (c.why != nullptr) messages[0] += "\r\n" + QString::fromUtf8(c.why).arg(sandbox.root);
        EXPECT_EQ(program.platform.messages, messages);
    }
    QMap<QString, QString> after = Snapshot(sandbox.root);
    for (const QString& changed : QString::fromUtf8(c.changed).split(u' ', Qt::SkipEmptyParts)) {
        const QString now = after.take(changed);
        EXPECT_NE(now, expected.take(changed)) << "unchanged: " << changed.toStdString();
        EXPECT_TRUE(*c.written == 0 || now.endsWith(QString::fromUtf8(c.written))) << now.toStdString();
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
