#pragma once

#include "database.h"
#include "recordset.h"

#include <QString>
#include <QVariantList>

// A data connection: one register file, its one table, and a record source
// (a table name, or a query whose values are bound to its '?' placeholders).
// refresh() runs the record source; the result is walked through recordset().
class DataControl
{
public:
    DataControl(QString name, QString fileName, QString table, QString initialRecordSource);
    ~DataControl();
    DataControl(const DataControl&) = delete;
    DataControl& operator=(const DataControl&) = delete;

    QString name() const { return m_name; }
    QString fileName() const { return m_database.fileName(); }
    QString table() const { return m_table; }
    QString recordSource() const { return m_recordSource; }
    QVariantList parameters() const { return m_parameters; }

    void setRecordSource(const QString& sql, const QVariantList& parameters = {});
    void refresh();
    Recordset& recordset() { return m_recordset; }
    Database& database() { return m_database; }

    // Ends the reading of the current record source (the recordset is left
    // at its end); the next refresh reads again.
    void endReading();

    // Lets go of the file (a maintenance operation copies or replaces it);
    // the next refresh opens it again.
    void closeDatabase();

private:
    QString m_name;
    Database m_database;
    QString m_table;
    QString m_recordSource;
    QVariantList m_parameters;
    Recordset m_recordset;
};
