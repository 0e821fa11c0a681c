// "initial.ini" and "option.ini" from the same arbitrary bytes, read by the
// program's own loaders from a scratch data folder. What must hold:
//   - both files count as opened, and reading them again gives the same record;
//   - texts read are valid UTF-8 without line breaks;
//   - the record is written as two one-line files that read back whole and
//     the same (double quotes, which the format cannot hold, dropped), and
//     writing what was read back gives the same bytes.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUtf8StringView>

#include "FuzzCheck.h"
#include "storage/DataFiles.h"

namespace {

QByteArray Files(const QString& base) {
    QByteArray bytes;
    for (const QString& path : {ProfileFilePath(base), OptionsFilePath(base)}) {
        QFile file(path);
        bytes += file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    return bytes;
}

TrackerSettings Load(const QString& base, bool mustBeComplete) {
    TrackerSettings s;
    for (const LoadResult result : {LoadProfile(s, base), LoadOptions(s, base)}) {
        Require(result != LoadResult::NotOpened && (result == LoadResult::Complete || !mustBeComplete),
                "the files are opened, and read whole where the program wrote them");
    }
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir root;
    static const QString in = root.path() + "/in", out = root.path() + "/out";
    QDir().mkpath(DataFolderPath(in));
    QDir().mkpath(DataFolderPath(out));
    for (const QString& path : {ProfileFilePath(in), OptionsFilePath(in)}) {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(reinterpret_cast<const char*>(data),
                static_cast<qint64>(size)) == static_cast<qint64>(size), "the scratch file is written");
    }
    TrackerSettings read = Load(in, false);
    Require(read == Load(in, false), "reading again gives the same record");
    for (std::string* text : {&read.blogUrl, &read.statusMode}) {
        Require(QUtf8StringView(*text).isValidUtf8() && text->find_first_of("\r\n") == std::string::npos,
                "texts read are valid UTF-8 without line breaks", *text);
        std::erase(*text, '"');
    }
    Require(SaveProfile(read, out) && SaveOptions(read, out), "the record can be written");
    const QByteArray written = Files(out);
    Require(written.count('\n') == 2 && written.count('\r') == 2 && written.endsWith("\r\n"), "two one-line files",
            written.toStdString());
    const TrackerSettings back = Load(out, true);
    Require(back == read, "a written record reads back the same", written.toStdString());
    Require(SaveProfile(back, out) && SaveOptions(back, out) && Files(out) == written, "writing it again changes nothing");
    return 0;
}
