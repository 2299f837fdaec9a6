#include "volunteerlines.h"

#include "app/listlines.h"
#include "platform/recordset.h"

#include <QStringBuilder>

using ListLines::field;

// The lines are joined with QStringBuilder's %: one allocation per line, where
// a chain of + copies the line again at every piece (a list of a hundred
// thousand volunteers spent most of its time there).

namespace {

QString fullName(const Recordset& volunteer)
{
    return volunteer.field(QStringLiteral("COGNOME")) % QLatin1Char(' ')
        % volunteer.field(QStringLiteral("NOME"));
}

} // namespace

namespace VolunteerLines {

QString simple(const Recordset& v)
{
    return field(v.field(QStringLiteral("CODVOL")), 10) % QLatin1Char(' ')
        % field(v.field(QStringLiteral("DENOM")), 50) % QLatin1Char(' ')
        % v.field(QStringLiteral("COGNOME")) % QLatin1Char(' ') % v.field(QStringLiteral("NOME"))
        % QLatin1Char(' ') % v.field(QStringLiteral("DATAAR"));
}

QString search(const Recordset& v)
{
    return field(v.field(QStringLiteral("CODVOL")), 10) % QLatin1Char(' ')
        % field(v.field(QStringLiteral("DENOM")), 50) % QLatin1Char(' ') % field(fullName(v), 50)
        % QLatin1Char(' ') % v.field(QStringLiteral("DATAAR"));
}

// Built in place: a list of a hundred thousand volunteers makes one line per
// row, and padded pieces made apart cost an allocation each.
QString grouped(const Recordset& v)
{
    QString line;
    line.reserve(100);
    ListLines::appendField(line, v.field(QStringLiteral("CODVOL")), 10);
    line += QLatin1Char(' ');
    const qsizetype name = line.size();
    line += v.field(QStringLiteral("COGNOME"));
    line += QLatin1Char(' ');
    line += v.field(QStringLiteral("NOME"));
    ListLines::fitField(line, name, 50);
    for (const QString& column : { QStringLiteral("DATAAR"), QStringLiteral("ORAAR"),
             QStringLiteral("DATAPA"), QStringLiteral("ORAPA") }) {
        line += QLatin1Char(' ');
        line += v.field(column);
    }
    return line;
}

QString history(const QString& denom, const QString& cogn, const QString& nome)
{
    return field(denom, 50) % QLatin1Char(' ') % cogn % QLatin1Char(' ') % nome;
}

QString history(const Recordset& r)
{
    return history(r.field(QStringLiteral("DENOM")), r.field(QStringLiteral("COGN")),
        r.field(QStringLiteral("NOME")));
}

QString total(const QString& count)
{
    return ListLines::total(count);
}

QString grandTotal(const QString& count)
{
    return field(QStringLiteral("TOTALE GENERALE"), 50) % QLatin1Char(' ') % count;
}

} // namespace VolunteerLines
