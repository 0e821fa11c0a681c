#pragma once
// The encodings of the data files. They are written in the system's code page
// (Shift-JIS on a Japanese Windows, UTF-8 on Linux) and read in whichever of
// the program's encodings they turn out to be in.

#include <QByteArray>
#include <QString>

// A file's text in the system's code page when that code page can hold all
// of it, in UTF-8 otherwise (a Japanese status mode on a Western Windows),
// rather than losing characters to '?'.
QByteArray EncodeFileText(const QString& text);

// UTF-8 when the bytes are valid UTF-8, the system's code page otherwise, so
// that either kind of file reads back as written. Where the system's code page
// is UTF-8 (Linux) the other kind is Shift-JIS: the files of a Japanese
// Windows, copied over. *decoded is false when the bytes are none of these;
// the text then holds replacement characters.
QString DecodeFileText(const QByteArray& bytes, bool* decoded = nullptr);
