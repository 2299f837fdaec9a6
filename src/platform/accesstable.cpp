#include "accesstable.h"

#include "accessfile.h"
#include "accesshandle.h"
#include "accessvalue.h"
#include "error.h"

#include <algorithm>
#include <vector>

namespace {

// Only the low 30 bits of a memo's header hold its length; the top two say
// where the text is kept.
constexpr quint32 MemoLengthMask = 0x3fffffff;
// A byte of a memo as stored becomes at most three bytes of UTF-8 (a
// Windows-1252 "€" in Jet 3, any character of Unicode text).
constexpr size_t Utf8BytesPerStoredByte = 3;
// Room for any text column (255 characters) and for a memo of up to 1365
// stored bytes; a row with a longer memo is read again with room for it.
constexpr size_t UsualBindSize = 4096;

} // namespace

// The table's own libmdb handle (a clone of the file's, so its page buffer
// and position are its own), the table definition and the buffers libmdb
// writes each column's text into.
struct AccessTable::Reading
{
    std::shared_ptr<AccessHandle> file;
    MdbHandle* mdb = nullptr;
    MdbTableDef* table = nullptr;
    size_t bindSize = 0;
    std::vector<std::vector<char>> texts;
    std::vector<int> lengths;
    quint64 rowsRead = 0;

    ~Reading()
    {
        if (table)
            mdb_free_tabledef(table);
        if (mdb)
            mdb_close(mdb);
    }

    MdbColumn* column(int i) const
    {
        return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
    }

    // libmdb writes up to its bind size into each column's buffer, and cuts
    // a text there.
    void bind(size_t size)
    {
        for (unsigned int i = 0; i < table->num_cols; ++i) {
            std::vector<char>(size, 0).swap(texts[i]);
            mdb_bind_column(table, static_cast<int>(i) + 1, texts[i].data(), &lengths[i]);
        }
        mdb_set_bind_size(mdb, size);
        bindSize = size;
    }

    // The room the longest memo of the row just read needs; a length beyond
    // the file's own is a damaged file.
    size_t roomForMemos() const
    {
        size_t room = 0;
        for (unsigned int i = 0; i < table->num_cols; ++i) {
            const MdbColumn* col = column(static_cast<int>(i));
            if (col->col_type != MDB_MEMO || col->cur_value_len < MDB_MEMO_OVERHEAD)
                continue;
            const quint32 stored
                = static_cast<quint32>(mdb_get_int32(mdb->pg_buf, col->cur_value_start))
                & MemoLengthMask;
            if (stored > file->size)
                throw damagedAccessFile(file->path);
            room = std::max(room, stored * Utf8BytesPerStoredByte + 1);
        }
        return room;
    }

    QString value(int i) const
    {
        const MdbColumn* col = column(i);
        const char* text = texts[i].data();
        const bool stored = col->cur_value_len > 0;
        switch (col->col_type) {
        case MDB_BOOL:
            return AccessValue::yesNoText(text[0] == '1');
        case MDB_FLOAT:
            return stored ? AccessValue::realText(mdb_get_single(mdb->pg_buf, col->cur_value_start))
                          : QString();
        case MDB_DOUBLE:
            return stored ? AccessValue::realText(mdb_get_double(mdb->pg_buf, col->cur_value_start))
                          : QString();
        case MDB_DATETIME:
            return stored
                ? AccessValue::dateTimeText(mdb_get_double(mdb->pg_buf, col->cur_value_start))
                : QString();
        case MDB_MONEY:
        case MDB_NUMERIC:
            return AccessValue::decimalText(QString::fromLatin1(text, lengths[i]));
        case MDB_OLE:
        case MDB_BINARY:
            return QString();
        default: // texts, memos, integers, replication ids
            return QString::fromUtf8(text, lengths[i]);
        }
    }
};

AccessTable::AccessTable(const AccessFile& file, const QString& name)
    : m_reading(std::make_unique<Reading>())
{
    Reading& r = *m_reading;
    r.file = file.m_handle;
    const QString& path = r.file->path;
    r.mdb = mdb_clone_handle(r.file->mdb);
    if (!r.mdb || !mdb_read_catalog(r.mdb, MDB_TABLE))
        throw damagedAccessFile(path);
    MdbCatalogEntry* found = nullptr;
    for (unsigned int i = 0; i < r.mdb->num_catalog && !found; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(r.mdb->catalog, i));
        if (entry->object_type == MDB_TABLE
            && QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
            found = entry;
    }
    if (!found)
        throw DbError(DbError::TableNotFound,
            QStringLiteral("Impossibile trovare la tabella o la query di input '%1' nel file '%2'.")
                .arg(name, path));
    m_name = QString::fromUtf8(found->object_name);
    r.table = mdb_read_table(found);
    if (!r.table || !mdb_read_columns(r.table))
        throw damagedAccessFile(path);

    for (unsigned int i = 0; i < r.table->num_cols; ++i) {
        m_columns << QString::fromUtf8(r.column(static_cast<int>(i))->name);
        m_columnByName.insert(m_columns.last().toLower(), static_cast<int>(i));
    }
    r.texts.resize(r.table->num_cols);
    r.lengths.resize(r.table->num_cols);
    r.bind(UsualBindSize);
    mdb_rewind_table(r.table);
}

AccessTable::~AccessTable() = default;

int AccessTable::column(const QString& name) const
{
    return m_columnByName.value(name.toLower(), -1);
}

quint64 AccessTable::rowCount() const
{
    return m_reading->table->num_rows;
}

bool AccessTable::next()
{
    Reading& r = *m_reading;
    m_row.clear();
    if (!mdb_fetch_row(r.table)) {
        // The table definition counts its rows: fewer read means pages that
        // are missing or unreadable.
        if (r.rowsRead != r.table->num_rows)
            throw damagedAccessFile(r.file->path);
        return false;
    }
    ++r.rowsRead;
    // A memo longer than the buffers was cut: the row is read again with
    // room for it, and the buffers go back to their usual size after it.
    const size_t room = r.roomForMemos();
    const bool grown = room > r.bindSize;
    if (grown) {
        r.bind(room);
        mdb_read_row(r.table, r.table->cur_row - 1);
    }
    for (unsigned int i = 0; i < r.table->num_cols; ++i)
        m_row << r.value(static_cast<int>(i));
    if (grown)
        r.bind(UsualBindSize);
    return true;
}

void AccessTable::rewind()
{
    mdb_rewind_table(m_reading->table);
    m_reading->rowsRead = 0;
    m_row.clear();
}

QString AccessTable::field(const QString& name) const
{
    const int i = column(name);
    if (i < 0)
        throw DbError::itemNotFound(name);
    return m_row.value(i);
}
