#pragma once

#include "conninfo.h"
#include "engine.h"

// The registers as tables of one PostgreSQL database, reached through Qt's
// driver with a key=value connection string. Text fields are citext (they
// compare and sort without regard to case as the files' NOCASE does, ASCII
// letters only, in a database whose LC_CTYPE is C), never NULL (a trigger
// stores NULL as ''), and each table starts with an identity column `rowid`
// numbering its rows in insertion order.
class ServerEngine : public Engine
{
public:
    explicit ServerEngine(ConnInfo server);

    ConnInfo server() const { return m_server; }

    QString driverName() const override;
    QString location(const QString& registerName) const override;
    // A server that cannot be reached is error 3151, naming the server (never
    // the password) and the reason libpq gives.
    void open(QSqlDatabase& db, const QString& location, bool foreign) const override;
    void closing(QSqlDatabase& db, bool foreign) const override;
    // A missing register table is the register missing (3024), as a missing
    // file is on the files.
    DbError translate(const QSqlError& error, const QString& name) const override;
    // On the first desk's first start: the citext extension and every table
    // with its keys, indexes and empty-text trigger, in one transaction; a
    // later desk finds them made. Desks starting at once wait for each other
    // on an advisory lock. A database whose LC_CTYPE would fold accented
    // letters (anything but C or POSIX) is refused with the fix.
    void layDown(const QString& folder, const QList<RegisterFile>& files) const override;
    // The trigger made with the table keeps NULL texts out.
    void keepOutNulls(QSqlDatabase& db, const RegisterFile& file) const override;
    // The counters are a table of the database (made with the registers).
    bool keepsCounters() const override { return true; }
    // A transaction-scoped advisory lock on the pair.
    void lockUntilCommit(
        const QSqlDatabase& db, const QString& kind, const QString& key) const override;
    // The server folds unquoted names to lower case, which is how the tables
    // were made: a quoted name must be in lower case too.
    QString columnName(const QString& field) const override;
    // The register's names are upper case; the identity column is left out.
    QStringList tableFields(const QSqlDatabase& db, const QString& table) const override;
    // A streamed result is lost to the next statement on its connection.
    bool readsApart() const override { return true; }
    // Until it is rolled back, the transaction refuses every statement.
    bool failureEndsTransaction() const override { return true; }
    QList<Index> indexesOf(
        QSqlDatabase& db, const QString& table, const QString& name) const override;
    // A text column would compare with regard to case even against citext.
    QString textType() const override { return QStringLiteral("citext"); }
    bool tunesPageCache() const override { return false; }

    // Rows committed to a table whose register notifies its changes, told
    // through the server's notifications.
    std::unique_ptr<ChangeSource> watchChanges(
        const QString& registerName, const QString& table) const override;

    // The statements that make the register's table, keys, indexes and
    // triggers.
    static QStringList createStatements(const RegisterFile& file);
    // The notification channel that tells the rows committed to `table`.
    static QString changesChannel(const QString& table);

private:
    DbError unreachable(const QString& reason) const;

    ConnInfo m_server;
};
