#pragma once

// Shared by the Access reader's own files only: the libmdb handle of an open
// file and the failures it reports.

#include "databaseformat.h"

#include <mdbtools.h>

#include <QString>

class DbError;

struct AccessHandle
{
    AccessHandle(MdbHandle* handle, QString filePath, qint64 fileSize, DatabaseFormat fileFormat)
        : mdb(handle)
        , path(std::move(filePath))
        , size(fileSize)
        , format(fileFormat)
    {
    }
    ~AccessHandle() { mdb_close(mdb); }
    AccessHandle(const AccessHandle&) = delete;
    AccessHandle& operator=(const AccessHandle&) = delete;

    MdbHandle* mdb;
    QString path;
    qint64 size;
    DatabaseFormat format;
};

// "Impossibile aprire il database ...": a file that is not whole or whose
// pages do not read as Access pages.
DbError damagedAccessFile(const QString& path);
