#include "jetpages.h"

#include "jeterror.h"

#include <cstring>

namespace Jet {

void put16(QByteArray& bytes, int offset, quint16 value)
{
    bytes[offset] = static_cast<char>(value & 0xff);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

void put32(QByteArray& bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

void append16(QByteArray& bytes, quint16 value)
{
    bytes.append(2, '\0');
    put16(bytes, bytes.size() - 2, value);
}

void append32(QByteArray& bytes, quint32 value)
{
    bytes.append(4, '\0');
    put32(bytes, bytes.size() - 4, value);
}

QByteArray utf16(const QString& text)
{
    QByteArray bytes(text.size() * 2, '\0');
    const ushort* units = text.utf16();
    for (int i = 0; i < text.size(); ++i)
        put16(bytes, 2 * i, units[i]);
    return bytes;
}

DataPage::DataPage(quint32 owner)
    : m_page(PageSize, '\0')
{
    m_page[0] = static_cast<char>(DataPageType);
    m_page[1] = 0x01;
    put32(m_page, 4, owner);
    put16(m_page, 2, PageSize - FirstRowStartOffset);
}

bool DataPage::add(const QByteArray& row)
{
    const int startsEnd = FirstRowStartOffset + 2 * (m_rows + 1);
    if (m_rows == MostRowsPerPage || m_rowsStart - row.size() < startsEnd)
        return false;
    m_rowsStart -= row.size();
    std::memcpy(m_page.data() + m_rowsStart, row.constData(), row.size());
    put16(m_page, FirstRowStartOffset + 2 * m_rows, static_cast<quint16>(m_rowsStart));
    ++m_rows;
    put16(m_page, RowCountOffset, static_cast<quint16>(m_rows));
    put16(m_page, 2, static_cast<quint16>(m_rowsStart - startsEnd));
    return true;
}

PageFile::PageFile(const QString& path)
    : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly))
        throw JetError(QStringLiteral("cannot write %1: %2").arg(path, m_file.errorString()));
}

quint32 PageFile::reserve()
{
    m_reserved.insert(m_pages, QByteArray(PageSize, '\0'));
    return append(QByteArray(PageSize, '\0'));
}

quint32 PageFile::append(const QByteArray& page)
{
    Q_ASSERT(page.size() == PageSize);
    write(page);
    return m_pages++;
}

void PageFile::fill(quint32 page, const QByteArray& bytes)
{
    Q_ASSERT(m_reserved.contains(page) && bytes.size() == PageSize);
    m_reserved[page] = bytes;
}

void PageFile::write(const QByteArray& page)
{
    if (m_file.write(page) != page.size())
        throw JetError(
            QStringLiteral("cannot write %1: %2").arg(m_file.fileName(), m_file.errorString()));
}

void PageFile::commit()
{
    for (auto it = m_reserved.cbegin(); it != m_reserved.cend(); ++it) {
        if (!m_file.seek(qint64(it.key()) * PageSize))
            throw JetError(QStringLiteral("cannot write %1").arg(m_file.fileName()));
        write(it.value());
    }
    if (!m_file.commit())
        throw JetError(
            QStringLiteral("cannot write %1: %2").arg(m_file.fileName(), m_file.errorString()));
}

} // namespace Jet
