#pragma once

#include <QSqlQuery>
#include <QString>

class DataControl;
class Database;

// One record of the history archive, in the table's field order.
struct HistoryRecord
{
    QString codass, codvol, denom, indir, cap, citta, prov, tel, fax, mail, cogn, nome, spec;
};

// Writes the history archive for a long update on Data5's file: the insert
// and the deletion by association are prepared once and run for every
// record, inside the caller's transaction on that file.
class HistoryWriter
{
public:
    explicit HistoryWriter(DataControl& stor);

    void insert(const HistoryRecord& record);
    // Deletes every history record of the association; how many went.
    int removeAssociation(const QString& denom);

private:
    Database& m_database;
    QSqlQuery m_insert;
    QSqlQuery m_remove;
};
