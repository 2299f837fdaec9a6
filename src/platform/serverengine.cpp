#include "serverengine.h"

#include "counterrows.h"
#include "dberrors.h"
#include "notifiedchanges.h"
#include "registerfile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <optional>

namespace {

// Every desk laying down the schema takes this lock first (any number, the
// same for every desk: "ostr" in ASCII).
constexpr qint64 SchemaLock = 0x6f737472;

QString reasonOf(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.simplified();
}

// What the server says went wrong, without the "ERROR:" label, the lines of
// where it happened (CONTEXT, a trigger's name) and the state code the driver
// adds: the operator reads it in a message box.
QString primaryMessage(const QSqlError& error)
{
    static const QRegularExpression label(QStringLiteral("^(ERROR|ERRORE|FATAL|PANIC):\\s*"));
    static const QRegularExpression stateCode(QStringLiteral("\\([0-9A-Z]{5}\\)$"));
    QString first = error.databaseText().section(QLatin1Char('\n'), 0, 0).trimmed();
    first.remove(label);
    first.remove(stateCode);
    first = first.trimmed();
    return first.isEmpty() ? reasonOf(error) : first;
}

} // namespace

ServerEngine::ServerEngine(ConnInfo server)
    : m_server(std::move(server))
{
}

QString ServerEngine::driverName() const
{
    return QStringLiteral("QPSQL");
}

QString ServerEngine::location(const QString&) const
{
    return m_server.text();
}

DbError ServerEngine::unreachable(const QString& reason) const
{
    return DbError(DbErrors::ServerUnreachable,
        QStringLiteral("Impossibile collegarsi al server dei registri (%1): %2")
            .arg(m_server.server(), reason));
}

void ServerEngine::open(QSqlDatabase& db, const QString& location, bool) const
{
    // Qt quotes a database name whole: the connection string goes in as
    // options, which libpq reads after Qt's own (the last key wins).
    db.setConnectOptions(location);
    if (!db.open())
        throw unreachable(reasonOf(db.lastError()));
}

void ServerEngine::closing(QSqlDatabase&, bool) const { }

DbError ServerEngine::translate(const QSqlError& error, const QString& name) const
{
    const QString state = error.nativeErrorCode();
    const QString text = reasonOf(error);
    if (state == QLatin1String("23505"))
        return DbErrors::duplicateKey();
    if (state == QLatin1String("42P01")) {
        static const QRegularExpression relation(QStringLiteral("relation \"([^\"]*)\""));
        const QRegularExpressionMatch m = relation.match(text);
        const QString table = m.hasMatch() ? m.captured(1) : text;
        // Each register's table bears its file's name: without its table the
        // register itself is missing, as a register file can be.
        if (QFileInfo(name).completeBaseName().compare(table, Qt::CaseInsensitive) == 0)
            return DbError(DbError::FileNotFound,
                QStringLiteral("Impossibile trovare il file '%1'.").arg(name));
        return DbErrors::tableNotFound(table, name);
    }
    if (state == QLatin1String("25006"))
        return DbErrors::readOnly(name);
    if (state.startsWith(QLatin1String("08")) || state == QLatin1String("57P01")
        || state == QLatin1String("57P02") || state == QLatin1String("57P03")
        || (state.isEmpty() && error.type() == QSqlError::ConnectionError))
        return unreachable(text);
    return DbErrors::engineFailure(name, primaryMessage(error));
}

QStringList ServerEngine::createStatements(const RegisterFile& file)
{
    QStringList columns { QStringLiteral("rowid bigint generated always as identity primary key") };
    QStringList emptied;
    for (const QString& field : file.fields) {
        if (file.numericFields.contains(field)) {
            columns << field + QStringLiteral(" integer");
        } else {
            columns << field + QStringLiteral(" citext not null default ''");
            emptied << QStringLiteral("new.%1 := coalesce(new.%1, '');").arg(field);
        }
    }
    QStringList statements;
    statements << QStringLiteral("create table if not exists %1 (%2)")
                      .arg(file.table, columns.join(QStringLiteral(", ")));
    statements << file.keyAndIndexStatements();
    // NOT NULL alone would refuse a NULL text; the trigger stores it as ''
    // (it runs before the constraint is checked).
    statements << QStringLiteral("create or replace function %1_empty_texts() returns trigger "
                                 "language plpgsql as $$ begin %2 return new; end $$")
                      .arg(file.table, emptied.join(QLatin1Char(' ')));
    statements << QStringLiteral("create or replace trigger %1_EMPTY_TEXTS before insert or update "
                                 "on %1 for each row execute function %1_empty_texts()")
                      .arg(file.table);
    if (file.changesNotified) {
        // Each committed row's number, to whoever listens on the table's
        // channel (delivered only after the commit, once per row and
        // transaction).
        statements << QStringLiteral(
            "create or replace function %1_notify() returns trigger language plpgsql as $$ begin "
            "if tg_op <> 'INSERT' then perform pg_notify('%2', old.rowid::text); end if; "
            "if tg_op <> 'DELETE' then perform pg_notify('%2', new.rowid::text); end if; "
            "return null; end $$")
                          .arg(file.table, changesChannel(file.table));
        statements << QStringLiteral("create or replace trigger %1_NOTIFY after insert or update "
                                     "or delete on %1 for each row execute function %1_notify()")
                          .arg(file.table);
    }
    return statements;
}

QString ServerEngine::changesChannel(const QString& table)
{
    return QStringLiteral("ostrale_") + table.toLower();
}

std::unique_ptr<ChangeSource> ServerEngine::watchChanges(
    const QString& registerName, const QString& table) const
{
    return std::make_unique<NotifiedChanges>(*this, location(registerName), changesChannel(table));
}

void ServerEngine::layDown(const QString&, const QList<RegisterFile>& files) const
{
    static int counter = 0;
    const QString connection = QStringLiteral("ostrale-schema-%1").arg(++counter);
    std::optional<DbError> failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driverName(), connection);
        try {
            open(db, m_server.text(), false);
            QSqlQuery query(db);
            auto run = [&](const QString& sql) {
                if (!query.exec(sql))
                    throw translate(query.lastError(), m_server.server());
            };
            if (!db.transaction())
                throw translate(db.lastError(), m_server.server());
            run(QStringLiteral("select pg_advisory_xact_lock(%1)").arg(SchemaLock));
            // "already exists, skipping" is the usual case: no notice of it.
            run(QStringLiteral("set local client_min_messages = warning"));
            run(QStringLiteral(
                "select datctype, datname from pg_database where datname = current_database()"));
            query.next();
            const QString ctype = query.value(0).toString();
            const QString name = query.value(1).toString();
            if (ctype != QLatin1String("C") && ctype != QLatin1String("POSIX"))
                throw DbError(DbError::EngineFailure,
                    QStringLiteral(
                        "Il database '%1' del server usa LC_CTYPE '%2': le lettere accentate "
                        "maiuscole e minuscole risulterebbero uguali, diversamente dai file del "
                        "programma. Creare il database con: createdb -T template0 --locale=C "
                        "-E UTF8 %1")
                        .arg(name, ctype));
            run(QStringLiteral("create extension if not exists citext"));
            for (const RegisterFile& file : files)
                for (const QString& statement : createStatements(file))
                    run(statement);
            run(CounterRows::createStatement());
            if (!db.commit())
                throw translate(db.lastError(), m_server.server());
        } catch (const DbError& error) {
            failure = error;
            if (db.isOpen())
                db.rollback();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (failure)
        throw *failure;
}

void ServerEngine::keepOutNulls(QSqlDatabase&, const RegisterFile&) const { }

void ServerEngine::lockUntilCommit(
    const QSqlDatabase& db, const QString& kind, const QString& key) const
{
    // Two keys of 32 bits: the kind's hash and the key's, folded to lower
    // case as citext compares it; a clash of hashes only makes two desks wait
    // for each other without need.
    QSqlQuery query(db);
    query.prepare(QStringLiteral("select pg_advisory_xact_lock(hashtext(?), hashtext(lower(?)))"));
    query.addBindValue(kind);
    query.addBindValue(key);
    if (!query.exec())
        throw translate(query.lastError(), m_server.server());
}

QString ServerEngine::columnName(const QString& field) const
{
    return QLatin1Char('"') + field.toLower() + QLatin1Char('"');
}

QStringList ServerEngine::tableFields(const QSqlDatabase& db, const QString& table) const
{
    // The driver looks a table's columns up by the name as given, which is
    // not how the server stores an unquoted one: an empty result names them.
    QSqlQuery query(db);
    query.exec(QStringLiteral("select * from %1 limit 0").arg(table));
    QStringList fields;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        if (record.fieldName(i).compare(QLatin1String("rowid"), Qt::CaseInsensitive) != 0)
            fields << record.fieldName(i).toUpper();
    return fields;
}

QList<Engine::Index> ServerEngine::indexesOf(
    QSqlDatabase& db, const QString& table, const QString& name) const
{
    return readIndexes(db,
        QStringLiteral("select i.indexname, i.indexdef from pg_indexes i "
                       "where i.schemaname = current_schema() and i.tablename = lower(?) "
                       "and not exists (select 1 from pg_constraint c "
                       "where c.conname = i.indexname)"),
        table, name);
}
