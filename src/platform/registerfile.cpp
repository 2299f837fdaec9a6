#include "registerfile.h"

QStringList RegisterFile::keyAndIndexStatements() const
{
    QStringList statements;
    for (const QStringList& key : uniqueKeys)
        statements << QStringLiteral("create unique index if not exists %1_KEY_%2 on %1 (%3)")
                          .arg(table, key.join(QLatin1Char('_')), key.join(QStringLiteral(", ")));
    for (const QStringList& index : indexes)
        statements << QStringLiteral("create index if not exists %1_BY_%2 on %1 (%3)")
                          .arg(table, index.join(QLatin1Char('_')),
                              index.join(QStringLiteral(", ")));
    return statements;
}
