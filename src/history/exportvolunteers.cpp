#include "exportvolunteers.h"

#include "exporttable.h"
#include "statusprogress.h"
#include "textfieldorder.h"

#include <algorithm>

ExportVolunteers::ExportVolunteers(ExportTable& volo, StatusProgress& progress)
{
    volo.start({ QStringLiteral("CODASS"), QStringLiteral("CODVOL"), QStringLiteral("COGN"),
        QStringLiteral("NOME"), QStringLiteral("SPEC") });
    qint64 read = 0;
    while (volo.next()) {
        progress.step(++read);
        const QString codass = volo.value(0);
        if (codass.isNull())
            continue;
        m_byAssociation[textFieldKey(codass)].append(
            { volo.value(1), volo.value(2), volo.value(3), volo.value(4) });
    }
    const auto surnameBefore = [](const ExportVolunteer& a, const ExportVolunteer& b) {
        return textFieldBefore(a.cogn, b.cogn);
    };
    for (QList<ExportVolunteer>& volunteers : m_byAssociation)
        std::stable_sort(volunteers.begin(), volunteers.end(), surnameBefore);
}

const QList<ExportVolunteer>& ExportVolunteers::ofAssociation(const QString& codass) const
{
    static const QList<ExportVolunteer> none;
    const auto found = m_byAssociation.constFind(textFieldKey(codass));
    return found == m_byAssociation.cend() ? none : *found;
}
