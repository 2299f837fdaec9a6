#pragma once

#include <QByteArray>
#include <QMap>
#include <QSaveFile>
#include <QString>
#include <QtGlobal>

// Jet 4 layout: 4096-byte pages, little-endian numbers, rows addressed as "page << 8 | row".
namespace Jet {

constexpr int PageSize = 4096;
constexpr quint8 DataPageType = 0x01;
constexpr quint8 TableDefinitionPageType = 0x02;
constexpr quint8 UsageMapPageType = 0x05;
// A data page: header, row count, a 2-byte start per row; rows fill from the end downward.
constexpr int RowCountOffset = 0x0c;
constexpr int FirstRowStartOffset = 0x0e;
// The largest row a page takes; at most 255 rows, as a row number is one byte.
constexpr int LargestRow = PageSize - FirstRowStartOffset - 2;
constexpr int MostRowsPerPage = 255;
// Long texts live on pages owned by this mark instead of a table.
constexpr quint32 LongValueOwner = 0x4c41564c; // "LVAL"

void put16(QByteArray& bytes, int offset, quint16 value);
void put32(QByteArray& bytes, int offset, quint32 value);
void append16(QByteArray& bytes, quint16 value);
void append32(QByteArray& bytes, quint32 value);
QByteArray utf16(const QString& text);

inline quint32 rowAddress(quint32 page, int row)
{
    return page << 8 | static_cast<quint32>(row);
}

// A data page being filled.
class DataPage
{
public:
    explicit DataPage(quint32 owner);

    // Adds the row when it fits; false, and the page unchanged, when not.
    bool add(const QByteArray& row);
    int rows() const { return m_rows; }
    const QByteArray& bytes() const { return m_page; }

private:
    QByteArray m_page;
    int m_rows = 0;
    int m_rowsStart = PageSize;
};

// The file written page by page under a temporary name, renamed on commit(); reserved pages last.
class PageFile
{
public:
    explicit PageFile(const QString& path);

    quint32 reserve();
    quint32 append(const QByteArray& page);
    void fill(quint32 page, const QByteArray& bytes);
    quint32 pageCount() const { return m_pages; }
    void commit();

private:
    void write(const QByteArray& page);

    QSaveFile m_file;
    quint32 m_pages = 0;
    QMap<quint32, QByteArray> m_reserved;
};

} // namespace Jet
