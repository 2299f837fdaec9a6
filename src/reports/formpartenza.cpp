#include "formpartenza.h"

#include "app/app.h"
#include "app/datetimechecks.h"
#include "departure.h"
#include "platform/busypointer.h"
#include "reportchecks.h"
#include "store/scans.h"
#include "ui_formpartenza.h"

namespace {

const QString allAssociations = QStringLiteral("TUTTE LE ASSOCIAZIONI");

} // namespace

FormPartenza::FormPartenza(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::formpartenza>())
{
    ui->setupUi(this);
    onNowClicked(ui->cmddata, ui->datapres, ui->orapres);
    onNowClicked(ui->cmdora, nullptr, ui->orapres);
    onClicked(ui->cmdelabora, &FormPartenza::cmdelaboraClicked);
    onClicked(ui->cmdesci, [this] { hide(); });
}

FormPartenza::~FormPartenza() = default;

void FormPartenza::activate()
{
    const BusyPointer busy;
    ui->cmbass->clear();
    ui->cmbass->addItem(allAssociations);
    Globals& g = app.g;
    scanAll(
        g.esitoass, [&] { leggiass(app); },
        [&] { ui->cmbass->addItem(app.Data3.recordset().field(QStringLiteral("DENOM"))); });
    // Emptied, the box shows no choice until the operator makes one.
    ui->cmbass->setEditText(QString());
}

void FormPartenza::cmdelaboraClicked()
{
    Globals& g = app.g;
    g.testodata = ui->datapres->text();
    ctrldata(app);
    if (g.esitocontrollo != QLatin1String("0")) {
        app.say(QStringLiteral("Data errata."));
        return;
    }
    if (!isReportTime(ui->orapres->text())) {
        app.say(QStringLiteral("Ora errata."));
        return;
    }
    {
        const BusyPointer busy;
        const QString chosen = ui->cmbass->currentText();
        g.denomass = chosen == allAssociations ? QStringLiteral("*") : chosen;
        registraPartenza(app, ui->datapres->text(), ui->orapres->text());
    }
    app.say(QStringLiteral("Elaborazione terminata correttamente."));
}
