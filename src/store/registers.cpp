#include "registers.h"

#include "schema.h"

#include "platform/engine.h"

Registers::Registers()
{
    // The TALPEX export files (Data1, Data2) are another system's files and
    // are only read; every other register keeps NULL out of its texts.
    auto prepare = [](Database& database) {
        const RegisterFile* file = Schema::find(database.fileName());
        if (!file)
            return;
        if (file->external) {
            database.setForeign();
            return;
        }
        database.setOnOpen(
            [file, &database](QSqlDatabase& db) { database.engine().keepOutNulls(db, *file); });
    };
    for (DataControl* connection : connections())
        prepare(connection->database());
    prepare(dbstor);
}

Registers::~Registers() = default;

QList<DataControl*> Registers::connections()
{
    return { &Data1, &Data2, &Data3, &Data4, &Data5, &Data6, &Data7, &Data8 };
}

DataControl* Registers::connectionFor(const QString& fileName)
{
    for (DataControl* connection : connections())
        if (connection->fileName().compare(fileName, Qt::CaseInsensitive) == 0)
            return connection;
    return nullptr;
}

void Registers::closeAll()
{
    for (DataControl* connection : connections())
        connection->closeDatabase();
    dbstor.close();
}
