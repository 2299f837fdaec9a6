#pragma once

#include <QList>
#include <QString>
#include <memory>

class ChangeSource;
class DbError;
class QSqlDatabase;
class QSqlError;
struct RegisterFile;

// The engine that holds the registers. Everything that depends on it goes
// through here: how a register is opened and let go, how its failures become
// the numbers the program reports, how a register is laid down, and how NULL
// texts are kept out of it. The rest of the program speaks plain QtSql.
//
// One engine is chosen for the desk's registers at start (`chooseForRegisters`,
// before any register is opened); the external export files are always read
// through `files()`.
class Engine
{
public:
    virtual ~Engine() = default;

    // The Qt driver the engine's connections use.
    virtual QString driverName() const = 0;
    // Where the register of that name is found now (a file engine follows the
    // current folder); a connection opened elsewhere is opened again.
    virtual QString location(const QString& registerName) const = 0;
    // Opens `db`, a fresh connection of driverName(), on the register found at
    // `location`. Throws DbError; a read-only register (`foreign`) is only read.
    virtual void open(QSqlDatabase& db, const QString& location, bool foreign) const = 0;
    // Called on an open connection just before it is closed.
    virtual void closing(QSqlDatabase& db, bool foreign) const = 0;
    // An engine failure as the numbers the program reports; `name` is the
    // register as the message shows it.
    virtual DbError translate(const QSqlError& error, const QString& name) const = 0;

    // Lays the registers down with their tables, keys and indexes, where they
    // are missing (a new program folder). A file engine writes each file in
    // `folder`.
    virtual void layDown(const QString& folder, const QList<RegisterFile>& files) const = 0;
    // Run each time the desk opens one of its registers, before it is read.
    virtual void keepOutNulls(QSqlDatabase& db, const RegisterFile& file) const = 0;

    // Follows the rows committed to the register's `table`, whoever commits
    // them; null when the engine tells nothing of them, and the reader finds
    // out for itself (the files: their stamps and the connection's versions).
    virtual std::unique_ptr<ChangeSource> watchChanges(
        const QString& registerName, const QString& table) const;

    // Whether the code counters are rows of the registers' database
    // (CounterRows) rather than the program folder's counter files.
    virtual bool keepsCounters() const { return false; }
    // Makes every other desk that asks for the same `kind` and `key` wait
    // until the transaction open on `db` ends, so that a record looked for
    // after the lock is found as the other desk left it. A file engine needs
    // nothing: SQLite lets one writer at a time into a file.
    virtual void lockUntilCommit(
        const QSqlDatabase& db, const QString& kind, const QString& key) const
    {
        Q_UNUSED(db)
        Q_UNUSED(kind)
        Q_UNUSED(key)
    }
    // A field's name as a statement the program builds (an insert or an
    // update of a row) writes it.
    virtual QString columnName(const QString& field) const = 0;
    // The fields of `table` in table order, as the program names them (the
    // row key the engine may add is not one of them).
    virtual QStringList tableFields(const QSqlDatabase& db, const QString& table) const = 0;
    // Whether a scan must read on a connection of its own: on some engines
    // any other statement on the connection throws the rest of a streamed
    // result away.
    virtual bool readsApart() const = 0;
    // Whether a failed statement inside a transaction ends the whole
    // transaction (rather than only the statement).
    virtual bool failureEndsTransaction() const = 0;

    // A table's indexes as their names and the statements that make them
    // again (the ones a constraint owns are left out: they cannot be dropped
    // on their own).
    struct Index
    {
        QString name;
        QString statement;
    };
    // `name` is the register as a failure names it.
    virtual QList<Index> indexesOf(
        QSqlDatabase& db, const QString& table, const QString& name) const = 0;
    // The type of a text column of a helper table that must compare as the
    // registers' texts do.
    virtual QString textType() const = 0;
    // Whether the connection has page-cache settings a bulk rewrite can tune
    // (the files' engine keeps its pages in the desk's own memory).
    virtual bool tunesPageCache() const = 0;

    // The register files of the program folder (SQLite).
    static const Engine& files();
    // The engine of the desk's registers: files() unless another was chosen.
    static const Engine& registers();
    static void chooseForRegisters(std::unique_ptr<Engine> engine);

protected:
    // The indexes a catalogue query gives (name, statement), `table` bound
    // to its one placeholder.
    QList<Index> readIndexes(QSqlDatabase& db, const QString& catalogueQuery, const QString& table,
        const QString& name) const;
};
