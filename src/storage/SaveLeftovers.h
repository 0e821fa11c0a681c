#pragma once
// The temporary files of saves, and what a save killed between writing and
// renaming leaves behind: the file's name, ".saving-" and six letters or
// digits (this program's own), or, from its earlier versions, a dot and six
// letters or digits in mixed case (in one case alone it is far likelier a
// word of the user's: "option.ini.backup").

#include <QByteArray>
#include <QString>
#include <QStringList>

// A new name for a temporary file beside the file `name`.
QByteArray TemporaryNameBeside(const QByteArray& name);

bool IsSaveLeftover(const QString& entry, const QStringList& names);
