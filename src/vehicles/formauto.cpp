#include "formauto.h"

#include "app/app.h"
#include "platform/busypointer.h"
#include "platform/error.h"
#include "store/scans.h"
#include "store/vehiclequeries.h"
#include "ui_formauto.h"
#include "vehiclechecks.h"

namespace {

const QString notFound = QStringLiteral("Automezzo non trovato.");
const QString duplicate = QStringLiteral("Automezzo già presente");

// Puts one check's verdict where the desk's check routines leave it.
bool verdict(Globals& g, bool invalid)
{
    g.esitocontrollo = invalid ? QStringLiteral("1") : QStringLiteral("0");
    return g.esitocontrollo == QLatin1String("1");
}

} // namespace

Formauto::Formauto(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::Formauto>())
{
    ui->setupUi(this);
    ui->cmdcognome->setVisible(false);
    onClicked(ui->cmdcercaass, &Formauto::cmdcercaassClicked);
    onPicked(ui->cmbass, &Formauto::cmbassClicked);
    onPicked(ui->cmbdes, &Formauto::cmbdesClicked);
    onClicked(ui->cmdregistra, &Formauto::cmdregistraClicked);
    onClicked(ui->cmdesci, &QWidget::hide);
    onNowClicked(ui->cmddataar, ui->dataar, ui->oraar);
    onNowClicked(ui->cmddatapa, ui->datapa, ui->orapa);
    onNowClicked(ui->cmdoraar, nullptr, ui->oraar);
    onNowClicked(ui->cmdorapa, nullptr, ui->orapa);
}

Formauto::~Formauto() = default;

void Formauto::prepareFor(const QString& mode, const QString& caption, const QString& button)
{
    app.g.modoauto = mode;
    setWindowTitle(caption);
    ui->cmdregistra->setText(button);
    ui->cmdregistra->setVisible(true);
    ui->cmdcercaass->setVisible(true);
    ui->cmdcognome->setVisible(false);
}

void Formauto::prepareForPicked(const QString& denom, const QString& descr)
{
    prepareFor(
        QStringLiteral("G"), QStringLiteral(" Automezzi - Modifica "), QStringLiteral("Modifica"));
    ui->cmbass->setEditText(denom);
    ui->cmbdes->setEditText(descr);
}

void Formauto::activate()
{
    fillStates();
    if (app.g.modoauto == QLatin1String("G")) {
        app.g.modoauto = QStringLiteral("M");
        cmbdesClicked();
        return;
    }
    const BusyPointer busy;
    ui->cmbass->clear();
    QStringList names;
    scanAll(
        app.g.esitoass, [this] { leggiass(app); },
        [&] { names << app.Data3.recordset().field(QStringLiteral("DENOM")); });
    ui->cmbass->addItems(names);
    ui->cmbass->setEditText(QString());
    ui->cmbdes->clear();
    ui->cmbdes->setEditText(QString());
    clearForNewOperation();
    ui->dataar->clear();
    ui->oraar->clear();
    m_loaded = false;
}

void Formauto::fillStates()
{
    ui->cmbstato->clear();
    ui->cmbstato->addItems({ QStringLiteral("A = Attivo"), QStringLiteral("B = Bloccato"),
        QStringLiteral("L = Libero"), QStringLiteral("R = Riposo") });
    ui->cmbstato->setEditText(QString());
}

// The boxes that a new vehicle of the same association starts empty.
void Formauto::clearForNewOperation()
{
    for (QLineEdit* box : { ui->campo, ui->datapa, ui->orapa, ui->note })
        box->clear();
}

void Formauto::cmdcercaassClicked()
{
    const BusyPointer busy;
    const QString wanted = ui->cmbass->currentText().toUpper();
    ui->cmbass->clear();
    app.Data3.setRecordSource(VehicleQueries::associationsInTableOrder);
    app.Data3.refresh();
    QStringList names;
    for (Recordset& association = app.Data3.recordset(); !association.eof();
         association.moveNext()) {
        const QString denom = association.field(QStringLiteral("DENOM"));
        if (!denom.isEmpty() && denom.contains(wanted, Qt::CaseSensitive))
            names << denom;
    }
    ui->cmbass->addItems(names);
    ui->cmbass->setEditText(QString());
}

void Formauto::fillDescriptions()
{
    ui->cmbdes->clear();
    app.g.denomass = ui->cmbass->currentText();
    QStringList descriptions;
    scanAll(
        app.g.esitoauto, [this] { leggiautoass(app); },
        [&] { descriptions << app.Data6.recordset().field(QStringLiteral("DESCR")); });
    ui->cmbdes->addItems(descriptions);
    ui->cmbdes->setEditText(QString());
}

void Formauto::cmbassClicked()
{
    const BusyPointer busy;
    fillDescriptions();
    // The vehicle shown before belongs to another choice of association.
    m_loaded = false;
}

void Formauto::cmbdesClicked()
{
    {
        const BusyPointer busy;
        m_loaded = false;
        app.Data6.setRecordSource(
            VehicleQueries::vehicleNamed, { ui->cmbass->currentText(), ui->cmbdes->currentText() });
        app.Data6.refresh();
        const Recordset& vehicle = app.Data6.recordset();
        if (!vehicle.eof()) {
            ui->campo->setText(vehicle.field(QStringLiteral("CAMPO")));
            ui->dataar->setText(vehicle.field(QStringLiteral("DATAAR")));
            ui->oraar->setText(vehicle.field(QStringLiteral("ORAAR")));
            ui->datapa->setText(vehicle.field(QStringLiteral("DATAPA")));
            ui->orapa->setText(vehicle.field(QStringLiteral("ORAPA")));
            ui->note->setText(vehicle.field(QStringLiteral("NOTE")));
            ui->cmbstato->setEditText(vehicle.field(QStringLiteral("STATO")));
            m_loadedDenom = vehicle.field(QStringLiteral("DENOM"));
            m_loadedDescr = vehicle.field(QStringLiteral("DESCR"));
            m_loaded = true;
        }
    }
    if (!m_loaded)
        app.say(notFound);
}

bool Formauto::refuse(const QString& message)
{
    app.say(message);
    return false;
}

bool Formauto::inputIsValid()
{
    Globals& g = app.g;
    const QString dataar = ui->dataar->text();
    const QString oraar = ui->oraar->text();
    const QString datapa = ui->datapa->text();
    const QString orapa = ui->orapa->text();
    if (ui->cmbass->currentText().isEmpty())
        return refuse(QStringLiteral("Manca denominazione Associazione."));
    if (verdict(g, VehicleChecks::ctrldataarauto(dataar)))
        return refuse(QStringLiteral("Data arrivo errata."));
    if (verdict(g, VehicleChecks::ctrloraarauto(oraar)))
        return refuse(QStringLiteral("Ora arrivo errata."));
    if (verdict(g, VehicleChecks::ctrldatapaauto(datapa, dataar)))
        return refuse(QStringLiteral("Data partenza errata."));
    if (verdict(g, VehicleChecks::ctrlorapaauto(orapa, datapa, dataar, oraar)))
        return refuse(QStringLiteral("Ora partenza errata."));
    // A vehicle that has left is blocked, whatever state was chosen.
    if (!datapa.isEmpty())
        ui->cmbstato->setEditText(QStringLiteral("B"));
    if (ui->cmbstato->currentText().isEmpty())
        return refuse(QStringLiteral("Manca stato."));
    if (!VehicleChecks::isKnownState(ui->cmbstato->currentText()))
        return refuse(QStringLiteral("Stato non previsto."));
    return true;
}

void Formauto::cmdregistraClicked()
{
    const QString& mode = app.g.modoauto;
    // A deletion judges nothing typed: it removes the vehicle loaded, even
    // one whose stored dates the checks would refuse.
    if (mode == QLatin1String("A")) {
        deleteVehicle();
        return;
    }
    if (!inputIsValid())
        return;
    if (mode == QLatin1String("M"))
        changeVehicle();
    else
        insertVehicle();
}

void Formauto::writeFields()
{
    Recordset& vehicle = app.Data6.recordset();
    vehicle.setField(QStringLiteral("CODASS"), QString());
    vehicle.setField(QStringLiteral("DENOM"), ui->cmbass->currentText().toUpper());
    vehicle.setField(QStringLiteral("DESCR"), ui->cmbdes->currentText().toUpper());
    vehicle.setField(QStringLiteral("STATO"), ui->cmbstato->currentText().toUpper());
    vehicle.setField(QStringLiteral("CAMPO"), ui->campo->text().toUpper());
    vehicle.setField(QStringLiteral("DATAAR"), ui->dataar->text());
    vehicle.setField(QStringLiteral("ORAAR"), ui->oraar->text());
    vehicle.setField(QStringLiteral("DATAPA"), ui->datapa->text());
    vehicle.setField(QStringLiteral("ORAPA"), ui->orapa->text());
    vehicle.setField(QStringLiteral("NOTE"), ui->note->text().toUpper());
}

bool Formauto::findLoadedVehicle()
{
    if (m_loaded) {
        app.Data6.setRecordSource(VehicleQueries::vehicleNamed, { m_loadedDenom, m_loadedDescr });
        app.Data6.refresh();
        if (!app.Data6.recordset().eof())
            return true;
    }
    m_loaded = false;
    app.say(notFound);
    return false;
}

void Formauto::insertVehicle()
{
    const BusyPointer busy;
    try {
        app.Data6.setRecordSource(VehicleQueries::vehiclesTable);
        app.Data6.refresh();
        app.Data6.recordset().addNew();
        writeFields();
        app.Data6.recordset().update();
        app.Data6.refresh();
    } catch (const DbError& error) {
        app.Data6.recordset().cancelUpdate();
        app.say(error.number() == DbError::DuplicateKey ? duplicate : error.description());
        return;
    }
    prepareNextVehicle();
}

void Formauto::changeVehicle()
{
    const BusyPointer busy;
    if (!findLoadedVehicle())
        return;
    Recordset& vehicle = app.Data6.recordset();
    try {
        vehicle.edit();
        writeFields();
        vehicle.update();
        app.Data6.refresh();
    } catch (const DbError& error) {
        // A new name that another vehicle already has.
        vehicle.cancelUpdate();
        app.say(error.number() == DbError::DuplicateKey ? duplicate : error.description());
        return;
    }
    prepareNextVehicle();
}

void Formauto::deleteVehicle()
{
    const BusyPointer busy;
    if (!findLoadedVehicle())
        return;
    app.Data6.recordset().deleteRecord();
    app.Data6.refresh();
    prepareNextVehicle();
}

// The next vehicle of the same association is typed at once: the
// association, the arrival and the state stay.
void Formauto::prepareNextVehicle()
{
    m_loaded = false;
    fillDescriptions();
    clearForNewOperation();
    ui->cmbdes->setFocus();
}
