#include "storage/FileText.h"

#include <QStringConverter>

QByteArray EncodeFileText(const QString& text) {
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray bytes = encoder.encode(text);
    // Some code pages' encoders put '?' for what they lack without saying so;
    // only a round trip tells.
    QStringDecoder decoder(QStringConverter::System);
    const QString back = decoder.decode(bytes);
    if (!encoder.hasError() && !decoder.hasError() && back == text) return bytes;
    return text.toUtf8();
}

QString DecodeFileText(const QByteArray& bytes, bool* decoded) {
    if (decoded != nullptr) *decoded = true;
    // Text in a double-byte code page is next to never valid UTF-8, and ASCII
    // reads the same either way.
    if (bytes.isValidUtf8()) return QString::fromUtf8(bytes);
    QStringDecoder system(QStringConverter::System, QStringConverter::Flag::Stateless);
    const QString text = system.decode(bytes);
    if (!system.hasError()) return text;
    // The system's code page is UTF-8 itself (Linux): a file from the Windows
    // program is in Shift-JIS, and is written back in UTF-8.
    QStringDecoder shiftJis("Shift_JIS", QStringConverter::Flag::Stateless);
    if (shiftJis.isValid()) {
        const QString japanese = shiftJis.decode(bytes);
        if (!shiftJis.hasError()) return japanese;
    }
    if (decoded != nullptr) *decoded = false;
    return text;
}
