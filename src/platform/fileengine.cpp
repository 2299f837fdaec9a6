#include "fileengine.h"

#include "dberrors.h"
#include "registerfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <optional>

namespace {

// SQLite result codes we give their own meaning.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteCantOpen = 14;
constexpr int SqliteConstraint = 19;

} // namespace

QString FileEngine::driverName() const
{
    return QStringLiteral("QSQLITE");
}

QString FileEngine::location(const QString& registerName) const
{
    return QDir::current().absoluteFilePath(registerName);
}

void FileEngine::open(QSqlDatabase& db, const QString& location, bool foreign) const
{
    if (!QFileInfo(location).isFile())
        throw DbError(DbError::FileNotFound,
            QStringLiteral("Impossibile trovare il file '%1'.").arg(location));
    db.setDatabaseName(location);
    db.setConnectOptions(foreign ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000;QSQLITE_OPEN_READONLY")
                                 : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        throw translate(db.lastError(), location);
    QSqlQuery probe(db);
    // SQLite opens lazily: reading the schema is what reveals a damaged file.
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master")))
        throw translate(probe.lastError(), location);
    if (!foreign) {
        // Every acknowledged change must survive a crash or a power cut. A
        // read-only file cannot switch journal: it still reads as it is.
        probe.exec(QStringLiteral("pragma journal_mode=WAL"));
        probe.exec(QStringLiteral("pragma synchronous=FULL"));
    }
    // Room for a large register in memory, so that long ordered scans do not
    // read the same pages again and again.
    probe.exec(QStringLiteral("pragma cache_size=-32768"));
}

void FileEngine::closing(QSqlDatabase& db, bool foreign) const
{
    // The file is complete without its write-ahead log (copied by hand, or
    // read by another program). While another connection of the desk still
    // reads the file the log cannot be emptied; closing does not wait for
    // it (five seconds of a frozen desk), the last connection to close
    // empties it.
    if (!foreign) {
        QSqlQuery checkpoint(db);
        checkpoint.exec(QStringLiteral("pragma busy_timeout=0"));
        checkpoint.exec(QStringLiteral("pragma wal_checkpoint(TRUNCATE)"));
    }
}

DbError FileEngine::translate(const QSqlError& error, const QString& name) const
{
    const int code = error.nativeErrorCode().toInt();
    const int primary = code & 0xff;
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    if (primary == SqliteConstraint && text.contains(QLatin1String("UNIQUE"), Qt::CaseInsensitive))
        return DbErrors::duplicateKey();
    if (primary == SqliteNotADatabase || primary == SqliteCorrupt)
        return DbError(DbError::NotADatabase,
            QStringLiteral("Formato di database non riconosciuto '%1'.").arg(name));
    if (primary == SqliteReadOnly || primary == SqliteCantOpen)
        return DbErrors::readOnly(name);
    if (text.startsWith(QLatin1String("no such table"), Qt::CaseInsensitive))
        return DbErrors::tableNotFound(text.section(QLatin1Char(':'), 1).trimmed(), name);
    return DbErrors::engineFailure(name, text);
}

QStringList FileEngine::createStatements(const RegisterFile& file)
{
    QStringList columns;
    for (const QString& field : file.fields)
        columns << (file.numericFields.contains(field)
                ? field + QStringLiteral(" INTEGER")
                : field + QStringLiteral(" TEXT COLLATE NOCASE"));
    QStringList statements;
    statements << QStringLiteral("create table if not exists %1 (%2)")
                      .arg(file.table, columns.join(QStringLiteral(", ")));
    statements << file.keyAndIndexStatements();
    return statements;
}

void FileEngine::layDown(const QString& folder, const QList<RegisterFile>& files) const
{
    const QDir dir(folder);
    for (const RegisterFile& file : files)
        createRegister(dir.filePath(file.fileName), file);
}

void FileEngine::createRegister(const QString& path, const RegisterFile& file)
{
    const QString connection = QStringLiteral("ostrale-create-%1").arg(quintptr(&file));
    std::optional<DbError> failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            failure = FileEngine().translate(db.lastError(), path);
        } else {
            QSqlQuery query(db);
            query.exec(QStringLiteral("pragma journal_mode=WAL"));
            for (const QString& statement : createStatements(file)) {
                if (!query.exec(statement)) {
                    failure = FileEngine().translate(query.lastError(), path);
                    break;
                }
            }
        }
        db.close();
    }
    // The connection goes whatever happened, so the next creation can take
    // its name again.
    QSqlDatabase::removeDatabase(connection);
    if (failure)
        throw *failure;
}

QString FileEngine::columnName(const QString& field) const
{
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QStringList FileEngine::tableFields(const QSqlDatabase& db, const QString& table) const
{
    QStringList fields;
    const QSqlRecord record = db.record(table);
    for (int i = 0; i < record.count(); ++i)
        fields << record.fieldName(i);
    return fields;
}

QList<Engine::Index> FileEngine::indexesOf(
    QSqlDatabase& db, const QString& table, const QString& name) const
{
    return readIndexes(db,
        QStringLiteral("select name, sql from sqlite_master where type = 'index' "
                       "and tbl_name = ? and sql is not null"),
        table, name);
}
