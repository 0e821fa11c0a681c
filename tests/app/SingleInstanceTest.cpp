// A lock file that names no holder (empty after a power cut, damaged, or in
// an older format) must not lock the user out: such a lock is stale, in the
// user's lock folder and in the data folder alike. (Live holders are other
// processes: the end-to-end single-instance test starts them.)

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ui/QtPlatform.h"

namespace {

struct StaleLockCase {
    const char* name;
    const char* lock;  // which of the two locks is left behind
    QByteArray content;
};

void PrintTo(const StaleLockCase& c, std::ostream* os) { *os << c.name; }

class StaleLockTest : public ::testing::TestWithParam<StaleLockCase> {
protected:
    void SetUp() override {
        previousRuntime_ = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
        QDir(data_.path()).mkdir(QStringLiteral("yorumadata"));
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", previousRuntime_); }

    QString LockPath(const char* which) const {
        return std::string(which) == "user" ? runtime_.path() + QStringLiteral("/yoruma-single-instance.lock")
                                            : data_.path() + QStringLiteral("/yorumadata/yoruma.lock");
    }
    QString DataFolder() const { return data_.path() + QStringLiteral("/yorumadata"); }

    QTemporaryDir runtime_;
    QTemporaryDir data_;
    QByteArray previousRuntime_;
};

TEST_P(StaleLockTest, IsTakenOver) {
    QFile lock(LockPath(GetParam().lock));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(GetParam().content);
    lock.close();
    QtPlatform platform;
    EXPECT_FALSE(platform.AnotherCopyRunning(DataFolder()));
    EXPECT_TRUE(QFile::exists(LockPath("user")));
    EXPECT_TRUE(QFile::exists(LockPath("data")));
}

INSTANTIATE_TEST_SUITE_P(Locks, StaleLockTest,
                         ::testing::Values(StaleLockCase{"EmptyUserLock", "user", ""},
                                           StaleLockCase{"GarbageUserLock", "user", "garbage\n"},
                                           StaleLockCase{"PidOnlyUserLock", "user", "1\n"},
                                           StaleLockCase{"EmptyDataLock", "data", ""},
                                           StaleLockCase{"GarbageDataLock", "data", "\xff\xfe garbage"},
                                           StaleLockCase{"PidOnlyDataLock", "data", "1\n"}),
                         [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
