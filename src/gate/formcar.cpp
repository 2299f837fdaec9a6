#include "formcar.h"

#include "app/app.h"
#include "app/listlines.h"
#include "formcar2.h"
#include "platform/busypointer.h"
#include "platform/recordset.h"
#include "store/gatequeries.h"
#include "store/queries.h"
#include "store/scans.h"
#include "ui_formcar.h"

#include <QLineEdit>

namespace {

const QString allAssociations = QStringLiteral("       TUTTE");

// The volunteer line of the combo and of CAR's COGNOME.
QString volunteerLine(const Recordset& volunteer, int codeWidth)
{
    const QString code = volunteer.field(QStringLiteral("CODVOL"));
    return (codeWidth > 0 ? ListLines::field(code, codeWidth) : code) + QLatin1Char(' ')
        + volunteer.field(QStringLiteral("COGNOME")) + QLatin1Char(' ')
        + volunteer.field(QStringLiteral("NOME"));
}

// A code letter first is ten characters long, a code digit first seven.
int codeLengthFor(QChar first)
{
    return first < QLatin1Char('A') ? 7 : 10;
}

} // namespace

FormCar::FormCar(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::formcar>())
{
    ui->setupUi(this);
    onTextChanged(ui->cmbcod, [this] { recallCode(Recall::Typed); });
    onPicked(ui->cmbass, &FormCar::cmbassClicked);
    onPicked(ui->cmbcono, &FormCar::cmbconoClicked);
    onClicked(ui->cmddata, &FormCar::cmddataClicked);
    onClicked(ui->cmdora, &FormCar::cmdoraClicked);
    onClicked(ui->cmdin, [this] { registerPassage(Passages::Direction::Entry); });
    onClicked(ui->cmdout, [this] { registerPassage(Passages::Direction::Exit); });
    onListPick(ui->List1, [this] { reloadOpenPassage(true); });
    onListPick(ui->List2, [this] { reloadOpenPassage(false); });
    onClicked(ui->cmdentr, [this] { stampalista(this->app, ui->List1); });
    onClicked(ui->cmduscite, [this] { stampalista(this->app, ui->List2); });
    onClicked(ui->cmdazzera, &FormCar::cmdazzeraClicked);
    onClicked(ui->cmdcerca, &FormCar::cmdcercaClicked);
    onClicked(ui->cmdesci, [this] { hide(); });
}

FormCar::~FormCar() = default;

QComboBox* FormCar::cmbmot() const
{
    return ui->cmbmot;
}

void FormCar::activate()
{
    const BusyPointer busy;
    fillAssociationsAndVolunteers();
    aggiornaliste();
    // The lists were refilled and their boxes emptied: a code left in the
    // window gets its volunteer's name and association back, so a passage
    // registered next is not stored under empty texts.
    if (!recallCode(Recall::Activation))
        showDeparture(QString());
    ui->cmbcod->setFocus();
}

void FormCar::fillAssociationsAndVolunteers()
{
    ui->cmbcono->clear();
    ui->cmbass->clear();
    ui->cmbass->addItem(allAssociations);
    app.Data3.setRecordSource(Queries::associationsByName);
    app.Data3.refresh();
    for (Recordset& association = app.Data3.recordset(); !association.eof();
         association.moveNext()) {
        const QString code = association.field(QStringLiteral("CODASS"));
        // A longer code is kept whole; the code itself rides with the line,
        // so the pick never depends on how the line was padded.
        ui->cmbass->addItem(
            code.leftJustified(6) + QLatin1Char(' ') + association.field(QStringLiteral("DENOM")),
            code);
    }
    app.Data3.endReading();

    QStringList volunteers;
    app.Data4.setRecordSource(GateQueries::volunteersBySurname);
    app.Data4.refresh();
    for (Recordset& volunteer = app.Data4.recordset(); !volunteer.eof(); volunteer.moveNext())
        volunteers << volunteerLine(volunteer, 10);
    app.Data4.endReading();
    ui->cmbcono->addItems(volunteers);
    // Filled lists, nothing chosen yet.
    ui->cmbass->setCurrentIndex(-1);
    ui->cmbcono->setCurrentIndex(-1);
}

void FormCar::aggiornaliste()
{
    const BusyPointer busy;
    const Passages::OpenLists lists = Passages::openLists(app);
    ui->List1->clear();
    ui->List2->clear();
    ui->List1->addItems(lists.entries);
    ui->List2->addItems(lists.exits);
    ui->entratif7->setText(QString::number(lists.entries.size()));
    ui->uscitif7->setText(QString::number(lists.exits.size()));
}

bool FormCar::recallCode(Recall caller)
{
    const QString code = ui->cmbcod->currentText();
    // The reader types one character at a time: only a whole code is looked up.
    if (code.isEmpty() || code.size() != codeLengthFor(code.at(0)))
        return false;
    const BusyPointer busy;
    app.g.codvolemer = code.toUpper();
    app.g.esitovol = QStringLiteral("0");
    leggivolcod(app);
    if (app.g.esitovol == QLatin1String("9")) {
        app.Data4.endReading();
        showDeparture(QString());
        // A code that is no volunteer's is registered under the texts the
        // operator typed.
        if (caller == Recall::Registration)
            return false;
        // The previous volunteer's name and association must not be stored
        // under this code.
        ui->cmbcono->setEditText(QString());
        ui->cmbass->setEditText(QString());
        if (caller == Recall::Typed)
            app.say(QStringLiteral("Codice non trovato:") + code);
        return false;
    }
    const Recordset& volunteer = app.Data4.recordset();
    ui->cmbass->setEditText(volunteer.field(QStringLiteral("DENOM")));
    ui->cmbcono->setEditText(volunteerLine(volunteer, 0));
    showDeparture(volunteer.field(QStringLiteral("DATAPA")));
    app.Data4.endReading();
    if (caller == Recall::Typed)
        stampNow(true);
    return true;
}

void FormCar::assignCode(const QString& code)
{
    // The same text again changes nothing in the box, so no change event
    // comes: the recall is asked for here, as a new text would.
    if (ui->cmbcod->currentText() == code)
        recallCode(Recall::Typed);
    else
        ui->cmbcod->setEditText(code);
}

void FormCar::showDeparture(const QString& departureDate)
{
    ui->lblpartito->setText(departureDate.isEmpty()
            ? QString()
            : QStringLiteral("Attenzione: partito il ") + departureDate);
}

void FormCar::cmbassClicked()
{
    const BusyPointer busy;
    ui->cmbcono->clear();
    QStringList volunteers;
    if (ui->cmbass->currentText() == allAssociations) {
        app.Data4.setRecordSource(GateQueries::volunteersBySurname);
        app.Data4.refresh();
        for (Recordset& volunteer = app.Data4.recordset(); !volunteer.eof(); volunteer.moveNext())
            volunteers << volunteerLine(volunteer, 0);
    } else {
        QStringList names;
        app.Data3.setRecordSource(
            GateQueries::associationWithCode, { ui->cmbass->currentData().toString() });
        app.Data3.refresh();
        for (Recordset& association = app.Data3.recordset(); !association.eof();
             association.moveNext())
            names << association.field(QStringLiteral("DENOM"));
        app.Data3.endReading();
        for (const QString& name : names) {
            app.Data4.setRecordSource(GateQueries::volunteersOfAssociationBySurname, { name });
            app.Data4.refresh();
            for (Recordset& volunteer = app.Data4.recordset(); !volunteer.eof();
                 volunteer.moveNext())
                volunteers << volunteerLine(volunteer, 0);
        }
    }
    app.Data4.endReading();
    ui->cmbcono->addItems(volunteers);
    ui->cmbcono->setCurrentIndex(-1);
}

void FormCar::cmbconoClicked()
{
    const QString line = ui->cmbcono->currentText();
    if (line.isEmpty())
        return;
    assignCode(line.left(codeLengthFor(line.at(0))));
    stampNow(true);
}

void FormCar::cmddataClicked()
{
    stampNow(true);
}

void FormCar::cmdoraClicked()
{
    stampNow(false);
}

void FormCar::stampNow(bool withDate)
{
    if (withDate)
        ui->dataf7->setText(app.clock().dateText());
    ui->oraf7->setText(app.clock().timeText());
}

void FormCar::registerPassage(Passages::Direction direction)
{
    const BusyPointer busy;
    if (ui->codcar->text().isEmpty()) {
        app.say(QStringLiteral("Inserire  prima il codice della porta carraia."));
        return;
    }
    if (ui->cmbcod->currentText().isEmpty()) {
        app.say(QStringLiteral("Manca codice volontario."));
        return;
    }
    // The name and association stored are those of the code's volunteer as
    // the register holds him now, whatever the boxes were left showing.
    recallCode(Recall::Registration);
    Passages::Passage passage;
    passage.gate = ui->codcar->text();
    passage.code = ui->cmbcod->currentText();
    passage.name = ui->cmbcono->currentText();
    passage.association = ui->cmbass->currentText();
    passage.reason = ui->cmbmot->currentText();
    passage.date = ui->dataf7->text();
    passage.time = ui->oraf7->text();
    passage.note = ui->notef7->text();
    Passages::registerPassage(app, passage, direction);
    aggiornaliste();
    ui->notef7->clear();
    // The next badge read replaces the code just registered.
    ui->cmbcod->setFocus();
    ui->cmbcod->lineEdit()->selectAll();
}

void FormCar::reloadOpenPassage(bool entry)
{
    QListWidget* list = entry ? ui->List1 : ui->List2;
    const QListWidgetItem* clicked = list->currentItem();
    if (!clicked)
        return;
    const QString wanted = clicked->text();
    Passages::Passage found;
    bool isFound = false;
    {
        const BusyPointer busy;
        app.Data8.setRecordSource(
            entry ? GateQueries::entriesWithoutExit : GateQueries::exitsWithoutEntry,
            { QStringLiteral("") });
        app.Data8.refresh();
        for (Recordset& record = app.Data8.recordset(); !record.eof(); record.moveNext()) {
            const QString line = entry ? Passages::entryLine(record) : Passages::exitLine(record);
            if (line != wanted)
                continue;
            found.code = record.field(QStringLiteral("CODVOL"));
            found.gate = record.field(QStringLiteral("PORTA"));
            found.name = record.field(QStringLiteral("COGNOME"));
            found.association = record.field(QStringLiteral("ASSOCIAZIONE"));
            found.reason = record.field(QStringLiteral("MOTIVAZIONE"));
            found.note = record.field(QStringLiteral("NOTE"));
            isFound = true;
            break;
        }
        app.Data8.endReading();
    }
    if (!isFound)
        return;
    assignCode(found.code);
    ui->codcar->setText(found.gate);
    ui->cmbcono->setEditText(found.name);
    ui->cmbass->setEditText(found.association);
    ui->cmbmot->setEditText(found.reason);
    ui->notef7->setText(found.note);
    stampNow(true);
}

void FormCar::cmdazzeraClicked()
{
    if (app.say(QStringLiteral("Azzero l'archivio dei passaggi alla carraia?"), MessageBox::YesNo)
        != MessageBox::AnswerYes)
        return;
    {
        const BusyPointer busy;
        Passages::deleteAll(app);
        aggiornaliste();
    }
    app.say(QStringLiteral("Archivio passaggi alla carraia azzerato."));
}

void FormCar::cmdcercaClicked()
{
    hide();
    app.showWindow(app.window<FormCar2>());
}
