#include "caricamotivi.h"

#include "app/app.h"
#include "formcar.h"
#include "platform/textfile.h"

#include <QComboBox>

void caricamotivi(App& app)
{
    auto* gate = app.window<FormCar>();
    gate->cmbmot()->clear();
    gate->cmbmot()->addItems(TextFile::readItems(app.g.filemotivi));
}
