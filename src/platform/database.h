#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QSqlQuery;

class DbError;
class Engine;

// One register, opened through the engine that holds the desk's registers
// (chosen at start). It is named by its file's bare name; the file engine
// finds it in the current folder when it is opened, as the program's files are.
class Database
{
public:
    explicit Database(QString fileName);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    QString fileName() const { return m_fileName; }
    bool isOpen() const { return m_db.isOpen(); }
    // Changes each time the file is opened anew: statements prepared on an
    // earlier opening are no longer valid.
    int generation() const { return m_generation; }

    // Opens the register if it is not open yet (see the engine for what can
    // fail); the register is never created here.
    void open();
    void close();
    QSqlDatabase handle();
    // The connection a scan reads on. Outside a transaction, an engine whose
    // streamed results are lost to the next statement on their connection
    // reads on a second connection of this register, so that the writes made
    // during the scan (on handle()) leave it whole. Inside a transaction the
    // scan reads on handle(), to see the transaction's own writes, and must
    // then hold its rows (readsBuffered()).
    QSqlDatabase readHandle();
    bool readsBuffered() const;

    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

    // Runs a prepared write on handle(); a failure throws the translated
    // error. Inside a transaction, on an engine where a failed statement would
    // end the whole transaction, the write runs in a savepoint: a refused
    // write leaves the transaction as it was, as it does on the files.
    void write(QSqlQuery& query);

    // A statement prepared on `db` (handle() or readHandle()) and kept for the
    // next run of the same text, so that a lookup repeated at every badge read
    // costs one round trip to a server, not three (prepare, run, let go).
    // Reads and writes are kept apart: a scan is never handed the statement a
    // write runs meanwhile. The statements die with the connection: close()
    // empties every one, also those a recordset still holds, which then reads
    // as ended. Throws the translated error when the text does not prepare.
    enum class Use { Read, Write };
    std::shared_ptr<QSqlQuery> prepared(
        QSqlDatabase db, const QString& sql, Use use, bool forwardOnly = true);

    // Called before the kept statements of a connection are emptied, so that
    // a recordset can first copy out the row it shows.
    void setBeforeStatementsDropped(std::function<void()> hook)
    {
        m_beforeStatementsDropped = std::move(hook);
    }

    // Work to do on the file each time it is opened, before anything reads
    // it (a failure there does not stop the opening).
    void setOnOpen(std::function<void(QSqlDatabase&)> onOpen) { m_onOpen = std::move(onOpen); }

    // Another program's file (an export to import from): always a file of the
    // program folder, only read, and left in the journal mode that program
    // gave it, with nothing written beside it.
    void setForeign();

    const Engine& engine() const { return *m_engine; }
    // Turns a failure of this register's engine into the numbers the program
    // reports.
    DbError translate(const QSqlError& error) const;

private:
    QString m_fileName;
    QString m_connectionName;
    QString m_openPath;
    const Engine* m_engine;
    QSqlDatabase m_db;
    QSqlDatabase m_reader;
    int m_generation = 0;
    bool m_foreign = false;
    bool m_inTransaction = false;
    std::function<void(QSqlDatabase&)> m_onOpen;
    std::function<void()> m_beforeStatementsDropped;

    struct KeptStatement
    {
        QString connection;
        QString sql;
        Use use;
        bool forwardOnly;
        std::shared_ptr<QSqlQuery> query;
    };
    // The most recently used last; the oldest is let go past the limit.
    std::vector<KeptStatement> m_statements;
    void dropStatements(const QString& connection);
};

class DataControl;

// Commits on commit(), rolls back if left otherwise (an error thrown half-way).
class Transaction
{
public:
    explicit Transaction(Database& database);
    // A transaction on a data connection first ends the connection's open
    // reading, so the transaction sees what other connections wrote meanwhile.
    explicit Transaction(DataControl& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_database;
    bool m_done = false;
};
