// Opening a web page on Linux: the desktop's opener, xdg-open from PATH, is
// handed the address exactly as given, and when it fails (it cannot start,
// or it ends with an error such as "no method available") the failure is
// reported once it has ended, the program going on meanwhile.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/QtPlatform.h"

namespace {

struct OpenerCase {
    const char* name;
    const char* exitStatus;  // of the fake opener; nullptr: none on PATH
    bool failureReported;
};

void PrintTo(const OpenerCase& c, std::ostream* os) { *os << c.name; }

class OpenUrlTest : public ::testing::TestWithParam<OpenerCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        path = qgetenv("PATH");
        const char* exitStatus = GetParam().exitStatus;
        if (exitStatus == nullptr) {
            qputenv("PATH", folder.path().toLocal8Bit());  // nothing to run there
            return;
        }
        // Records the address it was given, then ends as told.
        QFile opener(folder.filePath("xdg-open"));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
        opener.write(QByteArray("#!/bin/sh\nprintf '%s' \"$1\" > \"$0.address\"\nexit ") + exitStatus + "\n");
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", folder.path().toLocal8Bit() + ":" + path);
    }
    void TearDown() override { qputenv("PATH", path); }

    QByteArray Recorded() const {
        QFile file(folder.filePath("xdg-open.address"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<not started>");
    }

    QTemporaryDir folder;
    QByteArray path;
};

TEST_P(OpenUrlTest, HandsTheAddressOverAndReportsAFailedOpener) {
    QtPlatform platform;
    int failures = 0;
    platform.OpenUrl(QStringLiteral("http://http://example.org/a%20b"), [&failures] { ++failures; });
    if (GetParam().failureReported) {
        EXPECT_TRUE(QTest::qWaitFor([&failures] { return failures > 0; }, 10000));
    } else {
        EXPECT_TRUE(QTest::qWaitFor([this] { return QFile::exists(folder.filePath("xdg-open.address")); }, 10000));
        QTest::qWait(500);  // time for its end to be heard
    }
    EXPECT_EQ(failures, GetParam().failureReported ? 1 : 0);
    if (GetParam().exitStatus != nullptr) {
        EXPECT_EQ(Recorded(), "http://http://example.org/a%20b");
    }
}

INSTANTIATE_TEST_SUITE_P(Openers, OpenUrlTest,
                         ::testing::Values(OpenerCase{"Opened", "0", false}, OpenerCase{"NoMethod", "3", true},
                                           OpenerCase{"NoOpener", nullptr, true}),
                         [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
