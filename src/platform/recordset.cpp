#include "recordset.h"

#include "database.h"
#include "engine.h"
#include "error.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

namespace {

// An empty text is stored and matched as an empty text, never as NULL: a
// null QString would otherwise bind as NULL, which "=" never matches.
QVariant textNeverNull(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString && value.toString().isNull())
        return QString(QLatin1String(""));
    return value;
}

const QString RowIdColumn = QStringLiteral("ostrale_rowid");
// A server table's own row key column, which "*" selects too: not a field.
const QString ServerRowIdColumn = QStringLiteral("rowid");

DbError noCurrentRecord()
{
    return DbError(DbError::NoCurrentRecord, QStringLiteral("Nessun record corrente."));
}

} // namespace

void Recordset::open(
    Database* database, const QString& table, const QString& sql, const QVariantList& params)
{
    close();
    m_database = database;
    m_table = table;
    m_sql = sql;
    m_params = params;
    // Prepared now, so that a missing table or field shows at once.
    prepare(m_database->readHandle(), !m_database->readsBuffered());
    m_pending = true;
}

void Recordset::close()
{
    m_pending = false;
    if (reading())
        m_query->finish();
    setCurrentRow({});
    m_position = -1;
    m_eof = true;
    m_currentDeleted = false;
    m_editMode = EditMode::None;
    m_changes.clear();
}

void Recordset::release()
{
    close();
    m_query.reset();
}

void Recordset::keepCurrentRow()
{
    if (m_current.loaded.isEmpty())
        return;
    for (int i = 0; i < m_current.values.size(); ++i)
        valueAt(i);
    m_current.loaded.clear();
}

// The same query run again (a scan restarted, a lookup repeated, a record
// source switched back) on the same connection reuses its prepared statement.
void Recordset::prepare(QSqlDatabase db, bool forwardOnly)
{
    if (reading())
        m_query->finish(); // a statement left reading would hold the file
    m_query = m_database->prepared(db, m_sql, Database::Use::Read, forwardOnly);
}

void Recordset::execute()
{
    keepCurrentRow(); // before readHandle(), which may reopen the reader
    m_pending = false;
    prepare(m_database->readHandle(), !m_database->readsBuffered());
    for (int i = 0; i < m_params.size(); ++i)
        m_query->bindValue(i, textNeverNull(m_params[i]));
    if (!m_query->exec())
        throw m_database->translate(m_query->lastError());
    m_position = -1;
    fetch();
}

void Recordset::fetch()
{
    m_currentDeleted = false;
    m_editMode = EditMode::None;
    m_changes.clear();
    if (reading() && m_query->next()) {
        // The columns are the same on every row: only the values change, and
        // they are read when asked for.
        if (m_position < 0 || m_current.columns.isEmpty())
            setCurrentRow(rowOf(*m_query));
        else
            m_current.loaded.fill(false, m_current.values.size());
        ++m_position;
        m_eof = false;
    } else {
        if (m_query && m_query->lastError().isValid())
            throw m_database->translate(m_query->lastError());
        setCurrentRow({});
        m_eof = true;
        if (m_query)
            m_query->finish();
    }
}

void Recordset::moveFirst()
{
    if (!m_database)
        throw noCurrentRecord();
    readIfPending();
    if (m_position == 0 && !m_eof && !m_currentDeleted)
        return;
    execute();
}

void Recordset::moveNext()
{
    readIfPending();
    if (m_eof)
        throw noCurrentRecord();
    fetch();
}

// A row being added reads NULL in every field it has not been given.
const QVariant& Recordset::valueOf(const QString& name) const
{
    static const QVariant unset;
    if (m_editMode != EditMode::None) {
        const auto changed = m_changes.constFind(name.toUpper());
        if (changed != m_changes.cend())
            return *changed;
        if (m_editMode == EditMode::AddNew)
            return unset;
    }
    readIfPending();
    requireCurrent();
    const int index = columnIndex(name);
    if (index < 0)
        throw DbError::itemNotFound(name);
    return valueAt(index);
}

QVariant Recordset::value(const QString& name) const
{
    return valueOf(name);
}

QString Recordset::field(const QString& name) const
{
    const QVariant& v = valueOf(name);
    return v.isNull() ? QString() : v.toString();
}

QStringList Recordset::fieldNames() const
{
    readIfPending();
    QStringList names;
    for (const QString& column : m_current.columns)
        if (column != RowIdColumn && column.compare(ServerRowIdColumn, Qt::CaseInsensitive) != 0)
            names << column;
    return names;
}

void Recordset::addNew()
{
    if (!m_database)
        throw noCurrentRecord();
    m_editMode = EditMode::AddNew;
    m_changes.clear();
}

void Recordset::edit()
{
    readIfPending();
    requireCurrent();
    m_editMode = EditMode::Edit;
    m_changes.clear();
}

void Recordset::setField(const QString& name, const QVariant& value)
{
    if (m_editMode == EditMode::None)
        throw DbError(DbError::UpdateWithoutEdit,
            QStringLiteral("Aggiornamento o annullamento senza AddNew o Edit."));
    m_changes.insert(name.toUpper(), textNeverNull(value));
}

void Recordset::update()
{
    if (m_editMode == EditMode::None)
        throw DbError(DbError::UpdateWithoutEdit,
            QStringLiteral("Aggiornamento o annullamento senza AddNew o Edit."));
    if (m_changes.isEmpty()) {
        m_editMode = EditMode::None;
        return;
    }
    QStringList columns;
    QVariantList values;
    for (auto it = m_changes.cbegin(); it != m_changes.cend(); ++it) {
        columns << m_database->engine().columnName(it.key());
        values << it.value();
    }
    QString sql;
    if (m_editMode == EditMode::AddNew) {
        QStringList marks;
        for (int i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        sql = QStringLiteral("insert into %1 (%2) values (%3)")
                  .arg(m_table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    } else {
        const QVariant rowid = rowId();
        QStringList assignments;
        for (const QString& column : columns)
            assignments << column + QStringLiteral("=?");
        sql = QStringLiteral("update %1 set %2 where rowid=?")
                  .arg(m_table, assignments.join(QLatin1Char(',')));
        values << rowid;
    }
    const std::shared_ptr<QSqlQuery> write
        = m_database->prepared(m_database->handle(), sql, Database::Use::Write);
    for (int i = 0; i < values.size(); ++i)
        write->bindValue(i, values[i]);
    m_database->write(*write);

    if (m_editMode == EditMode::Edit) {
        // Read the row back, so the recordset shows what the column now holds
        // (a count typed as "0001" reads back as 1).
        const std::shared_ptr<QSqlQuery> reread = m_database->prepared(m_database->handle(),
            QStringLiteral("select rowid as %1, * from %2 where rowid=?").arg(RowIdColumn, m_table),
            Database::Use::Write);
        reread->bindValue(0, rowId());
        if (reread->exec() && reread->next())
            setCurrentRow(rowOf(*reread));
        reread->finish();
    }
    m_editMode = EditMode::None;
    m_changes.clear();
}

void Recordset::cancelUpdate()
{
    m_editMode = EditMode::None;
    m_changes.clear();
}

void Recordset::deleteRecord()
{
    readIfPending();
    requireCurrent();
    const QVariant rowid = rowId();
    const std::shared_ptr<QSqlQuery> write = m_database->prepared(m_database->handle(),
        QStringLiteral("delete from %1 where rowid=?").arg(m_table), Database::Use::Write);
    write->bindValue(0, rowid);
    m_database->write(*write);
    m_currentDeleted = true;
    m_editMode = EditMode::None;
}

void Recordset::setCurrentRow(Row row)
{
    m_current = std::move(row);
    m_foundCount = 0;
    m_foundNext = 0;
}

Recordset::Row Recordset::rowOf(const QSqlQuery& query)
{
    const QSqlRecord record = query.record();
    Row row;
    for (int i = 0; i < record.count(); ++i) {
        row.columns << record.fieldName(i);
        row.values << query.value(i);
    }
    return row;
}

// The row's own key, which edits and deletes go through; a record source
// that did not select it cannot be written through.
QVariant Recordset::rowId() const
{
    const int index = columnIndex(RowIdColumn);
    if (index < 0)
        throw DbError(
            3027, QStringLiteral("Impossibile aggiornare. Database o oggetto di sola lettura."));
    return valueAt(index);
}

const QVariant& Recordset::valueAt(int index) const
{
    if (!m_current.loaded.isEmpty() && !m_current.loaded.at(index)) {
        m_current.values[index] = m_query->value(index);
        m_current.loaded[index] = true;
    }
    return m_current.values.at(index);
}

int Recordset::columnIndex(const QString& name) const
{
    const QStringList& columns = m_current.columns;
    const auto sameName = [&](int index) {
        const QString& column = columns.at(index);
        return column.size() == name.size() && column.compare(name, Qt::CaseInsensitive) == 0;
    };
    for (int i = 0; i < m_foundCount; ++i) {
        const FoundColumn& found = m_found[i];
        if (found.text == name.constData() && found.size == name.size() && sameName(found.index))
            return found.index;
    }
    for (int index = 0; index < columns.size(); ++index) {
        if (!sameName(index))
            continue;
        m_found[m_foundNext] = { name.constData(), name.size(), index };
        m_foundNext = (m_foundNext + 1) % FoundColumnsKept;
        m_foundCount = qMin(m_foundCount + 1, FoundColumnsKept);
        return index;
    }
    return -1;
}

void Recordset::requireCurrent() const
{
    if (m_eof || m_currentDeleted || m_current.columns.isEmpty())
        throw noCurrentRecord();
}
