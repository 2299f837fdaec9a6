#include "passages.h"

#include "platform/database.h"
#include "platform/engine.h"
#include "platform/error.h"
#include "platform/recordset.h"
#include "store/gatequeries.h"
#include "store/registers.h"

#include <QSqlQuery>

namespace Passages {

namespace {

// An empty half is the empty text, never NULL: other desks compare with "".
const QString empty = QStringLiteral("");

QString textOf(const QString& value)
{
    return value.isNull() ? empty : value;
}

QString line(const Recordset& record, const char* dateField, const char* timeField)
{
    return QStringList { record.field(QString::fromLatin1(dateField)),
        record.field(QString::fromLatin1(timeField)), record.field(QStringLiteral("COGNOME")),
        record.field(QStringLiteral("ASSOCIAZIONE")), record.field(QStringLiteral("MOTIVAZIONE")) }
        .join(QLatin1Char(' '));
}

} // namespace

bool isOpen(const Recordset& record)
{
    return record.field(QStringLiteral("DATAIN")).isEmpty()
        || record.field(QStringLiteral("DATAOUT")).isEmpty();
}

QString entryLine(const Recordset& record)
{
    return line(record, "DATAIN", "ORAIN");
}

QString exitLine(const Recordset& record)
{
    return line(record, "DATAOUT", "ORAOUT");
}

void registerPassage(Registers& r, const Passage& passage, Direction direction)
{
    const bool entry = direction == Direction::Entry;
    const QString dateField = entry ? QStringLiteral("DATAIN") : QStringLiteral("DATAOUT");
    const QString timeField = entry ? QStringLiteral("ORAIN") : QStringLiteral("ORAOUT");
    const QString otherDate = entry ? QStringLiteral("DATAOUT") : QStringLiteral("DATAIN");
    const QString otherTime = entry ? QStringLiteral("ORAOUT") : QStringLiteral("ORAIN");

    // Finding the open record and writing it are one change, under a lock on
    // the code: two desks never both start a record for the same code, nor
    // both close the same one (the second finds it closed and starts anew).
    Transaction change(r.Data8);
    Database& database = r.Data8.database();
    database.engine().lockUntilCommit(database.handle(), QStringLiteral("CAR"), passage.code);
    r.Data8.setRecordSource(GateQueries::passagesOfVolunteer, { passage.code });
    r.Data8.refresh();
    Recordset& record = r.Data8.recordset();
    while (!record.eof() && !isOpen(record))
        record.moveNext();
    if (!record.eof()) {
        record.edit();
        record.setField(dateField, textOf(passage.date));
        record.setField(timeField, textOf(passage.time));
        record.setField(QStringLiteral("NOTE"), textOf(passage.note));
    } else {
        record.addNew();
        record.setField(QStringLiteral("PORTA"), textOf(passage.gate));
        record.setField(QStringLiteral("CODVOL"), textOf(passage.code));
        record.setField(QStringLiteral("COGNOME"), textOf(passage.name));
        record.setField(QStringLiteral("ASSOCIAZIONE"), textOf(passage.association));
        record.setField(QStringLiteral("MOTIVAZIONE"), textOf(passage.reason));
        record.setField(dateField, textOf(passage.date));
        record.setField(timeField, textOf(passage.time));
        record.setField(otherDate, empty);
        record.setField(otherTime, empty);
        record.setField(QStringLiteral("NOTE"), textOf(passage.note));
    }
    record.update();
    change.commit();
    r.Data8.refresh();
}

OpenLists openLists(Registers& r)
{
    OpenLists lists;
    r.Data8.setRecordSource(GateQueries::openPassagesByEntry, { empty, empty });
    r.Data8.refresh();
    for (Recordset& record = r.Data8.recordset(); !record.eof(); record.moveNext()) {
        if (!isOpen(record))
            continue;
        if (!record.field(QStringLiteral("DATAIN")).isEmpty())
            lists.entries << entryLine(record);
        else
            lists.exits << exitLine(record);
    }
    r.Data8.endReading();
    return lists;
}

void deleteAll(Registers& r)
{
    Transaction removal(r.Data8);
    Database& database = r.Data8.database();
    QSqlQuery query(database.handle());
    if (!query.exec(GateQueries::deleteAllPassages))
        throw database.translate(query.lastError());
    removal.commit();
    r.Data8.setRecordSource(GateQueries::allPassages);
    r.Data8.refresh();
}

} // namespace Passages
