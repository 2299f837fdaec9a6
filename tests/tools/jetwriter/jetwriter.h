#pragma once

#include "jetcatalog.h"
#include "jetpages.h"
#include "jetrows.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariantList>
#include <memory>
#include <vector>

// Writes a Jet 4 file of index-less tables; it appears whole at `path` on finish(), or not at all.
class JetWriter
{
public:
    explicit JetWriter(const QString& path);
    ~JetWriter();

    // Starts a table; its rows follow through addRow().
    void beginTable(const QString& name, const QList<Jet::Column>& columns);
    void addRow(const QVariantList& values);
    // Writes the catalog, the definitions and the header, and gives the file its name.
    void finish();

private:
    struct Table
    {
        QString name;
        quint32 definitionPage = 0;
        Jet::TableDefinition definition;
        std::unique_ptr<Jet::DataPage> page;
        std::vector<quint32> dataPages;
    };

    void startTable(const QString& name, const QList<Jet::Column>& columns, quint32 page);
    void endTable();
    void flushPage();
    QByteArray storeLongValue(const QByteArray& text);
    QByteArray usageMap(const std::vector<quint32>& dataPages);

    Jet::PageFile m_file;
    double m_created;
    quint32 m_mapsPage;
    Jet::DataPage m_maps;
    // The user tables written so far, with the pages of their definitions.
    QList<QPair<QString, quint32>> m_tables;
    std::unique_ptr<Table> m_table;
};
