#pragma once

#include <QMap>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

class Database;

// The rows a data connection's record source selected, walked one at a time.
// Only the current row is held; moving back to the first row runs the query
// again, so a scan over a million history records costs no memory. Edits and
// deletes act on the current row through its rowid. The query runs when a row
// is first asked for, so opening a record source only to add a row reads
// nothing.
class Recordset
{
public:
    Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool eof() const
    {
        readIfPending();
        return m_eof;
    }
    void moveFirst();
    void moveNext();

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
    void open(
        Database* database, const QString& table, const QString& sql, const QVariantList& params);
    // Ends the reading; the prepared statement is kept for the next run.
    void close();
    // Lets go of the statement too (the file is about to be closed).
    void release();
    // Copies the rest of the current row out of its statement, which is about
    // to be run again or let go.
    void keepCurrentRow();
    bool reading() const { return m_query && m_query->isActive(); }
    void execute();
    void fetch();
    // Runs the query opened but not run yet. The rows are the same whenever
    // it runs, so this counts as reading, not as a change of the recordset.
    void readIfPending() const
    {
        if (m_pending)
            const_cast<Recordset*>(this)->execute();
    }
    void prepare(QSqlDatabase db, bool forwardOnly);
    void requireCurrent() const;
    // The current row: its column names and its values, in query order. A
    // row a scan moved to is read from its statement only as its fields are
    // asked for (a list line shows half of a volunteer's columns); `loaded`
    // says which values are here already, and is empty once all are.
    struct Row
    {
        QStringList columns;
        QVariantList values;
        QList<bool> loaded;
    };
    // Takes a row whose columns may differ from the current one's.
    void setCurrentRow(Row row);
    static Row rowOf(const QSqlQuery& query);
    int columnIndex(const QString& name) const;
    const QVariant& valueAt(int index) const;
    const QVariant& valueOf(const QString& name) const;
    QVariant rowId() const;

    enum class EditMode { None, Edit, AddNew };

    Database* m_database = nullptr;
    QString m_table;
    QString m_sql;
    QVariantList m_params;
    // The record source's statement, kept prepared by the register.
    std::shared_ptr<QSqlQuery> m_query;
    bool m_pending = false;
    mutable Row m_current;
    qint64 m_position = -1;
    bool m_eof = true;
    bool m_currentDeleted = false;
    EditMode m_editMode = EditMode::None;
    QMap<QString, QVariant> m_changes;

    // The same few fields are asked for by name on every row of a scan, and
    // nearly always through literals: a name is first looked for by the
    // address of its text among the names found before, then checked.
    struct FoundColumn
    {
        const QChar* text = nullptr;
        qsizetype size = 0;
        int index = -1;
    };
    static constexpr int FoundColumnsKept = 32;
    mutable FoundColumn m_found[FoundColumnsKept];
    mutable int m_foundCount = 0;
    mutable int m_foundNext = 0;
};
