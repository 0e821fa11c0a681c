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

using namespace DataFiles;

// Reads both files of the data folder under BASE: opened, and read whole where
// the program wrote them itself.
static TrackerSettings Load(const DataDirectory& folder, bool whole) {
    TrackerSettings s;
    for (const LoadResult result : {LoadProfile(s, folder), LoadOptions(s, folder)}) {
        const bool read = result == LoadResult::Complete || (!whole && result != LoadResult::NotOpened);
        Require(read, "opened, and read whole if ours");
    }
    return s;
}

// Writes both files and gives their bytes: one line each.
static QByteArray SaveAndRead(const TrackerSettings& s, DataDirectory& folder, const QString& base) {
    Require(SaveProfile(s, folder) && SaveOptions(s, folder), "the record can be written");
    QByteArray bytes;
    for (const QString& path : {ProfileFilePath(base), OptionsFilePath(base)}) {
        QFile file(path);
        const QByteArray line = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        Require(line.endsWith("\r\n") && line.count('\n') == 1 && line.count('\r') == 1, "one line",
                line.toStdString());
        bytes += line;
    }
    return bytes;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir in;   // the bytes as data files
    static const QTemporaryDir out;  // what the program writes
    static DataDirectory inFolder(in.path());
    static DataDirectory outFolder(out.path());
    Require(inFolder.IsOpen() && outFolder.IsOpen(), "scratch folders");
    for (const QString& path : {ProfileFilePath(in.path()), OptionsFilePath(in.path())}) {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly) &&
                    file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size),
                "the scratch file is written");
    }
    TrackerSettings read = Load(inFolder, false);
    Require(read == Load(inFolder, false), "reading again gives the same record");
    for (std::string* text : {&read.blogUrl, &read.statusMode}) {
        Require(QUtf8StringView(*text).isValidUtf8() && text->find_first_of("\r\n") == std::string::npos,
                "texts read are valid UTF-8 without line breaks", *text);
        std::erase(*text, '"');
    }
    const QByteArray written = SaveAndRead(read, outFolder, out.path());
    const TrackerSettings back = Load(outFolder, true);
    Require(back == read, "a written record reads back the same", written.toStdString());
    Require(SaveAndRead(back, outFolder, out.path()) == written, "writing it again changes nothing");
    return 0;
}
