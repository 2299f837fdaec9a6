// ostrale-jetwriter SOURCE OUT [TABLE...]: copies a register file's tables into a new Jet 4 file.
#include "jeterror.h"
#include "jetwriter.h"
#include "registersource.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

QStringList chosenTables(const RegisterSource& source, const QStringList& named)
{
    const QStringList all = source.tables();
    if (named.isEmpty())
        return all;
    QStringList chosen;
    for (const QString& name : named) {
        const auto found = std::find_if(all.cbegin(), all.cend(),
            [&](const QString& table) { return table.compare(name, Qt::CaseInsensitive) == 0; });
        if (found == all.cend())
            throw JetError(QStringLiteral("no table %1").arg(name));
        chosen << *found;
    }
    return chosen;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: ostrale-jetwriter SOURCE OUT [TABLE...]\n", stderr);
        return 2;
    }
    try {
        const RegisterSource source(arguments[1]);
        const QStringList tables = chosenTables(source, arguments.mid(3));
        JetWriter writer(arguments[2]);
        for (const QString& table : tables) {
            writer.beginTable(table, source.columns(table));
            source.readRows(table, [&](const QVariantList& values) { writer.addRow(values); });
        }
        writer.finish();
    } catch (const JetError& error) {
        std::fprintf(stderr, "ostrale-jetwriter: %s\n", error.what());
        return 1;
    }
    return 0;
}
