#include "serverregisterstore.h"

#include "platform/accessfile.h"
#include "platform/databaseformat.h"
#include "platform/error.h"
#include "platform/fileengine.h"
#include "platform/registerfile.h"
#include "platform/serverengine.h"
#include "platform/temporarybeside.h"
#include "registercopy.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <functional>
#include <optional>

namespace {

constexpr qint64 RowsBetweenProgress = 500;

// Runs `work` on a connection of its own, opened by `engine` on `location`
// (a register file for the file engine, only read when `readOnly`), closed
// and let go afterwards whatever happened.
void withConnection(const Engine& engine, const QString& location, bool readOnly,
    const std::function<void(QSqlDatabase&)>& work)
{
    static int counter = 0;
    const QString name = QStringLiteral("ostrale-maintenance-%1").arg(++counter);
    std::exception_ptr failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(engine.driverName(), name);
        try {
            engine.open(db, location, readOnly);
            work(db);
        } catch (...) {
            failure = std::current_exception();
            if (db.isOpen())
                db.rollback();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (failure)
        std::rethrow_exception(failure);
}

void run(QSqlQuery& query, const QString& sql, const Engine& engine, const QString& name)
{
    if (!query.exec(sql))
        throw engine.translate(query.lastError(), name);
}

QString fieldList(const RegisterFile& kind)
{
    return kind.fields.join(QStringLiteral(", "));
}

QString insertText(const RegisterFile& kind)
{
    return QStringLiteral("insert into %1 (%2) values (%3)")
        .arg(kind.table, fieldList(kind),
            QStringList(kind.fields.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
}

// A value of a saved file as the register's column takes it: a count left
// empty has no number.
QVariant valueFor(const RegisterFile& kind, int field, const QVariant& value)
{
    if (!kind.numericFields.contains(kind.fields.at(field)))
        return value.isNull() ? QVariant() : QVariant(value.toString());
    if (value.isNull() || value.toString().isEmpty())
        return QVariant();
    return value;
}

} // namespace

const ServerEngine& ServerRegisterStore::server()
{
    return dynamic_cast<const ServerEngine&>(Engine::registers());
}

bool ServerRegisterStore::isFile(const RegisterFile& kind) const
{
    return kind.external;
}

void ServerRegisterStore::save(
    const RegisterFile& kind, const QString& live, const QString& target) const
{
    const ServerEngine& engine = server();
    if (isFile(kind)) {
        RegisterCopy::copy(live, target);
        return;
    }
    TemporaryBeside temporary(target);
    temporary.fill([&](const QString& copyPath) {
        FileEngine::createRegister(copyPath, kind);
        withConnection(Engine::files(), copyPath, false, [&](QSqlDatabase& file) {
            QSqlQuery fileQuery(file);
            // Forced to disk once, whole, before it is put in place; a saved
            // file carries no journal beside it, so it travels alone.
            run(fileQuery, QStringLiteral("pragma journal_mode=DELETE"), Engine::files(), target);
            run(fileQuery, QStringLiteral("pragma synchronous=OFF"), Engine::files(), target);
            withConnection(engine, engine.location(kind.fileName), false, [&](QSqlDatabase& db) {
                QSqlQuery rows(db);
                rows.setForwardOnly(true);
                // Every row as one moment of the table saw them, whatever
                // the other desks commit meanwhile.
                run(rows, QStringLiteral("begin isolation level repeatable read read only"), engine,
                    kind.fileName);
                run(rows,
                    QStringLiteral("select %1 from %2 order by rowid")
                        .arg(fieldList(kind), kind.table),
                    engine, kind.fileName);
                if (!file.transaction())
                    throw Engine::files().translate(file.lastError(), target);
                QSqlQuery insert(file);
                if (!insert.prepare(insertText(kind)))
                    throw Engine::files().translate(insert.lastError(), target);
                while (rows.next()) {
                    for (int i = 0; i < kind.fields.size(); ++i)
                        insert.bindValue(i, valueFor(kind, i, rows.value(i)));
                    if (!insert.exec())
                        throw Engine::files().translate(insert.lastError(), target);
                }
                if (rows.lastError().isValid())
                    throw engine.translate(rows.lastError(), kind.fileName);
                if (!file.commit())
                    throw Engine::files().translate(file.lastError(), target);
                db.rollback();
            });
        });
    });
    temporary.putInPlace();
}

void ServerRegisterStore::restore(const QString& source, const QString& live,
    const RegisterFile& kind, const AccessCopy::Progress& progress) const
{
    if (isFile(kind)) {
        RegisterCopy::restore(source, live, kind, progress);
        return;
    }
    if (!isAccessFormat(databaseFormatOfFile(source))) {
        RegisterCopy::checkRegister(source, kind);
        replaceRows(source, source, kind, progress);
        return;
    }
    // An Access copy is checked and made a register file first, as a file
    // desk restores it (a key it breaks is refused there, naming the value),
    // then its rows replace the table's.
    const AccessFile access(source);
    AccessCopy::checkRegister(access, kind);
    QTemporaryDir folder;
    if (!folder.isValid())
        failWrite(folder.path());
    const QString copy = folder.filePath(kind.fileName);
    try {
        AccessCopy::copy(access, copy, kind, progress);
    } catch (DbError& failure) {
        throw DbError(failure.number(), failure.description().replace(copy, source));
    }
    replaceRows(copy, source, kind, progress);
}

void ServerRegisterStore::replaceRows(const QString& source, const QString& reportedAs,
    const RegisterFile& kind, const AccessCopy::Progress& progress) const
{
    const ServerEngine& engine = server();
    withConnection(Engine::files(), source, true, [&](QSqlDatabase& file) {
        QSqlQuery rows(file);
        rows.setForwardOnly(true);
        run(rows, QStringLiteral("select count(*) from %1").arg(kind.table), Engine::files(),
            reportedAs);
        const qint64 total = rows.next() ? rows.value(0).toLongLong() : 0;
        run(rows, QStringLiteral("select %1 from %2").arg(fieldList(kind), kind.table),
            Engine::files(), reportedAs);
        withConnection(engine, engine.location(kind.fileName), false, [&](QSqlDatabase& db) {
            // One transaction: every row of the table goes and the file's
            // come in, or the table stays as it was.
            if (!db.transaction())
                throw engine.translate(db.lastError(), kind.fileName);
            QSqlQuery query(db);
            run(query, QStringLiteral("delete from %1").arg(kind.table), engine, kind.fileName);
            QSqlQuery insert(db);
            if (!insert.prepare(insertText(kind)))
                throw engine.translate(insert.lastError(), kind.fileName);
            qint64 done = 0;
            while (rows.next()) {
                for (int i = 0; i < kind.fields.size(); ++i)
                    insert.bindValue(i, valueFor(kind, i, rows.value(i)));
                if (!insert.exec()) {
                    const DbError failure = engine.translate(insert.lastError(), kind.fileName);
                    if (failure.number() != DbError::DuplicateKey)
                        throw failure;
                    throw DbError(DbError::DuplicateKey,
                        QStringLiteral("Il file '%1' contiene due volte la stessa chiave nella "
                                       "tabella %2: l'archivio non è stato copiato.")
                            .arg(reportedAs, kind.table));
                }
                if (progress && ++done % RowsBetweenProgress == 0)
                    progress(done, total);
            }
            if (rows.lastError().isValid())
                throw Engine::files().translate(rows.lastError(), reportedAs);
            if (!db.commit())
                throw engine.translate(db.lastError(), kind.fileName);
            if (progress)
                progress(total, total);
        });
    });
}

void ServerRegisterStore::compact(const RegisterFile& kind, const QString& live) const
{
    const ServerEngine& engine = server();
    if (isFile(kind)) {
        RegisterCopy::compact(live);
        return;
    }
    withConnection(engine, engine.location(kind.fileName), false, [&](QSqlDatabase& db) {
        // Outside any transaction, as the server requires it.
        QSqlQuery query(db);
        run(query, QStringLiteral("vacuum (analyze) %1").arg(kind.table), engine, kind.fileName);
    });
}
