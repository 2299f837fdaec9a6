#pragma once

#include <QString>

// The file type filters of the backup and restore dialogs, written as the
// desk has always written them ("description|pattern|description|pattern"),
// turned into the form the platform's dialogs take
// ("description (pattern);;...").
namespace DialogFilter {

inline const QString backup = QStringLiteral("File access (*.MDB)|*.mdb|Tutti i file (*.*)|*.*");
inline const QString restore = QStringLiteral("(*.mdb)|*.mdb|Tutti i file (*.*)|*.*");

QString toPlatform(const QString& pairs);

} // namespace DialogFilter
