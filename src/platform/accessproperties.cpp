#include "accessproperties.h"

#include <QtEndian>
#include <cstdlib>
#include <vector>

namespace {

// The catalog table, MSysObjects, always starts on page 2.
constexpr unsigned long CatalogPage = 2;
constexpr qsizetype MarkLength = 4;
// A chunk starts with its length (4 bytes, itself included) and its type.
constexpr qsizetype ChunkHeader = 6;
constexpr quint16 NamesChunk = 0x80;
constexpr quint16 LastPropertiesChunk = 0x02;
// A property block starts with its length (4 bytes) and the length of its
// name (2 bytes); each property record with its length, a flag, its type,
// the number of its name and the length of its value (2 bytes each but the
// flag and type).
constexpr qsizetype BlockHeader = 6;
constexpr qsizetype RecordHeader = 8;
// The room libmdb binds the catalog's short columns with.
constexpr size_t ColumnRoom = MDB_BIND_SIZE;

quint16 read16(const char* at)
{
    return qFromLittleEndian<quint16>(at);
}

quint32 read32(const char* at)
{
    return qFromLittleEndian<quint32>(at);
}

// A names list: each name its length (2 bytes) and its text; returns the
// number of names, or -1 when one runs past the chunk.
qsizetype namesIn(const char* data, qsizetype length)
{
    qsizetype names = 0;
    for (qsizetype pos = 0; pos < length; ++names) {
        if (pos + 2 > length)
            return -1;
        pos += 2 + read16(data + pos);
        if (pos > length)
            return -1;
    }
    return names;
}

bool propertiesWellFormed(const char* data, qsizetype length, qsizetype names)
{
    if (length < BlockHeader)
        return false;
    qsizetype pos = BlockHeader + read16(data + 4);
    if (pos > length)
        return false;
    while (pos < length) {
        if (pos + RecordHeader > length)
            return false;
        const qsizetype recordLength = read16(data + pos);
        const qsizetype name = read16(data + pos + 4);
        const qsizetype valueLength = read16(data + pos + 6);
        if (recordLength < RecordHeader || pos + recordLength > length || name >= names
            || RecordHeader + valueLength > recordLength)
            return false;
        pos += recordLength;
    }
    return true;
}

} // namespace

namespace AccessProperties {

bool wellFormed(const QByteArray& block)
{
    if (block.size() < MarkLength
        || (!block.startsWith(QByteArray("KKD\0", MarkLength))
            && !block.startsWith(QByteArray("MR2\0", MarkLength))))
        return false;
    const char* data = block.constData();
    const qsizetype length = block.size();
    qsizetype names = -1;
    for (qsizetype pos = MarkLength; pos < length;) {
        if (pos + ChunkHeader > length)
            return false;
        const qsizetype chunkLength = read32(data + pos);
        const quint16 type = read16(data + pos + 4);
        if (chunkLength < ChunkHeader || chunkLength > length - pos)
            return false;
        const char* body = data + pos + ChunkHeader;
        const qsizetype bodyLength = chunkLength - ChunkHeader;
        if (type == NamesChunk) {
            names = namesIn(body, bodyLength);
            if (names < 0)
                return false;
        } else if (type <= LastPropertiesChunk) {
            if (names < 0 || !propertiesWellFormed(body, bodyLength, names))
                return false;
        }
        pos += chunkLength;
    }
    return true;
}

bool catalogReadable(MdbHandle* mdb)
{
    // The catalog is read here as libmdb will read it: its rows in order,
    // the property block of each table entry read whole.
    MdbCatalogEntry catalog {};
    catalog.mdb = mdb;
    catalog.object_type = MDB_TABLE;
    catalog.table_pg = CatalogPage;
    qstrncpy(catalog.object_name, "MSysObjects", sizeof catalog.object_name);
    MdbTableDef* table = mdb_read_table(&catalog);
    if (!table)
        return false;
    bool readable = mdb_read_columns(table) != nullptr;
    std::vector<char> type(ColumnRoom, 0);
    std::vector<char> properties(ColumnRoom, 0);
    int propertiesLength = 0;
    int propertiesColumn = -1;
    if (readable) {
        readable = mdb_bind_column_by_name(table, const_cast<gchar*>("Type"), type.data(), nullptr)
            != -1;
        propertiesColumn = mdb_bind_column_by_name(
            table, const_cast<gchar*>("LvProp"), properties.data(), &propertiesLength);
        readable = readable && propertiesColumn != -1;
    }
    if (readable) {
        auto* column
            = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, propertiesColumn - 1));
        mdb_rewind_table(table);
        while (readable && mdb_fetch_row(table)) {
            if (std::atoi(type.data()) != MDB_TABLE || propertiesLength == 0)
                continue;
            size_t size = 0;
            void* block = mdb_ole_read_full(mdb, column, &size);
            readable
                = block && wellFormed(QByteArray(static_cast<const char*>(block), qsizetype(size)));
            std::free(block);
        }
    }
    mdb_free_tabledef(table);
    return readable;
}

} // namespace AccessProperties
