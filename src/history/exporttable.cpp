#include "exporttable.h"

#include "accessexporttable.h"
#include "platform/databaseformat.h"
#include "platform/datacontrol.h"
#include "sqlexporttable.h"

#include <QDir>

ExportTable::~ExportTable() = default;

std::unique_ptr<ExportTable> ExportTable::open(DataControl& connection)
{
    // The connection finds its file in the current folder; so does this.
    const QString path = QDir::current().absoluteFilePath(connection.fileName());
    if (isAccessFormat(databaseFormatOfFile(path)))
        return std::make_unique<AccessExportTable>(path, connection.table());
    return std::make_unique<SqlExportTable>(connection);
}
