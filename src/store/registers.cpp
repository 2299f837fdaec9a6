#include "registers.h"

Registers::Registers() = default;

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
