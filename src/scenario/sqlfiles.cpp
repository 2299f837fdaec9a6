#include "sqlfiles.h"

#include "stepfailure.h"

#include "platform/error.h"
#include "platform/fileengine.h"
#include "store/schema.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <functional>

namespace {

// The register's definition when the desk keeps it on a server, else null.
const RegisterFile* serverRegister(const QString& path)
{
    const RegisterFile* definition = Schema::find(path);
    if (!definition || definition->external || &Engine::registers() == &Engine::files())
        return nullptr;
    return definition;
}

// Opens the file, or the server that holds its register, on a connection of
// its own for the length of `work`.
void withDatabase(const QString& path, const std::function<void(QSqlDatabase&)>& work)
{
    static int counter = 0;
    const QString connection = QStringLiteral("ostrale-scenario-%1").arg(++counter);
    const Engine& server = Engine::registers();
    const bool onServer = serverRegister(path);
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(
            onServer ? server.driverName() : QStringLiteral("QSQLITE"), connection);
        bool opened = false;
        if (onServer) {
            try {
                server.open(db, server.location(path), false);
                opened = true;
            } catch (const OstraleError& error) {
                failure = QStringLiteral("cannot reach the server: %1").arg(errorText(error));
            }
        } else {
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
            opened = db.open();
            if (!opened)
                failure = QStringLiteral("cannot open %1: %2").arg(path, db.lastError().text());
        }
        if (opened) {
            try {
                work(db);
            } catch (const StepFailure& stepFailure) {
                failure = stepFailure.message;
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!failure.isEmpty())
        throw StepFailure { failure };
}

bool hasTable(const QString& path, const QString& table)
{
    bool found = false;
    withDatabase(
        path, [&](QSqlDatabase& db) { found = db.tables().contains(table, Qt::CaseInsensitive); });
    return found;
}

void createIfMissing(const QString& path)
{
    const RegisterFile* definition = Schema::find(path);
    if (serverRegister(path)) {
        // On the server a register's table is missing only when a step
        // removed it: it is made again as a new database has it.
        try {
            Engine::registers().layDown(QString(), { *definition });
        } catch (const OstraleError& error) {
            throw StepFailure {
                QStringLiteral("cannot create the table of %1: %2").arg(path, errorText(error))
            };
        }
        return;
    }
    if (!definition)
        return; // any other file: SQLite creates it, the statement makes its table
    if (QFileInfo::exists(path) && hasTable(path, definition->table))
        return;
    try {
        FileEngine::createRegister(path, *definition);
    } catch (const OstraleError& error) {
        throw StepFailure { QStringLiteral("cannot create %1: %2").arg(path, errorText(error)) };
    }
}

// SQLite writes a real number with 15 significant digits and always a
// decimal point; a truth value (the server's) is written 1 or 0, as SQLite
// gives it.
QString sqliteText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    if (value.typeId() != QMetaType::Double)
        return value.toString();
    QString text = QString::number(value.toDouble(), 'g', 15);
    if (text.contains(QLatin1String("inf")) || text.contains(QLatin1String("nan")))
        return text;
    const qsizetype exponent = text.indexOf(QLatin1Char('e'));
    const QString mantissa = exponent < 0 ? text : text.left(exponent);
    if (!mantissa.contains(QLatin1Char('.')))
        text.insert(exponent < 0 ? text.size() : exponent, QStringLiteral(".0"));
    return text;
}

QString queryFailure(const QSqlQuery& query)
{
    return QStringLiteral("the SQL failed: %1").arg(query.lastError().text());
}

void run(QSqlQuery& query, const QString& sql)
{
    if (!query.exec(sql))
        throw StepFailure { queryFailure(query) };
}

const RegisterFile& registerOf(const QString& path)
{
    const RegisterFile* definition = Schema::find(path);
    if (!definition)
        throw StepFailure {
            QStringLiteral("expected a register file, found %1").arg(QFileInfo(path).fileName())
        };
    return *definition;
}

// A trigger raising the message. The message and the whole function body
// go in as the server's own literals, whatever quotes they hold.
void refuseOnServer(
    QSqlDatabase& db, const QString& table, const QString& message, const QString& condition)
{
    const QString function = table.toLower() + QStringLiteral("_refuse_inserts");
    QSqlQuery query(db);
    // Dropping what is not there is the usual case: no notice of it.
    run(query, QStringLiteral("set client_min_messages = warning"));
    run(query, QStringLiteral("drop trigger if exists %1_REFUSE_INSERTS on %1").arg(table));
    run(query, QStringLiteral("drop function if exists %1()").arg(function));
    if (message.isEmpty())
        return;
    const QString test = condition.isEmpty() ? QStringLiteral("true")
                                             : QLatin1Char('(') + condition + QLatin1Char(')');
    QSqlQuery made(db);
    made.prepare(
        QStringLiteral("select format('create function %I() returns trigger language "
                       "plpgsql as %L', ?::text, ?::text || quote_literal(?::text) || ?::text)"));
    made.addBindValue(function);
    made.addBindValue(
        QStringLiteral("begin if ") + test + QStringLiteral(" then raise exception '%', "));
    made.addBindValue(message);
    made.addBindValue(QStringLiteral("; end if; return new; end"));
    if (!made.exec() || !made.next())
        throw StepFailure { queryFailure(made) };
    run(query, made.value(0).toString());
    run(query,
        QStringLiteral("create trigger %1_REFUSE_INSERTS before insert on %1 for each row "
                       "execute function %2()")
            .arg(table, function));
}

void refuseInFile(
    QSqlDatabase& db, const QString& table, const QString& message, const QString& condition)
{
    QSqlQuery query(db);
    run(query, QStringLiteral("drop trigger if exists %1_REFUSE_INSERTS").arg(table));
    if (message.isEmpty())
        return;
    QString quotedMessage = message;
    quotedMessage.replace(QLatin1Char('\''), QStringLiteral("''"));
    run(query,
        QStringLiteral("create trigger ") + table
            + QStringLiteral("_REFUSE_INSERTS before insert on ") + table
            + (condition.isEmpty() ? QString()
                                   : QStringLiteral(" when (") + condition + QLatin1Char(')'))
            + QStringLiteral(" begin select raise(abort, '") + quotedMessage
            + QStringLiteral("'); end"));
}

} // namespace

namespace SqlFiles {

void execute(const QString& path, const QString& sql)
{
    createIfMissing(path);
    withDatabase(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!query.exec(sql))
            throw StepFailure { queryFailure(query) };
    });
}

QStringList rows(const QString& path, const QString& sql)
{
    if (!serverRegister(path) && !QFileInfo(path).isFile())
        throw StepFailure {
            QStringLiteral("expected the database file %1, found no such file").arg(path)
        };
    // A server table's identity column is not one of the register's fields:
    // "select *" shows the fields the file shows.
    const bool server = serverRegister(path) != nullptr;
    QStringList out;
    withDatabase(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(sql))
            throw StepFailure { queryFailure(query) };
        while (query.next()) {
            const QSqlRecord record = query.record();
            QStringList fields;
            for (int i = 0; i < record.count(); ++i)
                if (!server
                    || record.fieldName(i).compare(QLatin1String("rowid"), Qt::CaseInsensitive)
                        != 0)
                    fields << sqliteText(query.value(i));
            out << fields.join(QLatin1Char('|'));
        }
    });
    return out;
}

void refuseInserts(const QString& path, const QString& message, const QString& condition)
{
    const RegisterFile& definition = registerOf(path);
    createIfMissing(path);
    const bool server = serverRegister(path) != nullptr;
    withDatabase(path, [&](QSqlDatabase& db) {
        if (server)
            refuseOnServer(db, definition.table, message, condition);
        else
            refuseInFile(db, definition.table, message, condition);
    });
}

QStringList indexNames(const QString& path)
{
    const RegisterFile& definition = registerOf(path);
    const bool server = serverRegister(path) != nullptr;
    if (!server && !QFileInfo(path).isFile())
        throw StepFailure {
            QStringLiteral("expected the database file %1, found no such file").arg(path)
        };
    const Engine& engine = server ? Engine::registers() : Engine::files();
    QStringList names;
    withDatabase(path, [&](QSqlDatabase& db) {
        try {
            for (const Engine::Index& index :
                engine.indexesOf(db, definition.table, QFileInfo(path).fileName()))
                names << index.name;
        } catch (const OstraleError& error) {
            throw StepFailure { errorText(error) };
        }
    });
    std::sort(names.begin(), names.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

bool onServer(const QString& path)
{
    static const QRegularExpression companion(QStringLiteral("-(wal|shm|journal)$"));
    return serverRegister(QString(path).remove(companion)) != nullptr;
}

bool removeFromServer(const QString& path)
{
    const RegisterFile* definition = serverRegister(path);
    if (!definition)
        return false;
    execute(path, QStringLiteral("drop table %1").arg(definition->table));
    return true;
}

} // namespace SqlFiles
