#include "registers.h"

#include "emptytexts.h"
#include "schema.h"

Registers::Registers()
{
    // The TALPEX export files (Data1, Data2) are another system's files and
    // are only read; every other register keeps NULL out of its texts.
    Data1.database().setForeign();
    Data2.database().setForeign();
    auto keepOutNulls = [](Database& database) {
        const RegisterFile* file = Schema::find(database.fileName());
        if (file)
            database.setOnOpen([file](QSqlDatabase& db) { EmptyTexts::keepOutNulls(db, *file); });
    };
    for (DataControl* connection : { &Data3, &Data4, &Data5, &Data6, &Data7, &Data8 })
        keepOutNulls(connection->database());
    keepOutNulls(dbstor);
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
