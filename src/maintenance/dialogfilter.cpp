#include "dialogfilter.h"

#include <QStringList>

namespace DialogFilter {

QString toPlatform(const QString& pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        const QString pattern = QLatin1Char('(') + parts.at(i + 1) + QLatin1Char(')');
        // The platform reads the patterns from the last brackets: a
        // description that ends with them already is taken as it is.
        filters << (description.endsWith(pattern) ? description
                                                  : description + QLatin1Char(' ') + pattern);
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace DialogFilter
