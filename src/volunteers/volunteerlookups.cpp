#include "volunteerlookups.h"

#include "app/app.h"
#include "platform/busypointer.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "store/scans.h"

#include <QComboBox>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Refills a combo's list and keeps the operator's text in its box.
void refill(QComboBox* combo, const QStringList& items)
{
    const QString typed = combo->currentText();
    combo->clear();
    combo->addItems(items);
    combo->setEditText(typed);
}

QStringList associationNames(App& app, const QString& wanted)
{
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
    return names;
}

QStringList historyAssociationNames(App& app, const QString& wanted)
{
    QStringList names;
    QString last;
    bool first = true;
    app.g.esitostor = QStringLiteral("0");
    for (;;) {
        leggistor(app);
        if (app.g.esitostor == QLatin1String("9"))
            break;
        const QString denom = app.Data5.recordset().field(QStringLiteral("DENOM"));
        if (!first && denom == last)
            continue;
        first = false;
        last = denom;
        if (denom.contains(wanted, Qt::CaseSensitive))
            names << denom;
    }
    return names;
}

// The next association code from the counter file. A missing, empty or
// unreadable counter counts as "000" and is created.
QString takeAssociationCode(App& app)
{
    const QString path = app.g.fileprossass;
    QString current;
    if (QFileInfo::exists(path))
        current = TextFile::readFirstLine(path).trimmed();
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    if (!digits.match(current).hasMatch())
        current = QStringLiteral("000");
    TextFile::writeLines(path, { QStringLiteral("%1").arg(current.toLongLong() + 1, 3, 10, QLatin1Char('0')) });
    return current;
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
    const QString historyCode = history.field(QStringLiteral("CODASS"));
    g.prossimocodice = historyCode.isEmpty() ? takeAssociationCode(app) : historyCode;
    Recordset& association = app.Data3.recordset();
    association.addNew();
    association.setField(QStringLiteral("CODASS"), g.prossimocodice);
    for (const char* copied : { "DENOM", "INDIR", "CAP", "CITTA", "PROV", "TEL", "FAX", "MAIL" })
        association.setField(QString::fromLatin1(copied), history.field(QString::fromLatin1(copied)));
    for (const char* empty : { "CFISC", "SPEC", "DATA1", "DATAU", "RESP", "TELRESP", "CAMPO", "NOTE3" })
        association.setField(QString::fromLatin1(empty), QString());
    association.setField(QStringLiteral("NUMVOL"), QStringLiteral("0"));
    association.setField(QStringLiteral("NVOLIN"), QStringLiteral("0001"));
    association.update();
    app.Data3.refresh();
}

void caricaassvol(App& app, QComboBox* cmbass)
{
    refill(cmbass, associationNames(app, QString()));
}

void cercaassvol(App& app, QComboBox* cmbass)
{
    refill(cmbass, associationNames(app, cmbass->currentText().toUpper()));
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
