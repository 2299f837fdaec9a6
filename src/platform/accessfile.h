#pragma once

#include "databaseformat.h"

#include <QString>
#include <QStringList>
#include <memory>

struct AccessHandle;

// A file saved by Access (Jet 3, Jet 4 or ACE), opened through mdbtools'
// libmdb only to be read: nothing is ever written into it or beside it. Its
// tables are read with AccessTable. Every failure is a DbError whose message
// names the file: 3024 missing, 3343 not an Access file, 3049 damaged or cut
// short, 3031 protected by a database password or encrypted.
class AccessFile
{
public:
    explicit AccessFile(const QString& path);
    ~AccessFile();
    AccessFile(const AccessFile&) = delete;
    AccessFile& operator=(const AccessFile&) = delete;

    QString path() const;
    DatabaseFormat format() const;
    // The user tables, in the file's catalog order (system tables left out).
    QStringList tables() const { return m_tables; }

private:
    friend class AccessTable;
    std::shared_ptr<AccessHandle> m_handle;
    QStringList m_tables;
};
