#pragma once

#include <QMap>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVariantList>

class Database;

// The rows a data connection's record source selected, walked one at a time.
// Only the current row is held; moving back to the first row runs the query
// again, so a scan over a million history records costs no memory. Edits and
// deletes act on the current row through its SQLite rowid.
class Recordset
{
public:
    Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool eof() const { return m_eof; }
    void moveFirst();
    void moveNext();
    void moveLast();

    // The field's value as text; a NULL reads as "".
    QString field(const QString& name) const;
    QVariant value(const QString& name) const;
    QStringList fieldNames() const;

    // Editing follows the engine's rules: addNew() or edit(), field writes,
    // then update() stores the row (or cancelUpdate() drops the changes).
    void addNew();
    void edit();
    void setField(const QString& name, const QVariant& value);
    void update();
    void cancelUpdate();
    void deleteRecord();

private:
    friend class DataControl;
    void open(Database* database, const QString& table, const QString& sql,
        const QVariantList& params);
    // Ends the reading; the prepared statement is kept for the next run.
    void close();
    // Drops the prepared statement too (the file is about to be closed).
    void release();
    void execute();
    void fetch();
    void requireCurrent() const;

    enum class EditMode { None, Edit, AddNew };

    Database* m_database = nullptr;
    QString m_table;
    QString m_sql;
    QVariantList m_params;
    QSqlQuery m_query;
    QString m_preparedSql;
    int m_preparedGeneration = -1;
    QSqlRecord m_current;
    qint64 m_position = -1;
    bool m_eof = true;
    bool m_currentDeleted = false;
    EditMode m_editMode = EditMode::None;
    QMap<QString, QVariant> m_pending;
};
