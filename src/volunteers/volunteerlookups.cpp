#include "volunteerlookups.h"

#include "app/app.h"
#include "platform/busypointer.h"
#include "platform/database.h"
#include "platform/engine.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "store/counters.h"
#include "store/queries.h"
#include "store/scans.h"

#include <QComboBox>
#include <optional>

namespace {

// Refills a combo's list and keeps the operator's text in its box.
void refill(QComboBox* combo, const QStringList& items)
{
    const QString typed = combo->currentText();
    combo->clear();
    combo->addItems(items);
    combo->setEditText(typed);
}

QStringList historyAssociationNames(App& app, const QString& wanted)
{
    QStringList names;
    QString last;
    bool first = true;
    // Only the names are read, in the history scan's order, straight from the
    // archive's index: the whole archive is never fetched for a list of names.
    scanAll(
        app.g.esitostor,
        [&] { scanStep(app.Data5, app.g.esitostor, Queries::historyAssociationNamesInOrder, {}); },
        [&] {
            const QString denom = app.Data5.recordset().field(QStringLiteral("DENOM"));
            // In name order equal names follow one another: each is listed once.
            if (!first && denom == last)
                return;
            first = false;
            last = denom;
            if (denom.contains(wanted, Qt::CaseSensitive))
                names << denom;
        });
    return names;
}

// The association code the counter file proposes; one that is not a number
// counts as "000" rather than stopping the registration.
QString proposedAssociationCode(App& app)
{
    const QString current
        = Counters::read(app.Data3.database(), app.g.fileprossass, Counters::AssociationDigits);
    return Counters::isNumber(current) ? current : QStringLiteral("000");
}

} // namespace

void creaassdastor(App& app)
{
    Globals& g = app.g;
    const Recordset& history = app.Data5.recordset();
    g.denomass = history.field(QStringLiteral("DENOM"));
    trovaass(app);
    if (g.esitoass != QLatin1String("9"))
        return;
    const BusyPointer busy;
    // Another desk may be making the same association at this moment: the
    // name is locked and looked for again inside the transaction, so the
    // second desk takes the association the first one made.
    Transaction change(app.Data3);
    Database& database = app.Data3.database();
    database.engine().lockUntilCommit(database.handle(), QStringLiteral("ASSO"), g.denomass);
    trovaass(app);
    if (g.esitoass != QLatin1String("9")) {
        change.commit();
        return;
    }
    const QString historyCode = history.field(QStringLiteral("CODASS"));
    std::optional<CounterAdvance> counter;
    if (historyCode.isEmpty()) {
        counter.emplace(app.Data3, app.g.fileprossass, proposedAssociationCode(app),
            Counters::AssociationDigits, CounterAdvance::Counted);
        g.prossimocodice = counter->number();
    } else {
        g.prossimocodice = historyCode;
    }
    Recordset& association = app.Data3.recordset();
    association.addNew();
    association.setField(QStringLiteral("CODASS"), g.prossimocodice);
    for (const char* copied : { "DENOM", "INDIR", "CAP", "CITTA", "PROV", "TEL", "FAX", "MAIL" })
        association.setField(
            QString::fromLatin1(copied), history.field(QString::fromLatin1(copied)));
    for (const char* empty :
        { "CFISC", "SPEC", "DATA1", "DATAU", "RESP", "TELRESP", "CAMPO", "NOTE3" })
        association.setField(QString::fromLatin1(empty), QString());
    association.setField(QStringLiteral("NUMVOL"), QStringLiteral("0"));
    association.setField(QStringLiteral("NVOLIN"), QStringLiteral("0001"));
    try {
        association.update();
    } catch (const DbError&) {
        association.cancelUpdate();
        throw;
    }
    change.commit();
    if (counter)
        counter->keep();
    app.Data3.refresh();
}

void caricaassvol(App& app, QComboBox* cmbass)
{
    refill(cmbass, associationNamesContaining(app, QString()));
}

void cercaassvol(App& app, QComboBox* cmbass)
{
    refill(cmbass, associationNamesContaining(app, cmbass->currentText().toUpper()));
}

void caricaassstor(App& app, QComboBox* cmbass)
{
    refill(cmbass, historyAssociationNames(app, QString()));
}

void cercaassstor(App& app, QComboBox* cmbass)
{
    refill(cmbass, historyAssociationNames(app, cmbass->currentText().toUpper()));
}

void caricaspec(App& app, QComboBox* cmbspec)
{
    refill(cmbspec, TextFile::readItems(app.g.filespec));
}
