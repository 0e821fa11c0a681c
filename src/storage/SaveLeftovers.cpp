#include "storage/SaveLeftovers.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

}  // namespace

QByteArray TemporaryNameBeside(const QByteArray& name) {
    QByteArray temporary = name + ".saving-";
    for (int letter = 0; letter < 6; ++letter) {
        temporary += kLetters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof kLetters) - 1)];
    }
    return temporary;
}

bool IsSaveLeftover(const QString& entry, const QStringList& names) {
    static const QRegularExpression kPattern(QStringLiteral("^(.+)\\.(saving-)?([A-Za-z0-9]{6})$"));
    const QRegularExpressionMatch match = kPattern.match(entry);
    if (!match.hasMatch() || !names.contains(match.captured(1))) return false;
    const QString letters = match.captured(3);
    return match.hasCaptured(2) || (letters != letters.toLower() && letters != letters.toUpper());
}
