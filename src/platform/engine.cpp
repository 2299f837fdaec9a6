#include "engine.h"

#include "changesource.h"
#include "error.h"
#include "fileengine.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

std::unique_ptr<Engine>& chosen()
{
    static std::unique_ptr<Engine> engine;
    return engine;
}

} // namespace

std::unique_ptr<ChangeSource> Engine::watchChanges(const QString&, const QString&) const
{
    return nullptr;
}

const Engine& Engine::files()
{
    static const FileEngine engine;
    return engine;
}

const Engine& Engine::registers()
{
    const std::unique_ptr<Engine>& engine = chosen();
    return engine ? *engine : files();
}

void Engine::chooseForRegisters(std::unique_ptr<Engine> engine)
{
    chosen() = std::move(engine);
}

QList<Engine::Index> Engine::readIndexes(QSqlDatabase& db, const QString& catalogueQuery,
    const QString& table, const QString& name) const
{
    QSqlQuery query(db);
    query.prepare(catalogueQuery);
    query.addBindValue(table);
    if (!query.exec())
        throw translate(query.lastError(), name);
    QList<Index> indexes;
    while (query.next())
        indexes << Index { query.value(0).toString(), query.value(1).toString() };
    return indexes;
}
