#include "exporttable.h"

#include "accessexporttable.h"
#include "platform/databaseformat.h"
#include "platform/datacontrol.h"
#include "sqlexporttable.h"

#include <QDir>

ExportTable::~ExportTable() = default;

std::unique_ptr<ExportTable> ExportTable::open(DataControl& connection)
{
    // The connection finds its file by its bare name in the current folder;
    // so does the Access reader, whose messages then name it so.
    const QString name = connection.fileName();
    if (isAccessFormat(databaseFormatOfFile(QDir::current().absoluteFilePath(name))))
        return std::make_unique<AccessExportTable>(name, connection.table());
    return std::make_unique<SqlExportTable>(connection);
}
