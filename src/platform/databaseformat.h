#pragma once

#include <QByteArray>
#include <QString>

// What a database file is, told by its first bytes and never by its name: a
// register of this desk (SQLite) or a file saved by Access (Jet 3 for Access
// 97, Jet 4 for Access 2000-2003, ACE for Access 2007 and later).
enum class DatabaseFormat { Unknown, Sqlite, Jet3, Jet4, Ace };

// The format of a file whose first bytes are `head` (a few dozen are enough).
DatabaseFormat databaseFormat(const QByteArray& head);

// The format of the file at `path`; Unknown when it cannot be read.
DatabaseFormat databaseFormatOfFile(const QString& path);

inline bool isAccessFormat(DatabaseFormat format)
{
    return format == DatabaseFormat::Jet3 || format == DatabaseFormat::Jet4
        || format == DatabaseFormat::Ace;
}
