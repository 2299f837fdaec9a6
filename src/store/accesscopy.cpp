#include "accesscopy.h"

#include "platform/accessfile.h"
#include "platform/accesstable.h"
#include "platform/database.h"
#include "platform/engine.h"
#include "platform/fileengine.h"
#include "platform/error.h"
#include "schema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <exception>

namespace {

// The progress is told once every so many rows.
constexpr qint64 RowsBetweenProgress = 1000;

// The values of the key the row broke, as "CODVOL «0010001»".
QString brokenKey(QSqlDatabase& db, const RegisterFile& kind, const QStringList& row)
{
    for (const QStringList& key : kind.uniqueKeys) {
        QStringList conditions;
        QStringList shown;
        for (const QString& field : key) {
            conditions << field + QStringLiteral(" = ?");
            shown << QStringLiteral("%1 «%2»").arg(field, row.value(kind.fields.indexOf(field)));
        }
        QSqlQuery query(db);
        query.prepare(QStringLiteral("select count(*) from %1 where %2")
                          .arg(kind.table, conditions.join(QStringLiteral(" and "))));
        for (const QString& field : key)
            query.addBindValue(row.value(kind.fields.indexOf(field)));
        if (query.exec() && query.next() && query.value(0).toLongLong() > 0)
            return shown.join(QStringLiteral(", "));
    }
    return {};
}

// Writes the rows through one prepared insert inside one transaction.
void writeRows(QSqlDatabase& db, AccessTable& table, const RegisterFile& kind,
    const QString& source, const AccessCopy::Progress& progress)
{
    QList<int> columns;
    for (const QString& field : kind.fields)
        columns << table.column(field);
    const QString marks
        = QStringList(kind.fields.size(), QStringLiteral("?")).join(QLatin1Char(','));
    QSqlQuery insert(db);
    insert.setForwardOnly(true);
    if (!db.transaction()
        || !insert.prepare(QStringLiteral("insert into %1 (%2) values (%3)")
                               .arg(kind.table, kind.fields.join(QLatin1Char(',')), marks)))
        throw Engine::files().translate(db.lastError(), db.databaseName());

    const qint64 total = table.rowCount();
    qint64 done = 0;
    QStringList values;
    while (table.next()) {
        values.clear();
        for (int i = 0; i < kind.fields.size(); ++i) {
            const QString value = table.row().value(columns.at(i));
            values << value;
            // A count left empty stays without a number; texts are stored
            // as they are, an empty one as the empty text.
            const bool number = kind.numericFields.contains(kind.fields.at(i));
            insert.bindValue(i, number && value.isEmpty() ? QVariant() : QVariant(value));
        }
        if (!insert.exec()) {
            const DbError failure = Engine::files().translate(insert.lastError(), db.databaseName());
            if (failure.number() != DbError::DuplicateKey)
                throw failure;
            throw DbError(DbError::DuplicateKey,
                QStringLiteral(
                    "Il file '%1' contiene due volte la stessa chiave (%2) nella tabella "
                    "%3: l'archivio non è stato copiato.")
                    .arg(source, brokenKey(db, kind, values), kind.table));
        }
        if (progress && ++done % RowsBetweenProgress == 0)
            progress(done, total);
    }
    if (!db.commit())
        throw Engine::files().translate(db.lastError(), db.databaseName());
    if (progress)
        progress(total, total);
}

} // namespace

namespace AccessCopy {

void checkRegister(const AccessFile& source, const RegisterFile& kind)
{
    if (!source.tables().contains(kind.table, Qt::CaseInsensitive))
        throw Schema::tableMissing(source.path(), kind);
    const AccessTable table(source, kind.table);
    for (const QString& field : kind.fields)
        if (table.column(field) < 0)
            throw Schema::fieldMissing(source.path(), kind, field);
}

void copy(const AccessFile& source, const QString& target, const RegisterFile& kind,
    const Progress& progress)
{
    checkRegister(source, kind);
    AccessTable table(source, kind.table);
    FileEngine::createRegister(target, kind);

    const QString connection = QStringLiteral("ostrale-access-copy-%1").arg(quintptr(&table));
    std::exception_ptr failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(target);
        try {
            if (!db.open())
                throw Engine::files().translate(db.lastError(), target);
            // The new file is not in its place yet: whoever puts it there
            // forces it to disk once, whole.
            QSqlQuery(db).exec(QStringLiteral("pragma synchronous=OFF"));
            writeRows(db, table, kind, source.path(), progress);
        } catch (const OstraleError&) {
            failure = std::current_exception();
            db.rollback();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace AccessCopy
