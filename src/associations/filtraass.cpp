#include "filtraass.h"

#include "app/app.h"
#include "store/scans.h"

#include <QComboBox>

void filtraass(App& app, QComboBox* cmbassdenom)
{
    // The operator's text stays as it is: only the list is refilled.
    const QString typed = cmbassdenom->currentText();
    cmbassdenom->clear();
    const QString wanted = app.g.cercaass.toUpper();
    QStringList names;
    app.g.esitoass = QStringLiteral("0");
    for (;;) {
        leggiass(app);
        if (app.g.esitoass == QLatin1String("9"))
            break;
        const QString denom = app.Data3.recordset().field(QStringLiteral("DENOM"));
        if (denom.contains(wanted, Qt::CaseSensitive))
            names << denom;
    }
    cmbassdenom->addItems(names);
    cmbassdenom->setEditText(typed);
}
