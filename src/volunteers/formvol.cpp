#include "formvol.h"

#include "app/app.h"
#include "app/listlines.h"
#include "formvollist.h"
#include "historyregistration.h"
#include "platform/busypointer.h"
#include "platform/database.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "store/counters.h"
#include "store/queries.h"
#include "store/scans.h"
#include "ui_formvol.h"
#include "volunteerchecks.h"
#include "volunteerlines.h"
#include "volunteerlookups.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace {

bool isMode(const QString& mode, std::initializer_list<const char*> codes)
{
    for (const char* code : codes)
        if (mode == QLatin1String(code))
            return true;
    return false;
}

// The volunteer counter as the form shows it: four digits.
QString readVolunteerCounter(App& app)
{
    const QString counter
        = Counters::read(app.Data4.database(), app.g.fileprossvol, Counters::VolunteerDigits);
    if (!Counters::isNumber(counter))
        return counter;
    return Counters::padded(counter, Counters::VolunteerDigits);
}

} // namespace

FormVol::FormVol(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::formvol>())
{
    ui->setupUi(this);
    onClicked(ui->cmdcercaass, &FormVol::cmdcercaassClicked);
    onClicked(ui->cmdcognome, &FormVol::cmdcognomeClicked);
    onClicked(ui->cmdregistra, &FormVol::cmdregistraClicked);
    onClicked(ui->cmdesci, &QWidget::hide);
    onNowClicked(ui->cmddataar, ui->dataar, ui->oraar);
    onNowClicked(ui->cmddatapa, ui->datapa, ui->orapa);
    onNowClicked(ui->cmdoraar, nullptr, ui->oraar);
    onNowClicked(ui->cmdorapa, nullptr, ui->orapa);
    onPicked(ui->cmbass, &FormVol::cmbassClicked);
    onTextChanged(ui->codbar, &FormVol::codbarChanged);
    onLeave(ui->codbar, &FormVol::codbarLeft);
}

FormVol::~FormVol() = default;

QComboBox* FormVol::cmbass() const
{
    return ui->cmbass;
}

void FormVol::setTitle(const QString& label1)
{
    ui->Label1->setText(label1);
}

void FormVol::setActionButton(const QString& caption, bool visible)
{
    ui->cmdregistra->setText(caption);
    ui->cmdregistra->setVisible(visible);
}

void FormVol::setSurnameButtonVisible(bool visible)
{
    ui->cmdcognome->setVisible(visible);
}

void FormVol::setAssociationSearchVisible(bool visible)
{
    ui->cmdcercaass->setVisible(visible);
}

void FormVol::setBarcodeVisible(bool visible)
{
    ui->Labelbar->setVisible(visible);
    ui->codbar->setVisible(visible);
}

QString FormVol::selectedListLine() const
{
    const QListWidgetItem* item = app.window<FormVolList>()->List1()->currentItem();
    return item ? item->text() : QString();
}

void FormVol::activate()
{
    const BusyPointer busy;
    const QString mode = app.g.modovol;
    if (mode == QLatin1String("V"))
        loadPickedVolunteer(QStringLiteral("Non sò"));
    else if (isMode(mode, { "R", "C", "L" }))
        loadPickedVolunteer(QStringLiteral("Volontario non trovato."));
    else if (mode == QLatin1String("S"))
        prepareInsertFromHistory();
    else if (mode == QLatin1String("T"))
        loadPickedHistoryRecord();
    else
        prepare();
}

void FormVol::loadPickedVolunteer(const QString& notFoundMessage)
{
    Globals& g = app.g;
    m_loadedCode.clear();
    g.codvolemer = ListLines::leadingField(selectedListLine(), 10);
    g.esitovol = QStringLiteral("0");
    for (;;) {
        leggivolcod(app);
        if (g.esitovol == QLatin1String("9")) {
            app.say(notFoundMessage);
            return;
        }
        if (app.Data4.recordset().field(QStringLiteral("CODVOL")) == g.codvolemer)
            break;
    }
    const Recordset& volunteer = app.Data4.recordset();
    ui->codbar->setText(volunteer.field(QStringLiteral("CODVOL")));
    ui->cmbass->setEditText(volunteer.field(QStringLiteral("DENOM")));
    ui->cognome->setText(volunteer.field(QStringLiteral("COGNOME")));
    ui->nome->setText(volunteer.field(QStringLiteral("NOME")));
    ui->campo->setText(volunteer.field(QStringLiteral("CAMPO")));
    ui->tenda->setText(volunteer.field(QStringLiteral("TENDA")));
    ui->dataar->setText(volunteer.field(QStringLiteral("DATAAR")));
    ui->oraar->setText(volunteer.field(QStringLiteral("ORAAR")));
    ui->datapa->setText(volunteer.field(QStringLiteral("DATAPA")));
    ui->orapa->setText(volunteer.field(QStringLiteral("ORAPA")));
    ui->cmbspec->setEditText(volunteer.field(QStringLiteral("SPEC")));
    m_loadedCode = volunteer.field(QStringLiteral("CODVOL"));
}

void FormVol::prepareInsertFromHistory()
{
    caricaassstor(app, ui->cmbass);
    caricaspec(app, ui->cmbspec);
    clearForArrival();
    m_history.reset();
    app.g.modovol = QStringLiteral("T");
}

void FormVol::loadPickedHistoryRecord()
{
    Globals& g = app.g;
    const QString picked = selectedListLine();
    m_history.reset();
    g.esitostor = QStringLiteral("0");
    for (;;) {
        leggistor(app);
        if (g.esitostor == QLatin1String("9")) {
            app.say(QStringLiteral("Non sò"));
            return;
        }
        const Recordset& record = app.Data5.recordset();
        if (VolunteerLines::history(record) == picked)
            break;
    }
    m_history = HistoryKey::of(app.Data5.recordset());
    ui->cmbass->setEditText(m_history->denom);
    ui->cognome->setText(m_history->cogn);
    ui->nome->setText(m_history->nome);
    ui->cmbspec->setEditText(QString());
}

void FormVol::prepare()
{
    caricaassvol(app, ui->cmbass);
    caricaspec(app, ui->cmbspec);
    m_loadedCode.clear();
    m_history.reset();
    m_counted = readVolunteerCounter(app);
    ui->codbar->setText(m_counted);
    clearForArrival();
    if (app.g.modovol == QLatin1String("B")) {
        ui->codbar->clear();
        ui->codbar->setFocus();
    }
}

void FormVol::clearForArrival()
{
    // A new arrival: nothing typed yet, arriving today, now.
    clearPersonFields();
    for (QLineEdit* box : { ui->campo, ui->tenda, ui->datapa, ui->orapa })
        box->clear();
    ui->cmbspec->setEditText(QString());
    ui->dataar->setText(app.clock().dateText());
    ui->oraar->setText(app.clock().timeText());
}

void FormVol::clearPersonFields()
{
    ui->cognome->clear();
    ui->nome->clear();
}

void FormVol::cmbassClicked()
{
    app.g.denomass = ui->cmbass->currentText();
    trovaass(app);
    // The volunteer list is rebuilt for the association now chosen.
    forgetVolunteerList();
}

void FormVol::cmdcercaassClicked()
{
    const BusyPointer busy;
    if (isMode(app.g.modovol, { "S", "T" }))
        cercaassstor(app, ui->cmbass);
    else
        cercaassvol(app, ui->cmbass);
}

void FormVol::cmdcognomeClicked()
{
    Globals& g = app.g;
    g.denomass = ui->cmbass->currentText();
    auto* list = app.window<FormVolList>();
    if (isMode(g.modovol, { "M", "R" })) {
        g.modolistvol = QStringLiteral("MV");
        list->List1()->setToolTip(QStringLiteral("Cliccare il volontario da modificare."));
    } else if (isMode(g.modovol, { "S", "T" })) {
        g.modolistvol = QStringLiteral("SV");
        list->List1()->setToolTip(QStringLiteral("Cliccare il volontario da registrare."));
    } else {
        g.modolistvol = QStringLiteral("AV");
        list->List1()->setToolTip(QStringLiteral("Cliccare il volontario da eliminare."));
    }
    hide();
    app.showWindow(list);
}

bool FormVol::checkFields()
{
    Globals& g = app.g;
    if (ui->cmbass->currentText().toUpper().isEmpty()) {
        app.say(QStringLiteral("Manca denominazione."));
        return false;
    }
    // Each check leaves its verdict in esitocontrollo; the first refusal is
    // told and ends the click.
    auto refused = [&](const QString& message) {
        if (g.esitocontrollo != QLatin1String("1"))
            return false;
        app.say(message);
        return true;
    };
    g.testodata = ui->dataar->text();
    ctrldata(app);
    if (refused(QStringLiteral("Data arrivo errata.")))
        return false;
    ctrloraarvol(app, ui->oraar->text());
    if (refused(QStringLiteral("Ora arrivo errata.")))
        return false;
    g.testodata = ui->datapa->text();
    ctrldata(app);
    if (refused(QStringLiteral("Data partenza errata.")))
        return false;
    ctrlorapavol(app, ui->orapa->text(), ui->datapa->text(), ui->dataar->text(), ui->oraar->text());
    return !refused(QStringLiteral("Ora partenza errata."));
}

void FormVol::cmdregistraClicked()
{
    if (!checkFields())
        return;
    const QString mode = app.g.modovol;
    if (isMode(mode, { "A", "C" }))
        deleteVolunteer();
    else if (isMode(mode, { "M", "R" }))
        changeVolunteer();
    else
        insertVolunteer();
}

ArrivalRecord FormVol::arrival() const
{
    return { ui->cmbass->currentText().toUpper(), ui->cognome->text().toUpper(),
        ui->nome->text().toUpper(), ui->campo->text().toUpper(), ui->tenda->text().toUpper(),
        ui->cmbspec->currentText().toUpper(), ui->dataar->text(), ui->oraar->text(),
        ui->datapa->text(), ui->orapa->text() };
}

void FormVol::insertVolunteer()
{
    const BusyPointer busy;
    if (isMode(app.g.modovol, { "B", "T" }))
        insertFromHistory();
    else
        insertByHand();
}

void FormVol::insertFromHistory()
{
    if (!m_history || !findHistoryRecord(app, *m_history)) {
        app.say(QStringLiteral("Volontario non trovato."));
        return;
    }
    const HistoryRegistration outcome = registerFromHistory(app, arrival(), [this] {
        const Recordset& history = app.Data5.recordset();
        return history.field(QStringLiteral("CODASS")) + history.field(QStringLiteral("CODVOL"));
    });
    if (outcome == HistoryRegistration::Refused)
        return;
    if (outcome == HistoryRegistration::Registered)
        forgetVolunteerList();
    afterSaving();
}

void FormVol::insertByHand()
{
    Globals& g = app.g;
    const QString number = ui->codbar->text().toUpper();
    if (!Counters::isNumber(number)) {
        // The counter cannot move on from a number that is not a number.
        app.say(QStringLiteral("Codice volontario errato."));
        return;
    }
    // The save acts on the association named in the form, looked up now.
    g.denomass = ui->cmbass->currentText().toUpper();
    trovaass(app);
    if (g.esitoass == QLatin1String("9")) {
        app.say(QStringLiteral("Associazione non trovata."));
        return;
    }
    const QString associationCode = app.Data3.recordset().field(QStringLiteral("CODASS"));
    const ArrivalRecord record = arrival();
    if (!confirmNamesakes(app, record)) {
        afterSaving();
        return;
    }
    QString next;
    try {
        Transaction change(app.Data4);
        CounterAdvance counter(app.Data4, g.fileprossvol, number, Counters::VolunteerDigits,
            number == m_counted ? CounterAdvance::Counted : CounterAdvance::Typed);
        const QString taken = counter.number();
        const QString numberPart = associationCode.left(1) >= QLatin1String("A")
            ? QLatin1Char('B') + taken.mid(1, 3)
            : taken;
        insertArrival(app, associationCode + numberPart, record);
        change.commit();
        counter.keep();
        next = counter.next();
    } catch (const DbError& error) {
        app.say(error.number() == DbError::DuplicateKey ? QStringLiteral("Volontario già presente")
                                                        : error.description());
        return;
    }
    m_counted = next;
    ui->codbar->setText(next);
    forgetVolunteerList();
    afterSaving();
}

bool FormVol::findLoadedVolunteer()
{
    if (m_loadedCode.isEmpty())
        return false;
    app.g.codvolemer = m_loadedCode;
    app.g.esitovol = QStringLiteral("0");
    leggivolcod(app);
    return app.g.esitovol != QLatin1String("9");
}

void FormVol::deleteVolunteer()
{
    const BusyPointer busy;
    if (!findLoadedVolunteer()) {
        app.say(QStringLiteral("Volontario non trovato."));
        return;
    }
    app.Data4.recordset().deleteRecord();
    app.Data4.refresh();
    m_loadedCode.clear();
    forgetVolunteerList();
    for (QLineEdit* box : { ui->cognome, ui->nome, ui->campo, ui->tenda, ui->dataar, ui->oraar,
             ui->datapa, ui->orapa })
        box->clear();
    ui->cmbspec->setEditText(QString());
    ui->cognome->setFocus();
}

void FormVol::changeVolunteer()
{
    const BusyPointer busy;
    if (!findLoadedVolunteer()) {
        app.say(QStringLiteral("Volontario non trovato."));
        return;
    }
    Recordset& volunteer = app.Data4.recordset();
    volunteer.edit();
    writeArrival(volunteer, arrival());
    volunteer.update();
    app.Data4.refresh();
    forgetVolunteerList();
    afterSaving();
}

void FormVol::forgetVolunteerList()
{
    // The registers changed: the list is built again at its next showing.
    if (auto* list = app.existingWindow<FormVolList>())
        list->List1()->clear();
}

void FormVol::afterSaving()
{
    if (app.g.modovol == QLatin1String("B")) {
        ui->codbar->clear();
        ui->codbar->setFocus();
        return;
    }
    clearPersonFields();
    ui->cognome->setFocus();
}

void FormVol::codbarChanged()
{
    const QString text = ui->codbar->text();
    if (text.isEmpty() || app.g.modovol != QLatin1String("B") || text.size() < 10)
        return;
    lookUpBadge(true);
}

void FormVol::codbarLeft()
{
    if (ui->codbar->text().isEmpty())
        return;
    {
        // Upper-casing is not a new reading.
        const QSignalBlocker quiet(ui->codbar);
        ui->codbar->setText(ui->codbar->text().toUpper());
    }
    lookUpBadge(false);
}

void FormVol::lookUpBadge(bool registerAtOnce)
{
    Globals& g = app.g;
    const QString text = ui->codbar->text();
    {
        const BusyPointer busy;
        g.codasscerca = text.mid(0, 6).toUpper();
        g.codvolcerca = text.mid(6, 4).toUpper();
        g.esitostor = QStringLiteral("0");
        leggistorcod(app);
    }
    if (g.esitostor == QLatin1String("9")) {
        app.say(QStringLiteral("Codice non trovato:") + text);
        return;
    }
    const Recordset& history = app.Data5.recordset();
    m_history = HistoryKey::of(history);
    ui->cmbass->setEditText(m_history->denom);
    ui->cognome->setText(m_history->cogn);
    ui->nome->setText(m_history->nome);
    ui->datapa->clear();
    ui->orapa->clear();
    ui->cmbspec->setEditText(history.field(QStringLiteral("SPEC")));
    if (registerAtOnce)
        cmdregistraClicked();
}
