#pragma once
// Reading a data file from arbitrary bytes: the bytes become the file in a
// scratch data folder and the program's own loader reads it. What must hold
// for any content:
//   - the load ends; the file counts as opened;
//   - the fields read form a leading run, the others keep the values the
//     record had, and the load says Complete exactly when every field was read;
//   - what is read does not depend on what the record held before;
//   - texts read are valid UTF-8 without line breaks;
//   - whatever the record then holds is written as one line that reads back
//     whole and the same (double quotes, which the format cannot hold, dropped),
//     and writing that again gives the same bytes.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "FuzzCheck.h"
#include "storage/DataFiles.h"

using SettingsField = std::variant<std::int32_t TrackerSettings::*, std::string TrackerSettings::*>;

template <std::size_t N>
struct DataFileLayout {
    const char* fileName;
    std::array<SettingsField, N> fields;
    LoadResult (*load)(TrackerSettings&, const QString&);
    bool (*save)(const TrackerSettings&, const QString&);
};

namespace fuzzing {

// Two records that differ from each other, and from anything a file is
// likely to hold, in every field.
inline TrackerSettings Marked(std::int32_t seed, const char* text) {
    TrackerSettings s;
    std::int32_t value = seed;
    for (std::int32_t* field : {&s.quitYear, &s.quitMonth, &s.quitDay, &s.quitHour, &s.quitMinute,
                                &s.cigarettesPerDay, &s.pricePer20, &s.sizeMillimetres, &s.setupDone,
                                &s.tobaccoTaxPer1000, &s.consumptionTaxPercent, &s.copyPlusMode, &s.smokingYears,
                                &s.packDisplay, &s.mainLeft, &s.mainTop, &s.backColor, &s.textColor, &s.windowMode,
                                &s.miniLeft, &s.miniTop}) {
        *field = value;
        value += 7919;
    }
    s.blogUrl = std::string(text) + "-url";
    s.statusMode = std::string(text) + "-mode";
    return s;
}

inline bool SameField(const TrackerSettings& a, const TrackerSettings& b, const SettingsField& field) {
    return std::visit([&](auto member) { return a.*member == b.*member; }, field);
}

inline std::string FieldText(const TrackerSettings& s, const SettingsField& field) {
    if (const auto* number = std::get_if<std::int32_t TrackerSettings::*>(&field)) {
        return std::to_string(s.**number);
    }
    return "\"" + s.*std::get<std::string TrackerSettings::*>(field) + "\"";
}

template <std::size_t N>
std::string RecordText(const TrackerSettings& s, const DataFileLayout<N>& layout) {
    std::string text;
    for (const SettingsField& field : layout.fields) text += FieldText(s, field) + " | ";
    return text;
}

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const char* data, std::size_t size) {
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the scratch file can be written");
    Require(file.write(data, static_cast<qint64>(size)) == static_cast<qint64>(size), "the scratch file is written whole");
}

// One scratch folder for the whole run, holding two data folders: "in" for
// the fuzzer's bytes, "out" for what the program writes back.
struct Scratch {
    QTemporaryDir root;
    QString in = root.path() + QStringLiteral("/in");
    QString out = root.path() + QStringLiteral("/out");
    Scratch() {
        Require(root.isValid(), "a scratch folder can be made");
        Require(QDir().mkpath(DataFolderPath(in)) && QDir().mkpath(DataFolderPath(out)), "data folders can be made");
    }
};

template <std::size_t N>
void CheckDataFile(const DataFileLayout<N>& layout, const std::uint8_t* data, std::size_t size) {
    static Scratch scratch;
    const QString inPath = scratch.in + QStringLiteral("/yorumadata/") + QLatin1String(layout.fileName);
    const QString outPath = scratch.out + QStringLiteral("/yorumadata/") + QLatin1String(layout.fileName);
    WriteAll(inPath, reinterpret_cast<const char*>(data), size);

    const TrackerSettings markX = Marked(-1000003, "x");
    const TrackerSettings markY = Marked(2000003, "y");
    TrackerSettings x = markX;
    TrackerSettings y = markY;
    const LoadResult resultX = layout.load(x, scratch.in);
    const LoadResult resultY = layout.load(y, scratch.in);
    Require(resultX != LoadResult::NotOpened, "an existing file is opened");
    Require(resultX == resultY, "the result does not depend on the record's former values");

    std::size_t taken = 0;
    while (taken < N && SameField(x, y, layout.fields[taken])) ++taken;
    for (std::size_t i = taken; i < N; ++i) {
        Require(SameField(x, markX, layout.fields[i]) && SameField(y, markY, layout.fields[i]),
                "fields after the first unread one keep their values",
                "field " + std::to_string(i + 1) + "\nread: " + RecordText(x, layout));
    }
    Require((resultX == LoadResult::Complete) == (taken == N), "Complete exactly when every field was read",
            "fields read: " + std::to_string(taken));
    for (const SettingsField& field : layout.fields) {
        if (const auto* text = std::get_if<std::string TrackerSettings::*>(&field)) {
            const std::string& value = x.**text;
            Require(IsValidUtf8(value), "texts read are valid UTF-8", value);
            Require(value.find_first_of("\r\n") == std::string::npos, "texts read hold no line break", value);
        }
    }

    // Whatever the record holds now is written as one line that reads back whole.
    Require(layout.save(x, scratch.out), "the record can be written");
    const QByteArray written = ReadAll(outPath);
    Require(written.endsWith("\r\n") && written.count('\n') == 1 && written.count('\r') == 1,
            "the file is one line ended by CR LF", written.toStdString());
    TrackerSettings back = markY;
    Require(layout.load(back, scratch.out) == LoadResult::Complete, "a written file reads back whole",
            written.toStdString());
    TrackerSettings expected = x;
    for (std::string* text : {&expected.blogUrl, &expected.statusMode}) std::erase(*text, '"');
    for (const SettingsField& field : layout.fields) {
        Require(SameField(back, expected, field), "a written file reads back the same",
                "wrote: " + RecordText(expected, layout) + "\nread: " + RecordText(back, layout));
    }
    Require(layout.save(back, scratch.out) && ReadAll(outPath) == written, "writing what was read back changes nothing");
}

}  // namespace fuzzing
