#pragma once

#include "engine.h"

#include <QStringList>

// The registers as SQLite files of the program folder, one table per file,
// found by their bare names in the current folder.
class FileEngine : public Engine
{
public:
    QString driverName() const override;
    QString location(const QString& registerName) const override;
    // A missing file is error 3024 (it is never created here), a file that is
    // not a database 3343. WAL journal and full sync: an acknowledged change
    // survives a crash. A foreign file is opened read-only and left in the
    // journal mode its program gave it, with nothing written beside it.
    void open(QSqlDatabase& db, const QString& location, bool foreign) const override;
    // Every change goes into the file itself before it is let go.
    void closing(QSqlDatabase& db, bool foreign) const override;
    DbError translate(const QSqlError& error, const QString& name) const override;
    void layDown(const QString& folder, const QList<RegisterFile>& files) const override;
    // Files written by other programs hold NULL where the desk writes an
    // empty text, and an SQL "=" never matches NULL: a history record with an
    // empty name could not be found again by its fields. So the first time
    // the desk opens a file, its NULL texts become empty texts, and two
    // triggers stored in the file turn the NULL texts of every later insert
    // or update (by any program) into empty texts too. A file that already
    // carries the triggers is left as it is, so the scan runs once per file.
    // A read-only file is only read.
    void keepOutNulls(QSqlDatabase& db, const RegisterFile& file) const override;
    // Quoted, as the table spells it.
    QString columnName(const QString& field) const override;
    QStringList tableFields(const QSqlDatabase& db, const QString& table) const override;
    // A scan and the writes made while it is open share the connection.
    bool readsApart() const override { return false; }
    // Only the failed statement is undone.
    bool failureEndsTransaction() const override { return false; }
    QList<Index> indexesOf(
        QSqlDatabase& db, const QString& table, const QString& name) const override;
    // The left side of a comparison decides: the registers' NOCASE fields.
    QString textType() const override { return QStringLiteral("TEXT"); }
    bool tunesPageCache() const override { return true; }

    // Creates the file at `path` with its table, keys and indexes, where they
    // are missing.
    static void createRegister(const QString& path, const RegisterFile& file);
    // The statements that make the file's table, keys and indexes.
    static QStringList createStatements(const RegisterFile& file);
};
