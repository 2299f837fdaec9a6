#pragma once

#include "bareconnection.h"

#include <QString>
#include <QVariantList>
#include <optional>

// A volunteer of the history archive, as his badge names him: the 10
// characters of the barcode are his association's code and his own.
struct Badge
{
    QString code;
    QString denom;
    QString surname;
    QString name;
};

// Questions the benchmark asks a program folder outside the timed work:
// which badges may be read, and whether a read or a list did its work.
class RegisterProbe
{
public:
    explicit RegisterProbe(const QString& folder);

    qint64 lastHistoryRowId();
    std::optional<Badge> historyRecord(qint64 rowId);
    // How many history records the badge's code finds.
    int historyRecordsWithCode(const QString& code);
    // A volunteer with the same association, surname and name is in the camp.
    bool hasNamesake(const Badge& badge);
    bool isCodeRegistered(const QString& code);
    // The badge's volunteer is in the camp under his code, name and association.
    bool isRegistered(const Badge& badge);

    qint64 volunteers();
    // The associations the camp's volunteers belong to.
    qint64 volunteerAssociations();

private:
    qint64 number(BareConnection& connection, const QString& sql, const QVariantList& values);

    BareConnection m_history;
    BareConnection m_volunteers;
};
