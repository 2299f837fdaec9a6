#include "certificatefile.h"

#include <QStringList>

namespace CertificateFile {

QString value(const QString& line)
{
    QString text = line;
    if (text.startsWith(QLatin1Char('|')))
        text.remove(0, 1);
    if (text.endsWith(QLatin1Char('|')))
        text.chop(1);
    return text.trimmed();
}

QList<CertificateData> parse(const QStringList& lines)
{
    QList<CertificateData> certificates;
    for (qsizetype first = 0; first < lines.size(); first += 4) {
        auto at = [&](qsizetype offset) {
            return first + offset < lines.size() ? value(lines[first + offset]) : QString();
        };
        const CertificateData data { at(0), at(1), at(2), at(3) };
        // Blank lines at the end of a file are not a certificate.
        if (data.name.isEmpty() && data.association.isEmpty() && data.arrival.isEmpty()
            && data.departure.isEmpty() && first + 4 > lines.size())
            continue;
        certificates << data;
    }
    return certificates;
}

} // namespace CertificateFile
