#include "formpass.h"

#include "app/app.h"
#include "badgeprinting.h"
#include "badgequeue.h"
#include "platform/busypointer.h"
#include "store/queries.h"
#include "store/scans.h"
#include "ui_formpass.h"

namespace {

QString volunteerName(const Recordset& volunteer)
{
    return volunteer.field(QStringLiteral("COGNOME")) + QLatin1Char(' ')
        + volunteer.field(QStringLiteral("NOME"));
}

} // namespace

FormPass::FormPass(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::formpass>())
{
    ui->setupUi(this);
    onPicked(ui->cmbass, &FormPass::cmbassClicked);
    onPicked(ui->cmbvol, &FormPass::cmbvolClicked);
    onClicked(ui->cmdpassass, &FormPass::cmdpassassClicked);
    onClicked(ui->cmdpassvol, &FormPass::cmdpassvolClicked);
    onClicked(ui->cmdpasssing, &FormPass::cmdpasssingClicked);
    onClicked(ui->cmdesci, &QWidget::hide);
}

FormPass::~FormPass() = default;

void FormPass::activate()
{
    svuotapass(app);
    ui->cmbass->clear();
    app.g.esitoass = QStringLiteral("0");
    for (;;) {
        leggiass(app);
        if (app.g.esitoass == QLatin1String("9"))
            break;
        ui->cmbass->addItem(app.Data3.recordset().field(QStringLiteral("DENOM")));
    }
    // Nothing is chosen until the operator picks from the list.
    ui->cmbass->setCurrentIndex(-1);
}

void FormPass::cmbassClicked()
{
    const BusyPointer busy;
    ui->cmbvol->clear();
    app.g.denomass = ui->cmbass->currentText();
    if (app.g.denomass != QLatin1String("*"))
        app.Data4.setRecordSource(Queries::volunteersOfAssociationByName, { app.g.denomass });
    else
        app.Data4.setRecordSource(Queries::allVolunteers);
    app.Data4.refresh();
    for (Recordset& volunteers = app.Data4.recordset(); !volunteers.eof(); volunteers.moveNext())
        ui->cmbvol->addItem(volunteerName(volunteers));
    ui->cmbvol->setCurrentIndex(-1);
}

void FormPass::cmbvolClicked()
{
    const BusyPointer busy;
    app.g.denomass = ui->cmbass->currentText();
    app.Data4.setRecordSource(Queries::volunteersOfAssociation, { app.g.denomass });
    app.Data4.refresh();
    // Every namesake in the association is queued, and a second pick of the
    // same volunteer queues a second badge.
    const QString picked = ui->cmbvol->currentText();
    for (Recordset& volunteers = app.Data4.recordset(); !volunteers.eof(); volunteers.moveNext())
        if (volunteerName(volunteers) == picked)
            queueCurrentVolunteer(app);
}

void FormPass::cmdpassassClicked()
{
    const BusyPointer busy;
    svuotapass(app);
    app.g.denomass = ui->cmbass->currentText();
    app.Data4.setRecordSource(Queries::volunteersOfAssociationByName, { app.g.denomass });
    app.Data4.refresh();
    for (Recordset& volunteers = app.Data4.recordset(); !volunteers.eof(); volunteers.moveNext())
        queueCurrentVolunteer(app);
    stampapass(app);
}

void FormPass::cmdpassvolClicked()
{
    stampapass(app);
}

void FormPass::cmdpasssingClicked()
{
    stampapasssing(app);
}
