#include "fileengine.h"
#include "registerfile.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

// The text fields the file's table really has, in table order.
QStringList textFields(QSqlDatabase& db, const RegisterFile& file)
{
    QStringList fields;
    QSqlQuery columns(db);
    if (!columns.exec(QStringLiteral("pragma table_info(%1)").arg(file.table)))
        return fields;
    while (columns.next()) {
        const QString name = columns.value(1).toString();
        const QString type = columns.value(2).toString();
        if (!type.contains(QLatin1String("INT"), Qt::CaseInsensitive)
            && !file.numericFields.contains(name, Qt::CaseInsensitive))
            fields << name;
    }
    return fields;
}

bool hasTrigger(QSqlDatabase& db, const QString& name)
{
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("select 1 from sqlite_master where type = 'trigger' and name = ?"));
    query.addBindValue(name);
    return query.exec() && query.next();
}

} // namespace

void FileEngine::keepOutNulls(QSqlDatabase& db, const RegisterFile& file) const
{
    const QString insertTrigger = file.table + QStringLiteral("_EMPTY_TEXTS_INSERT");
    const QString updateTrigger = file.table + QStringLiteral("_EMPTY_TEXTS_UPDATE");
    if (hasTrigger(db, insertTrigger) && hasTrigger(db, updateTrigger))
        return;
    const QStringList fields = textFields(db, file);
    if (fields.isEmpty())
        return;

    QStringList anyNull;
    QStringList emptied;
    QStringList anyNewNull;
    QStringList newEmptied;
    for (const QString& field : fields) {
        anyNull << QStringLiteral("\"%1\" is null").arg(field);
        emptied << QStringLiteral("\"%1\" = coalesce(\"%1\", '')").arg(field);
        anyNewNull << QStringLiteral("new.\"%1\" is null").arg(field);
        newEmptied << QStringLiteral("\"%1\" = coalesce(new.\"%1\", '')").arg(field);
    }
    const QString whenNull = anyNewNull.join(QStringLiteral(" or "));
    const QString repair = QStringLiteral("update %1 set %2 where rowid = new.rowid;")
                               .arg(file.table, newEmptied.join(QStringLiteral(", ")));
    const QStringList statements {
        QStringLiteral("update %1 set %2 where %3")
            .arg(file.table, emptied.join(QStringLiteral(", ")),
                anyNull.join(QStringLiteral(" or "))),
        QStringLiteral("create trigger if not exists %1 after insert on %2 when %3 begin %4 end")
            .arg(insertTrigger, file.table, whenNull, repair),
        QStringLiteral("create trigger if not exists %1 after update on %2 when %3 begin %4 end")
            .arg(updateTrigger, file.table, whenNull, repair),
    };
    // All of it or nothing; a file the desk may not write (read-only, busy)
    // stays exactly as it was and is only read.
    if (!db.transaction())
        return;
    QSqlQuery query(db);
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            db.rollback();
            return;
        }
    }
    if (!db.commit())
        db.rollback();
}
