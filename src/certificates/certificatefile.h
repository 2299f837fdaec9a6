#pragma once

#include <QList>
#include <QString>

// The hand-off file "protciv02.txt": four lines per certificate, each value
// framed by "|" ("| |" is an empty value): the volunteer's name, the
// association, the arrival date, the departure date. Association
// certificates leave the name and the dates empty.
struct CertificateData
{
    QString name;
    QString association;
    QString arrival;
    QString departure;
};

namespace CertificateFile {

// The value of one line: what stands between the framing bars, "" for "| |".
QString value(const QString& line);
// The certificates of the file's lines; a last, incomplete block keeps the
// values it has.
QList<CertificateData> parse(const QStringList& lines);

} // namespace CertificateFile
