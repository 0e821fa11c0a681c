// A lock file that names no holder (empty after a power cut, damaged, or in
// an older format) must not lock the user out, in the user's lock folder and
// in the data folder alike. (Live holders are other processes: the
// end-to-end single-instance test starts them.)

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ui/QtPlatform.h"

TEST(SingleInstance, AStaleLockIsTakenOver) {
    const QByteArray previousRuntime = qgetenv("XDG_RUNTIME_DIR");
    for (const QByteArray& content : {QByteArray(), QByteArray("garbage\n\xff"), QByteArray("1\n")}) {
        for (const bool userLock : {true, false}) {
            QTemporaryDir runtime, data;
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
            QDir(data.path()).mkdir(QStringLiteral("yorumadata"));
            const QString locks[] = {runtime.path() + "/yoruma-single-instance.lock", data.path() + "/yorumadata/yoruma.lock"};
            QFile lock(locks[userLock ? 0 : 1]);
            ASSERT_TRUE(lock.open(QIODevice::WriteOnly) && lock.write(content) == content.size());
            lock.close();
            QtPlatform platform;
            EXPECT_FALSE(platform.AnotherCopyRunning(data.path() + "/yorumadata")) << content.constData() << userLock;
            EXPECT_TRUE(QFile::exists(locks[0]) && QFile::exists(locks[1]));
        }
    }
    qputenv("XDG_RUNTIME_DIR", previousRuntime);
}
