#include "formsto.h"

#include "app/app.h"
#include "app/listlines.h"
#include "historyscans.h"
#include "multipleentry.h"
#include "platform/busypointer.h"
#include "store/scans.h"
#include "ui_formsto.h"
#include "volunteers/volunteerlookups.h"

#include <QListWidget>

FormSto::FormSto(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::formsto>())
{
    ui->setupUi(this);
    onClicked(ui->cmdcerca, &FormSto::cmdcercaClicked);
    onPicked(ui->Combo1, &FormSto::Combo1Clicked);
    onNowClicked(ui->cmddataar, ui->dataar, ui->oraar);
    onNowClicked(ui->cmdoraar, nullptr, ui->oraar);
    onClicked(ui->cmdins, &FormSto::cmdinsClicked);
    onClicked(ui->cmdstampa, [this] { stampalista(this->app, ui->List1); });
    onClicked(ui->cmdesci, &QWidget::hide);
}

FormSto::~FormSto() = default;

QListWidget* FormSto::List1() const
{
    return ui->List1;
}

void FormSto::activate()
{
    const BusyPointer busy;
    ui->List1->clear();
    ui->Combo1->clear();
    // Each association of the archive once, in name order.
    caricaassstor(app, ui->Combo1);
    ui->Combo1->setEditText(QString());
    ui->dataar->setText(app.clock().dateText());
    ui->oraar->setText(app.clock().timeText());
}

void FormSto::cmdcercaClicked()
{
    const BusyPointer busy;
    // The archive's associations whose name holds the typed text.
    cercaassstor(app, ui->Combo1);
}

void FormSto::addLine(const QString& text)
{
    auto* line = new QListWidgetItem(text, ui->List1);
    line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
    line->setCheckState(Qt::Unchecked);
}

void FormSto::Combo1Clicked()
{
    const BusyPointer busy;
    Globals& g = app.g;
    ui->List1->clear();
    addLine(QString());
    if (ui->Combo1->currentText().isEmpty())
        return;
    qint64 count = 0;
    g.denomass = ui->Combo1->currentText();
    scanAll(
        g.esitostor, [this] { leggistorass(app); },
        [&] {
            const Recordset& history = app.Data5.recordset();
            addLine(history.field(QStringLiteral("COGN")) + QLatin1Char(' ')
                + history.field(QStringLiteral("NOME")));
            ++count;
        });
    g.contarighe = QString::number(count);
    addLine(QStringLiteral(" "));
    addLine(ListLines::total(g.contarighe));
}

void FormSto::cmdinsClicked()
{
    MultipleEntry entry { ui->Combo1->currentText(), {}, ui->dataar->text(), ui->oraar->text() };
    // The first, empty line is never one of the volunteers.
    for (int i = 1; i < ui->List1->count(); ++i)
        if (ui->List1->item(i)->checkState() == Qt::Checked)
            entry.tickedLines << ui->List1->item(i)->text();
    inserisciMultiplo(app, entry);
}
