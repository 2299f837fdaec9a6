#include "filtraass.h"

#include "app/app.h"
#include "store/scans.h"

#include <QComboBox>

void filtraass(App& app, QComboBox* cmbassdenom)
{
    // The operator's text stays as it is: only the list is refilled.
    const QString typed = cmbassdenom->currentText();
    const QStringList names = associationNamesContaining(app, app.g.cercaass.toUpper());
    cmbassdenom->clear();
    cmbassdenom->addItems(names);
    cmbassdenom->setEditText(typed);
}
