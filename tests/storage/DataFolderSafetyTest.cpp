// The data folder as an attacker and an unlucky user leave it: other users'
// folders, files and links, odd files, a removed or oddly named current
// directory, files from the Windows program, leftovers of a killed save.
// Whatever may not be used is refused with the one message and left exactly
// as it was; the user's own things keep working.

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "app/Messages.h"
#include "storage/DataFiles.h"
#include "support/DataFolder.h"
#include "support/Program.h"
#include "support/ScratchUser.h"
#include "support/Windows.h"
#include "ui/MainWindow.h"

namespace {

const QByteArray kProfile = "2008,10,5,9,0,20,300,85\r\n";
const QByteArray kOptions = "1,8744,5,1,5,1,1200,900,9241372,16777215,\"\",2,0,0,\"ソルジャー\"\r\n";

// A place the program is started from, shared like /tmp (sticky, anyone may
// write), with a home of the user's beside the data folder. Everything is
// made by this process and handed to its owner: the user who runs the
// program (victim) or another one (stranger).
class Sandbox {
public:
    Sandbox(uid_t victim, uid_t stranger) : root_(dir_.path() + QStringLiteral("/shared")), victim_(victim), stranger_(stranger) {
        chmod(QFile::encodeName(dir_.path()).constData(), 0755);
        QDir().mkpath(root_);
        Make(QString(), 01777, 0);
        Dir("home", victim_);
    }
    ~Sandbox() {
        // A folder without write permission could not be cleared away.
        QDirIterator it(root_, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) chmod(QFile::encodeName(it.next()).constData(), 0755);
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    QString Root() const { return root_; }
    uid_t Victim() const { return victim_; }
    uid_t Stranger() const { return stranger_; }

    void Dir(const char* path, uid_t owner, mode_t mode = 0755) const {
        QDir().mkpath(Path(path));
        Make(path, mode, owner);
    }
    void File(const char* path, const QByteArray& bytes, uid_t owner, mode_t mode = 0644) const {
        QFile file(Path(path));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        Make(path, mode, owner);
    }
    void Link(const char* path, const char* target, uid_t owner) const {
        const QByteArray native = QFile::encodeName(Path(path));
        symlink(target, native.constData());
        lchown(native.constData(), owner, owner);
    }
    void Fifo(const char* path, uid_t owner) const {
        mkfifo(QFile::encodeName(Path(path)).constData(), 0644);
        Make(path, 0644, owner);
    }
    void StartedTracker(const char* folder, uid_t owner, mode_t mode = 0644) const {
        File(QStringLiteral("%1/initial.ini").arg(folder).toUtf8().constData(), kProfile, owner, mode);
        File(QStringLiteral("%1/option.ini").arg(folder).toUtf8().constData(), kOptions, owner, mode);
    }

private:
    QString Path(const QString& path) const { return path.isEmpty() ? root_ : root_ + QLatin1Char('/') + path; }
    void Make(const QString& path, mode_t mode, uid_t owner) const {
        const QByteArray native = QFile::encodeName(Path(path));
        if (geteuid() == 0) chown(native.constData(), owner, owner);
        chmod(native.constData(), mode);
    }

    QTemporaryDir dir_;
    QString root_;
    uid_t victim_, stranger_;
};

// Every entry under root, with its kind, owner, mode, inode, size, link
// target and content (where this user may read it).
QMap<QString, QString> Snapshot(const QString& root) {
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat status {};
        lstat(QFile::encodeName(path).constData(), &status);
        QString entry = QStringLiteral("mode %1 owner %2 inode %3 size %4")
                            .arg(status.st_mode, 0, 8)
                            .arg(status.st_uid)
                            .arg(status.st_ino)
                            .arg(status.st_size);
        if (S_ISLNK(status.st_mode)) entry += QStringLiteral(" -> ") + QFileInfo(path).symLinkTarget();
        QFile file(path);
        if (S_ISREG(status.st_mode) && file.open(QIODevice::ReadOnly)) entry += QString::fromUtf8(file.readAll());
        entries.insert(path.mid(root.size() + 1), entry);
    }
    return entries;
}

struct SafetyCase {
    const char* name;
    void (*plant)(const Sandbox&);
    bool needsStranger;  // planting another user's files takes root
    bool needsNonRoot;   // root may read and write whatever it likes
    int messages;        // of the data folder message
    const char* window;  // shown after the start
    const char* changed; // the one entry the close may change, or nullptr
};

void PrintTo(const SafetyCase& c, std::ostream* os) { *os << c.name; }

const SafetyCase kSafetyCases[] = {
    {"AStrangersFolderLinkingOut",
     [](const Sandbox& s) {
         s.Dir("yorumadata", s.Stranger());
         s.Link("yorumadata/initial.ini", "../home/secret.ini", s.Stranger());
     },
     true, false, 1, "profileWindow", nullptr},
    {"AStrangersFolderBothMayWrite",
     [](const Sandbox& s) {
         s.Dir("yorumadata", s.Stranger(), 0777);
         s.StartedTracker("yorumadata", s.Stranger(), 0666);
     },
     true, false, 1, "profileWindow", nullptr},
    {"AStrangersLinkInTheUsersFolder",
     [](const Sandbox& s) {
         s.Dir("yorumadata", s.Victim(), 0777);
         s.File("yorumadata/initial.ini", kProfile, s.Victim());
         s.Link("yorumadata/option.ini", "../home/new.ini", s.Stranger());
     },
     true, false, 1, "profileWindow", nullptr},
    {"AStrangersLinkAsTheFolder",
     [](const Sandbox& s) {
         s.Dir("home/data", s.Victim());
         s.StartedTracker("home/data", s.Victim());
         s.Link("yorumadata", "home/data", s.Stranger());
     },
     true, false, 1, "profileWindow", nullptr},
    {"TheUsersLinkOutOfTheFolder",
     [](const Sandbox& s) {
         s.Dir("yorumadata", s.Victim());
         s.File("yorumadata/option.ini", kOptions, s.Victim());
         s.Link("yorumadata/initial.ini", "../home/outside.ini", s.Victim());
     },
     false, false, 1, "mainWindow", "yorumadata/option.ini"},
    {"TheUsersLinkInsideTheFolder",
     [](const Sandbox& s) {
         s.Dir("yorumadata", s.Victim());
         s.File("yorumadata/initial.ini", kProfile, s.Victim());
         s.File("yorumadata/option.real", kOptions, s.Victim());
         s.Link("yorumadata/option.ini", "option.real", s.Victim());
     },
     false, false, 0, "mainWindow", "yorumadata/option.real"},
    {"AFifo",
     [](const Sandbox& s) {
         s.Dir("yorumadata", s.Victim());
         s.File("yorumadata/initial.ini", kProfile, s.Victim());
         s.Fifo("yorumadata/option.ini", s.Victim());
     },
     false, false, 1, "profileWindow", nullptr},
    {"AFileTheUserMayNotRead",
     [](const Sandbox& s) {
         s.Dir("yorumadata", s.Victim());
         s.StartedTracker("yorumadata", s.Victim());
         s.File("yorumadata/initial.ini", kProfile, s.Victim(), 0200);
     },
     false, true, 1, "mainWindow", "yorumadata/option.ini"},
    {"AFolderTheUserMayNotWrite",
     [](const Sandbox& s) {
         s.Dir("yorumadata", s.Victim());
         s.StartedTracker("yorumadata", s.Victim());
         s.Dir("yorumadata", s.Victim(), 0555);
     },
     false, true, 0, "mainWindow", "yorumadata/option.ini"},
};

class DataFolderSafetyTest : public ::testing::TestWithParam<SafetyCase> {
protected:
    void TearDown() override { ProcessDeletions(); }

    // Starts the program in the sandbox, closes the window it shows (moved,
    // so that a save has something new to write), and compares.
    static void StartAndClose(const SafetyCase& c, const QString& sandbox) {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(sandbox);
        const QMap<QString, QString> before = Snapshot(sandbox);
        QStringList messages;
        {
            Program program;
            program.app.StartUp();
            QWidget* shown = VisibleWindow(c.window);
            EXPECT_NE(shown, nullptr) << c.window << " is not shown";
            if (shown != nullptr) {
                shown->move(300, 200);
                shown->close();
            }
            ProcessDeletions();
            messages = program.platform.messages;
        }
        QDir::setCurrent(previous);
        EXPECT_EQ(messages, QStringList(c.messages, kDataFolderMessage));
        QMap<QString, QString> after = Snapshot(sandbox);
        if (c.changed != nullptr) {
            const QString changed = QString::fromUtf8(c.changed);
            EXPECT_NE(after.take(changed), before.value(changed)) << "not saved: " << c.changed;
        }
        QMap<QString, QString> expected = before;
        if (c.changed != nullptr) expected.remove(QString::fromUtf8(c.changed));
        EXPECT_EQ(after.keys(), expected.keys());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
        }
    }
};

// Once as whoever runs the tests, with a scratch user as the stranger where
// that is root; once more as that scratch user, with root as the stranger.
TEST_P(DataFolderSafetyTest, UsesOnlyWhatIsTheUsersOwn) {
    const SafetyCase& c = GetParam();
    if (!ScratchUserSandbox().isEmpty()) {
        StartAndClose(c, ScratchUserSandbox());
        return;
    }
    const bool root = geteuid() == 0;
    if (c.needsStranger && !root) GTEST_SKIP() << "not root: another user's files cannot be made";
    if (!c.needsNonRoot || !root) {
        const Sandbox sandbox(geteuid(), kScratchUid);
        c.plant(sandbox);
        StartAndClose(c, sandbox.Root());
    }
    const QString unavailable = ScratchUserUnavailable();
    if (!unavailable.isEmpty()) GTEST_SKIP() << "the run as a scratch user: " << unavailable.toStdString();
    const Sandbox sandbox(kScratchUid, 0);
    c.plant(sandbox);
    EXPECT_TRUE(RunAsScratchUser(sandbox.Root()));
}

INSTANTIATE_TEST_SUITE_P(Cases, DataFolderSafetyTest, ::testing::ValuesIn(kSafetyCases),
                         [](const auto& tested) { return std::string(tested.param.name); });

class StartPlaceTest : public ::testing::Test {
protected:
    void TearDown() override { ProcessDeletions(); }
    ScratchDirectory scratch;
    Program program;
    FakePlatform& platform = program.platform;
};

// A removed current directory has no path; "/yorumadata" is not its folder.
TEST_F(StartPlaceTest, ARemovedCurrentDirectoryIsRefusedAndNothingIsWritten) {
    ASSERT_TRUE(QDir(scratch.Path()).mkdir(QStringLiteral("gone")));
    ASSERT_TRUE(QDir::setCurrent(scratch.Path() + QStringLiteral("/gone")));
    ASSERT_TRUE(QDir(scratch.Path()).rmdir(QStringLiteral("gone")));
    const bool rootFolderBefore = QFileInfo::exists(QStringLiteral("/yorumadata"));
    program.app.StartUp();
    EXPECT_NE(VisibleWindow("profileWindow"), nullptr);
    const bool rootFolderAfter = QFileInfo::exists(QStringLiteral("/yorumadata"));
    if (!rootFolderBefore && rootFolderAfter) QDir(QStringLiteral("/yorumadata")).removeRecursively();
    EXPECT_FALSE(rootFolderAfter && !rootFolderBefore) << "wrote into /yorumadata";
    EXPECT_EQ(platform.messages, QStringList{kDataFolderMessage});
}

// A folder name in Shift-JIS ("ソルジャー", from an archive made on Windows)
// is no text on a UTF-8 system; the data is saved in that folder all the same.
TEST_F(StartPlaceTest, AFolderWhoseNameIsNoTextIsUsed) {
    const QByteArray name("\x83\x5c\x83\x8b\x83\x57\x83\x83\x81\x5b", 10);
    const QByteArray folder = QFile::encodeName(scratch.Path()) + '/' + name;
    ASSERT_EQ(mkdir(folder.constData(), 0755), 0);
    ASSERT_EQ(chdir(folder.constData()), 0);
    platform.now = {2008, 10, 18, 21, 30};
    program.app.StartUp();
    struct stat status {};
    EXPECT_EQ(stat((folder + "/yorumadata/initial.ini").constData(), &status), 0) << "no initial.ini in the folder";
    EXPECT_TRUE(platform.messages.isEmpty());
    // Qt cannot name these files to remove them with the scratch directory.
    for (const char* file : {"/yorumadata/initial.ini", "/yorumadata/option.ini"}) unlink((folder + file).constData());
    rmdir((folder + "/yorumadata").constData());
    rmdir(folder.constData());
}

// The files of the Windows program are Shift-JIS: read as such and written
// back in UTF-8. A file in no known encoding is never written over.
struct EncodingCase {
    const char* name;
    QByteArray stored;
    const char* window;     // shown after the start
    QByteArray afterClose;  // option.ini once the window was closed
    int messages;
};

void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.name; }

class ForeignEncodingTest : public StartPlaceTest, public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(ForeignEncodingTest, ReadsShiftJisAndNeverWritesOverTheUnknown) {
    const EncodingCase& c = GetParam();
    scratch.Write("initial.ini", kProfile);
    scratch.Write("option.ini", c.stored);
    program.app.StartUp();
    QWidget* shown = VisibleWindow(c.window);
    ASSERT_NE(shown, nullptr);
    if (auto* mainWindow = qobject_cast<MainWindow*>(shown)) {
        EXPECT_EQ(mainWindow->Value(kRankCaption)->text(), QStringLiteral("少尉"));  // day 10 on the soldier ladder
    }
    shown->close();
    ProcessDeletions();
    EXPECT_EQ(scratch.Read("option.ini"), c.afterClose);
    EXPECT_EQ(platform.messages, QStringList(c.messages, kDataFolderMessage));
}

const QByteArray kSoldierShiftJis("\x83\x5c\x83\x8b\x83\x57\x83\x83\x81\x5b", 10);
const QByteArray kDiaryShiftJis("\x93\xfa\x8b\x4c", 4);  // 日記

INSTANTIATE_TEST_SUITE_P(
    Files, ForeignEncodingTest,
    ::testing::Values(
        EncodingCase{"ShiftJis",
                     "1,8744,5,1,5,1,1200,900,9241372,16777215,\"example.jp/" + kDiaryShiftJis + "\",2,0,0,\"" +
                         kSoldierShiftJis + "\"\r\n",
                     "mainWindow", "1,8744,5,1,5,1,1200,900,9241372,16777215,\"example.jp/日記\",2,0,0,\"ソルジャー\"\r\n", 0},
        EncodingCase{"Unknown", "1,8744,5,1,5,1,1200,900,9241372,16777215,\"\xff\xfe\",2,0,0,\"ソルジャー\"\r\n",
                     "profileWindow", "1,8744,5,1,5,1,1200,900,9241372,16777215,\"\xff\xfe\",2,0,0,\"ソルジャー\"\r\n", 1}),
    [](const auto& tested) { return std::string(tested.param.name); });

// A save killed between writing its temporary file and renaming it leaves
// the file behind; the next copy that owns the folder clears such leftovers.
TEST_F(StartPlaceTest, LeftoversOfAKilledSaveAreRemovedAndNothingElse) {
    scratch.Write("initial.ini", kProfile);
    scratch.Write("option.ini", kOptions);
    const QStringList leftovers = {"initial.ini.GzhbPN", "option.ini.vNy7Gp"};
    const QStringList kept = {"option.ini.backup", "option.ini.BEFORE", "notes.txt.AbCdEf", "initial.ini.Ab"};
    for (const QString& name : leftovers + kept) scratch.Write(name.toUtf8().constData(), kProfile);
    program.app.StartUp();
    ASSERT_NE(VisibleWindow("mainWindow"), nullptr);
    QStringList expected = kept + QStringList{"initial.ini", "option.ini"};
    expected.sort();
    EXPECT_EQ(QDir(DataFolderPath(scratch.Path())).entryList(QDir::Files, QDir::Name), expected);
}

}  // namespace
