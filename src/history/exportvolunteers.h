#pragma once

#include <QHash>
#include <QList>
#include <QString>

class ExportTable;
class StatusProgress;

// One volunteer of TALPEX's export, with what the history archive takes
// of him.
struct ExportVolunteer
{
    QString codvol, cogn, nome, spec;
};

// The export's volunteers, read once in table order and kept by
// association, each association's in surname order. A query per
// association would find its volunteers scattered over the whole file, and
// sorting or indexing the whole export first costs more than linear time
// as it grows; grouping in one pass does not.
// Codes and surnames are compared as the export's text fields compare them:
// letters A to Z without regard to case, every other character as it is.
// A volunteer with no association code belongs to no association.
class ExportVolunteers
{
public:
    // Reads the whole of `volo`; a failure throws the reader's error.
    // `progress` is told how many volunteers have been read.
    ExportVolunteers(ExportTable& volo, StatusProgress& progress);

    // The association's volunteers in surname order (surnames alike in
    // the export's order).
    const QList<ExportVolunteer>& ofAssociation(const QString& codass) const;

private:
    QHash<QString, QList<ExportVolunteer>> m_byAssociation;
};
