#include "formass.h"

#include "app/app.h"
#include "filtraass.h"
#include "platform/busypointer.h"
#include "platform/database.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "store/counters.h"
#include "store/queries.h"
#include "store/scans.h"
#include "ui_formass.h"

#include <QRegularExpression>

namespace {

const QString notFound = QStringLiteral("Associazione non trovata.");
const QString refused = QStringLiteral("Rinuncio ad eliminare l'associazione");

// What the operator may type as a number of volunteers: a whole number,
// digits only (blanks around allowed); no sign, no decimal part.
bool isWholeNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[0-9]+\\s*$"));
    return number.match(text).hasMatch();
}

} // namespace

Formass::Formass(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::Formass>())
{
    ui->setupUi(this);
    onClicked(ui->cmdcercaass, &Formass::cmdcercaassClicked);
    onClicked(ui->cmdassregistra, &Formass::cmdassregistraClicked);
    onClicked(ui->cmdassesci, &Formass::cmdassesciClicked);
    onPicked(ui->cmbassdenom, &Formass::cmbassdenomClicked);
    onLeave(ui->cmbassdenom, &Formass::cmbassdenomLeft);
}

Formass::~Formass() = default;

void Formass::setTitle(const QString& label1)
{
    ui->Label1->setText(label1);
}

void Formass::setActionButton(const QString& caption, bool visible)
{
    ui->cmdassregistra->setText(caption);
    ui->cmdassregistra->setVisible(visible);
}

void Formass::hideActionButton()
{
    ui->cmdassregistra->setVisible(false);
}

QString Formass::denomination() const
{
    return ui->cmbassdenom->currentText().toUpper();
}

void Formass::activate()
{
    if (app.g.modoass == QLatin1String("L"))
        loadClickedAssociation();
    else
        prepare();
}

void Formass::prepare()
{
    const BusyPointer busy;
    ui->cmbassdenom->setEditText(QString());
    app.g.cercaass.clear();
    filtraass(app, ui->cmbassdenom);
    ui->cmbassdenom->setEditText(QString());
    m_loadedDenom.clear();
    clearFields();
    m_counted
        = Counters::read(app.Data3.database(), app.g.fileprossass, Counters::AssociationDigits);
    ui->fasscodass->setText(m_counted);
}

void Formass::clearFields()
{
    for (QLineEdit* box : { ui->assindir, ui->asscomune, ui->asscap, ui->assprov, ui->asstel,
             ui->assfax, ui->assemail, ui->asscampo })
        box->clear();
    ui->assnumvol->setText(QStringLiteral("0"));
}

void Formass::showAssociation(bool withCode)
{
    const Recordset& association = app.Data3.recordset();
    ui->cmbassdenom->setEditText(association.field(QStringLiteral("DENOM")));
    if (withCode)
        ui->fasscodass->setText(association.field(QStringLiteral("CODASS")));
    ui->assindir->setText(association.field(QStringLiteral("INDIR")));
    ui->asscap->setText(association.field(QStringLiteral("CAP")));
    ui->asscomune->setText(association.field(QStringLiteral("CITTA")));
    ui->assprov->setText(association.field(QStringLiteral("PROV")));
    ui->asstel->setText(association.field(QStringLiteral("TEL")));
    ui->assfax->setText(association.field(QStringLiteral("FAX")));
    ui->assemail->setText(association.field(QStringLiteral("MAIL")));
    ui->asscampo->setText(association.field(QStringLiteral("CAMPO")));
    ui->assnumvol->setText(association.field(QStringLiteral("NUMVOL")));
}

void Formass::loadClickedAssociation()
{
    const BusyPointer busy;
    // The name the association list took from the clicked line.
    app.g.denomass = app.g.assscelta;
    trovaass(app);
    if (app.g.esitoass == QLatin1String("9")) {
        app.say(notFound);
        return;
    }
    // The association's own code, not whatever the box held before.
    showAssociation(true);
}

void Formass::cmbassdenomClicked()
{
    if (ui->cmbassdenom->currentText().isEmpty())
        return;
    const BusyPointer busy;
    app.g.denomass = ui->cmbassdenom->currentText();
    trovaass(app);
    if (app.g.esitoass == QLatin1String("9")) {
        app.say(notFound);
        return;
    }
    showAssociation(true);
    m_loadedDenom = ui->cmbassdenom->currentText().toUpper();
}

void Formass::cmbassdenomLeft()
{
    // A name of the list is a registered one, looked up as it is stored (a
    // name written by another program may hold double quotes).
    const QString current = ui->cmbassdenom->currentText();
    if (ui->cmbassdenom->findText(current, Qt::MatchFixedString | Qt::MatchCaseSensitive) >= 0)
        return;
    // A typed name: upper case, and no double quotes, as the desk stores
    // names it is given.
    QString text = current.toUpper();
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    if (text != current)
        ui->cmbassdenom->setEditText(text);
}

void Formass::cmdcercaassClicked()
{
    const BusyPointer busy;
    app.g.cercaass = ui->cmbassdenom->currentText();
    filtraass(app, ui->cmbassdenom);
}

void Formass::cmdassesciClicked()
{
    hide();
}

void Formass::cmdassregistraClicked()
{
    ui->assprov->setText(ui->assprov->text().toUpper());
    if (ui->cmbassdenom->currentText().isEmpty())
        return;
    if (!isWholeNumber(ui->assnumvol->text())) {
        app.say(QStringLiteral("Numero volontari dell'associazione errato."));
        return;
    }
    const QString& mode = app.g.modoass;
    if (mode == QLatin1String("I"))
        insertAssociation();
    else if (mode == QLatin1String("M"))
        modifyAssociation();
    else if (mode == QLatin1String("A"))
        deleteAssociation();
    else if (mode == QLatin1String("E"))
        printCertificate();
}

void Formass::writeFields(const QString& code)
{
    Recordset& association = app.Data3.recordset();
    association.setField(QStringLiteral("CODASS"), code);
    association.setField(QStringLiteral("DENOM"), denomination());
    association.setField(QStringLiteral("INDIR"), ui->assindir->text().toUpper());
    association.setField(QStringLiteral("CAP"), ui->asscap->text());
    association.setField(QStringLiteral("CITTA"), ui->asscomune->text().toUpper());
    association.setField(QStringLiteral("PROV"), ui->assprov->text());
    association.setField(QStringLiteral("TEL"), ui->asstel->text().toUpper());
    association.setField(QStringLiteral("FAX"), ui->assfax->text().toUpper());
    association.setField(QStringLiteral("MAIL"), ui->assemail->text());
    for (const char* empty : { "CFISC", "SPEC", "DATA1", "DATAU", "RESP", "TELRESP", "NOTE3" })
        association.setField(QString::fromLatin1(empty), QString());
    association.setField(QStringLiteral("NUMVOL"), QStringLiteral("0"));
    association.setField(QStringLiteral("CAMPO"), ui->asscampo->text().toUpper());
    association.setField(QStringLiteral("NVOLIN"), ui->assnumvol->text());
}

void Formass::insertAssociation()
{
    const QString code = ui->fasscodass->text();
    // The counter cannot move on from a code that is not a number: refuse it
    // before anything is stored.
    if (!Counters::isNumber(code)) {
        app.say(QStringLiteral("Codice associazione errato."));
        return;
    }
    QString next;
    {
        const BusyPointer busy;
        try {
            Transaction change(app.Data3);
            CounterAdvance counter(app.Data3, app.g.fileprossass, code, Counters::AssociationDigits,
                code == m_counted ? CounterAdvance::Counted : CounterAdvance::Typed);
            app.Data3.setRecordSource(Queries::associationsTable);
            app.Data3.refresh();
            app.Data3.recordset().addNew();
            writeFields(counter.number());
            app.Data3.recordset().update();
            change.commit();
            counter.keep();
            next = counter.next();
            app.Data3.refresh();
        } catch (const DbError& error) {
            app.Data3.recordset().cancelUpdate();
            app.say(error.number() == DbError::DuplicateKey
                    ? QStringLiteral("Associazione già presente")
                    : error.description());
            return;
        } catch (const OstraleError& error) {
            app.say(error.description());
            return;
        }
    }
    m_counted = next;
    ui->fasscodass->setText(next);
    ui->cmbassdenom->setEditText(QString());
    clearFields();
    ui->cmbassdenom->setFocus();
}

void Formass::modifyAssociation()
{
    const BusyPointer busy;
    app.g.denomass = denomination();
    trovaass(app);
    if (app.g.esitoass == QLatin1String("9")) {
        app.say(notFound);
        return;
    }
    Recordset& association = app.Data3.recordset();
    // The code the counter proposes never replaces an association's code;
    // only a code loaded from this association and then edited does.
    QString code = association.field(QStringLiteral("CODASS"));
    if (!m_loadedDenom.isEmpty() && m_loadedDenom == denomination())
        code = ui->fasscodass->text();
    association.edit();
    writeFields(code);
    association.update();
    app.say(QStringLiteral("Associazione modificata."));
}

bool Formass::deleteAll(
    void (*scan)(Registers&), QString& status, DataControl& data, const QString& question)
{
    status = QStringLiteral("0");
    scan(app);
    if (status == QLatin1String("9"))
        return true;
    if (app.say(question, MessageBox::YesNo) != MessageBox::AnswerYes) {
        app.say(refused);
        return false;
    }
    // All of them or none: one change.
    Transaction removal(data);
    for (;;) {
        status = QStringLiteral("0");
        scan(app);
        if (status == QLatin1String("9"))
            break;
        data.recordset().deleteRecord();
    }
    removal.commit();
    return true;
}

void Formass::deleteAssociation()
{
    const BusyPointer busy;
    Globals& g = app.g;
    g.denomass = denomination();
    if (!deleteAll(leggivolass, g.esitovol, app.Data4,
            QStringLiteral("Ci sono volontari registrati per questa associazione. Elimino tutti i "
                           "volontari?")))
        return;
    if (!deleteAll(leggiautoass, g.esitoauto, app.Data6,
            QStringLiteral("Ci sono Automezzi registrati per questa associazione. Elimino tutti "
                           "gli automezzi?")))
        return;
    g.esitoass = QStringLiteral("0");
    trovaass(app);
    if (g.esitoass == QLatin1String("9")) {
        app.say(notFound);
        return;
    }
    if (app.say(QStringLiteral("Confermi l'eliminazione dell'associazione e di tutti i suoi "
                               "volontari premi OK o cancel."),
            MessageBox::OkCancel)
        != MessageBox::AnswerOk)
        return;
    app.Data3.recordset().deleteRecord();
    ui->cmbassdenom->setEditText(QString());
    g.cercaass.clear();
    filtraass(app, ui->cmbassdenom);
    ui->cmbassdenom->setEditText(QString());
    m_loadedDenom.clear();
    clearFields();
    app.say(QStringLiteral("Associazione eliminata"));
}

void Formass::printCertificate()
{
    const BusyPointer busy;
    TextFile::writeLines(app.g.fileprotciv,
        { QStringLiteral("| |"), QLatin1Char('|') + denomination() + QLatin1Char('|'),
            QStringLiteral("| |"), QStringLiteral("| |") });
    app.programs().start(QStringLiteral("tavresa"));
}
