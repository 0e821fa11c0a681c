#include "storage/DataFiles.h"

#include <QStringList>

#include <algorithm>

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <variant>

#include "storage/FileText.h"

namespace DataFiles {

namespace {

const QString kProfileName = QStringLiteral("initial.ini");
const QString kOptionsName = QStringLiteral("option.ini");
const QString kNoticesName = QStringLiteral("notice.ini");

// Each file's fields, in file order. Loading, saving and the defaults all
// read these tables, so a field is declared once.
using Field = std::variant<std::int32_t TrackerSettings::*, std::string TrackerSettings::*>;

constexpr std::array<Field, 8> kProfileFields = {
    &TrackerSettings::quitYear,   &TrackerSettings::quitMonth,       &TrackerSettings::quitDay,
    &TrackerSettings::quitHour,   &TrackerSettings::quitMinute,      &TrackerSettings::cigarettesPerDay,
    &TrackerSettings::pricePer20, &TrackerSettings::sizeMillimetres,
};

constexpr std::array<Field, 15> kOptionFields = {
    &TrackerSettings::setupDone,    &TrackerSettings::tobaccoTaxPer1000, &TrackerSettings::consumptionTaxPercent,
    &TrackerSettings::copyPlusMode, &TrackerSettings::smokingYears,      &TrackerSettings::packDisplay,
    &TrackerSettings::mainLeft,     &TrackerSettings::mainTop,           &TrackerSettings::backColor,
    &TrackerSettings::textColor,    &TrackerSettings::blogUrl,           &TrackerSettings::windowMode,
    &TrackerSettings::miniLeft,     &TrackerSettings::miniTop,           &TrackerSettings::statusMode,
};

// Longer lines are never written by the program; reading stops here so that a
// damaged file cannot make start-up slow.
constexpr qint64 kLongestLineRead = 1 << 20;

// A byte-order mark at the start of a text field is a stray of an editor or
// of files joined together, never part of the text. It is dropped as a field
// is read and as it is written, quoted or not, so that what is written reads
// back the same.
QString WithoutLeadingByteOrderMarks(const QString& text) {
    qsizetype marks = 0;
    while (marks < text.size() && text[marks] == QChar(QChar::ByteOrderMark)) ++marks;
    return text.mid(marks);
}

template <std::size_t N>
QString LineOf(const TrackerSettings& settings, const std::array<Field, N>& fields) {
    QStringList parts;
    for (const Field& field : fields) {
        if (const auto* number = std::get_if<std::int32_t TrackerSettings::*>(&field)) {
            parts << QString::number(settings.**number);
        } else {
            // The format has no escape for a double quote; the windows refuse one, and
            // dropping it here keeps the line readable whatever reaches the file.
            QString text = WithoutLeadingByteOrderMarks(
                QString::fromStdString(settings.*std::get<std::string TrackerSettings::*>(field)));
            text.remove(QLatin1Char('"'));
            text.remove(QLatin1Char('\r'));
            text.remove(QLatin1Char('\n'));
            parts << QLatin1Char('"') + text + QLatin1Char('"');
        }
    }
    return parts.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

// Reads the fields of the first line one after another, as they were written.
class LineReader {
public:
    explicit LineReader(QString line) : line_(std::move(line)) {}

    bool ReadNumber(std::int32_t& value) {
        SkipBlanks();
        if (AtLineEnd()) return false;
        qsizetype end = pos_;
        while (end < line_.size() && line_[end] != QLatin1Char(',')) ++end;
        const QByteArray token = line_.mid(pos_, end - pos_).trimmed().toLatin1();
        pos_ = end;
        SkipSeparator();
        std::int32_t parsed = 0;
        const char* first = token.constData();
        const char* last = first + token.size();
        const auto [ptr, error] = std::from_chars(first, last, parsed);
        if (token.isEmpty() || error != std::errc() || ptr != last) return false;
        value = parsed;
        return true;
    }

    bool ReadText(std::string& value) {
        SkipBlanks();
        if (AtLineEnd()) return false;
        if (pos_ >= line_.size()) {  // the empty field after a final comma
            pendingEmptyField_ = false;
            value.clear();
            return true;
        }
        QString text;
        if (line_[pos_] == QLatin1Char('"')) {
            qsizetype close = line_.indexOf(QLatin1Char('"'), pos_ + 1);
            if (close < 0) close = line_.size();
            text = line_.mid(pos_ + 1, close - pos_ - 1);
            pos_ = std::min(close + 1, line_.size());
            while (pos_ < line_.size() && line_[pos_] != QLatin1Char(',')) ++pos_;
        } else {
            qsizetype end = pos_;
            while (end < line_.size() && line_[end] != QLatin1Char(',')) ++end;
            text = line_.mid(pos_, end - pos_).trimmed();
            pos_ = end;
        }
        SkipSeparator();
        value = WithoutLeadingByteOrderMarks(text).toStdString();
        return true;
    }

private:
    bool AtLineEnd() const { return pos_ >= line_.size() && !pendingEmptyField_; }
    void SkipBlanks() {
        while (pos_ < line_.size() && (line_[pos_] == QLatin1Char(' ') || line_[pos_] == QLatin1Char('\t'))) ++pos_;
    }
    // A comma promises another field, even an empty one at the line's end.
    void SkipSeparator() {
        pendingEmptyField_ = false;
        if (pos_ < line_.size() && line_[pos_] == QLatin1Char(',')) {
            ++pos_;
            pendingEmptyField_ = pos_ >= line_.size();
        }
    }

    QString line_;
    qsizetype pos_ = 0;
    bool pendingEmptyField_ = false;
};

// The first line's bytes, as text. CR and LF never occur inside a character
// of UTF-8 or Shift-JIS, so the line ends before decoding.
std::optional<QString> FirstLineText(QByteArray bytes) {
    const qsizetype end = bytes.indexOf('\n');
    if (end >= 0) bytes.truncate(end);
    const qsizetype cr = bytes.indexOf('\r');
    if (cr >= 0) bytes.truncate(cr);
    bool decoded = true;
    QString text = DecodeFileText(bytes, &decoded);
    if (!decoded) return std::nullopt;
    return text;
}

template <std::size_t N>
LoadResult LoadFields(TrackerSettings& settings, const DataDirectory& folder, const QString& name,
                      const std::array<Field, N>& fields) {
    const FileContent content = folder.Read(name, kLongestLineRead);
    switch (content.access) {
        case FileAccess::Missing: return LoadResult::NotOpened;
        case FileAccess::Unreadable: return LoadResult::Unreadable;
        case FileAccess::Refused: return LoadResult::Refused;
        case FileAccess::Read: break;
    }
    // Text in no known encoding is not guessed at: a save would put the
    // guess in place of what the file holds.
    const std::optional<QString> text = FirstLineText(content.bytes);
    if (!text) return LoadResult::Unreadable;

    LineReader reader(*text);
    for (const Field& field : fields) {
        const bool read = std::visit(
            [&](auto member) {
                using Member = decltype(member);
                if constexpr (std::is_same_v<Member, std::int32_t TrackerSettings::*>) {
                    return reader.ReadNumber(settings.*member);
                } else {
                    return reader.ReadText(settings.*member);
                }
            },
            field);
        if (!read) return LoadResult::Incomplete;
    }
    return LoadResult::Complete;
}

// What a save of the file needs: its new bytes, and what it holds now, which
// may be put back. Nothing where the file may not be replaced: what cannot be
// read, or not as text, would be lost unseen.
std::optional<Replacement> Replacing(const DataDirectory& folder, const QString& name, const QString& line) {
    FileContent old = folder.Read(name, kLongestLineRead);
    const bool replaceable =
        old.access == FileAccess::Missing || (old.access == FileAccess::Read && FirstLineText(old.bytes).has_value());
    if (!replaceable) return std::nullopt;
    return Replacement{name, EncodeFileText(line), std::move(old)};
}

bool SaveLine(DataDirectory& folder, const QString& name, const QString& line) {
    std::optional<Replacement> replacement = Replacing(folder, name, line);
    return replacement && folder.Replace({std::move(*replacement)});
}

}  // namespace

QString ProfileFilePath(const QString& basePath) { return DataFolderPath(basePath) + QLatin1Char('/') + kProfileName; }
QString OptionsFilePath(const QString& basePath) { return DataFolderPath(basePath) + QLatin1Char('/') + kOptionsName; }

QString ProfileLine(const TrackerSettings& settings) { return LineOf(settings, kProfileFields); }
QString OptionsLine(const TrackerSettings& settings) { return LineOf(settings, kOptionFields); }

LoadResult LoadProfile(TrackerSettings& settings, const DataDirectory& folder) {
    return LoadFields(settings, folder, kProfileName, kProfileFields);
}

LoadResult LoadOptions(TrackerSettings& settings, const DataDirectory& folder) {
    return LoadFields(settings, folder, kOptionsName, kOptionFields);
}

bool SaveProfile(const TrackerSettings& settings, DataDirectory& folder) {
    return SaveLine(folder, kProfileName, ProfileLine(settings));
}

bool SaveOptions(const TrackerSettings& settings, DataDirectory& folder) {
    return SaveLine(folder, kOptionsName, OptionsLine(settings));
}

namespace {

// A save of a name that is another data file too would write over that file.
bool NoticesShareAFile(const DataDirectory& folder) {
    return folder.SameFile(kNoticesName, kProfileName) || folder.SameFile(kNoticesName, kOptionsName);
}

}  // namespace

bool LoadNoticesOn(const DataDirectory& folder) {
    if (NoticesShareAFile(folder)) return true;
    const FileContent content = folder.Read(kNoticesName, kLongestLineRead);
    if (content.access != FileAccess::Read) return true;
    const std::optional<QString> text = FirstLineText(content.bytes);
    if (!text) return true;
    std::int32_t value = 1;
    LineReader(*text).ReadNumber(value);
    return value != 0;
}

bool SaveNoticesOn(bool on, DataDirectory& folder) {
    return !NoticesShareAFile(folder) &&
           SaveLine(folder, kNoticesName, on ? QStringLiteral("1\r\n") : QStringLiteral("0\r\n"));
}

bool SaveProfileAndOptions(const TrackerSettings& settings, DataDirectory& folder) {
    // Both checked before either is written, so that a refusal leaves both as they were.
    std::optional<Replacement> profile = Replacing(folder, kProfileName, ProfileLine(settings));
    std::optional<Replacement> options = Replacing(folder, kOptionsName, OptionsLine(settings));
    return profile && options && !AreOneFile(folder) && folder.Replace({std::move(*profile), std::move(*options)});
}

bool AreOneFile(const DataDirectory& folder) { return folder.SameFile(kProfileName, kOptionsName); }

void RemoveInterruptedSaves(DataDirectory& folder) {
    folder.RemoveLeftovers({kProfileName, kOptionsName, kNoticesName});
}

void SetProfileDefaults(TrackerSettings& settings, const MomentParts& now) {
    const TrackerSettings defaults;
    settings.quitYear = now.year;
    settings.quitMonth = now.month;
    settings.quitDay = now.day;
    settings.quitHour = now.hour;
    settings.quitMinute = now.minute;
    settings.cigarettesPerDay = defaults.cigarettesPerDay;
    settings.pricePer20 = defaults.pricePer20;
    settings.sizeMillimetres = defaults.sizeMillimetres;
}

void SetOptionDefaults(TrackerSettings& settings) {
    const TrackerSettings defaults;
    for (const Field& field : kOptionFields) {
        std::visit([&](auto member) { settings.*member = defaults.*member; }, field);
    }
}

}  // namespace DataFiles
