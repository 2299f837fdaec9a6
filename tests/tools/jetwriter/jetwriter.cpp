#include "jetwriter.h"

#include "jeterror.h"
#include "jetheader.h"

namespace {

// A usage map page marks one range's pages, a bit each; a table's map row names one per range.
constexpr quint32 PagesPerMapPage = (Jet::PageSize - 4) * 8;
constexpr char ReferenceMap = 0x01;
constexpr char InlineMap = 0x00;
// A long value cut into page-sized pieces, each led by the next piece's address.
constexpr int LongValuePiece = Jet::LargestRow - 4;

} // namespace

JetWriter::JetWriter(const QString& path)
    : m_file(path)
    , m_created(Jet::now())
    , m_maps(0)
{
    m_file.reserve(); // the header
    m_mapsPage = m_file.reserve();
    m_file.reserve(); // the catalog's definition
}

JetWriter::~JetWriter() = default;

void JetWriter::beginTable(const QString& name, const QList<Jet::Column>& columns)
{
    startTable(name, columns, m_file.reserve());
}

void JetWriter::startTable(const QString& name, const QList<Jet::Column>& columns, quint32 page)
{
    if (m_table)
        endTable();
    m_table = std::make_unique<Table>();
    m_table->name = name;
    m_table->definitionPage = page;
    m_table->definition.columns = columns;
    m_table->page = std::make_unique<Jet::DataPage>(page);
}

void JetWriter::addRow(const QVariantList& values)
{
    Q_ASSERT(m_table);
    const QByteArray row = Jet::encodeRow(m_table->definition.columns, values,
        [this](const QByteArray& text) { return storeLongValue(text); });
    if (!m_table->page->add(row)) {
        flushPage();
        m_table->page->add(row);
    }
    ++m_table->definition.rows;
}

void JetWriter::flushPage()
{
    if (m_table->page->rows() == 0)
        return;
    m_table->dataPages.push_back(m_file.append(m_table->page->bytes()));
    m_table->page = std::make_unique<Jet::DataPage>(m_table->definitionPage);
}

QByteArray JetWriter::storeLongValue(const QByteArray& text)
{
    const quint32 first = m_file.pageCount();
    for (qsizetype at = 0; at < text.size() || at == 0; at += LongValuePiece) {
        const bool last = at + LongValuePiece >= text.size();
        const auto page = static_cast<quint32>(m_file.pageCount());
        QByteArray piece;
        Jet::append32(piece, last ? 0 : Jet::rowAddress(page + 1, 0));
        piece += text.mid(at, LongValuePiece);
        Jet::DataPage lval(Jet::LongValueOwner);
        lval.add(piece);
        m_file.append(lval.bytes());
    }
    QByteArray reference;
    Jet::append32(reference, static_cast<quint32>(text.size()));
    Jet::append32(reference, Jet::rowAddress(first, 0));
    Jet::append32(reference, 0);
    return reference;
}

QByteArray JetWriter::usageMap(const std::vector<quint32>& dataPages)
{
    QByteArray row(1, ReferenceMap);
    if (dataPages.empty())
        return row;
    const quint32 ranges = dataPages.back() / PagesPerMapPage + 1;
    row.append(static_cast<qsizetype>(4 * ranges), '\0');
    for (quint32 range = 0; range < ranges; ++range) {
        QByteArray map(Jet::PageSize, '\0');
        map[0] = static_cast<char>(Jet::UsageMapPageType);
        map[1] = 0x01;
        bool any = false;
        for (quint32 page : dataPages) {
            if (page / PagesPerMapPage != range)
                continue;
            const quint32 bit = page % PagesPerMapPage;
            map[4 + bit / 8] = static_cast<char>(map[4 + bit / 8] | (1 << (bit % 8)));
            any = true;
        }
        if (any)
            Jet::put32(row, 1 + 4 * static_cast<int>(range), m_file.append(map));
    }
    return row;
}

void JetWriter::endTable()
{
    flushPage();
    Table& table = *m_table;
    const QByteArray usage = usageMap(table.dataPages);
    QByteArray freeSpace(1, InlineMap);
    Jet::append32(freeSpace, 0);
    const int row = m_maps.rows();
    if (!m_maps.add(usage) || !m_maps.add(freeSpace))
        throw JetError(QStringLiteral("too many tables for one file"));
    table.definition.usageMap = Jet::rowAddress(m_mapsPage, row);
    table.definition.freeSpaceMap = Jet::rowAddress(m_mapsPage, row + 1);
    m_file.fill(table.definitionPage, Jet::tableDefinitionPage(table.definition));
    if (!table.definition.system)
        m_tables << qMakePair(table.name, table.definitionPage);
    m_table.reset();
}

void JetWriter::finish()
{
    if (m_table)
        endTable();
    const QList<QPair<QString, quint32>> tables = m_tables;
    startTable(QStringLiteral("MSysObjects"), Jet::catalogColumns(), Jet::CatalogPage);
    m_table->definition.system = true;
    for (const QVariantList& row : Jet::catalogRows(tables, m_created))
        addRow(row);
    endTable();
    m_file.fill(m_mapsPage, m_maps.bytes());
    m_file.fill(0, Jet::headerPage(m_created));
    m_file.commit();
}
