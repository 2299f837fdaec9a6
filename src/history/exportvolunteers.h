#pragma once

#include <QHash>
#include <QList>
#include <QString>

class DataControl;
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
    // Reads the table of `volo`'s file; a failure throws the engine's error.
    // `progress` is told how many volunteers have been read.
    ExportVolunteers(DataControl& volo, StatusProgress& progress);

    // The association's volunteers in surname order (surnames alike in
    // the export's order).
    const QList<ExportVolunteer>& ofAssociation(const QString& codass) const;

private:
    QHash<QString, QList<ExportVolunteer>> m_byAssociation;
};

// A key that is the same for two texts that the export's and the archive's
// text fields hold equal: a to z taken as A to Z, every other character as
// it is. A text with no lower-case letter is its own key (no copy is made).
QString textFieldKey(const QString& text);
