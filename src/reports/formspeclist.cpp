#include "formspeclist.h"

#include "app/app.h"
#include "app/listlines.h"
#include "platform/busypointer.h"
#include "specialistlines.h"
#include "specializations.h"
#include "store/scans.h"
#include "ui_formspeclist.h"

FormSpecList::FormSpecList(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::formspeclist>())
{
    ui->setupUi(this);
    ui->List1->setFont(QFont(QStringLiteral("Courier New"), 10));
    onClicked(ui->cmdcerca, &FormSpecList::cmdcercaClicked);
    onClicked(ui->cmdstampa, [this] { stampalista(this->app, ui->List1); });
    onClicked(ui->cmdesci, [this] { hide(); });
}

FormSpecList::~FormSpecList() = default;

void FormSpecList::activate()
{
    const BusyPointer busy;
    ui->List1->clear();
    ui->cmbspec->clear();
    ui->cmbspec->addItems(leggispec(app));
    ui->cmbspec->setEditText(QString());
}

void FormSpecList::cmdcercaClicked()
{
    const BusyPointer busy;
    ui->List1->clear();
    Globals& g = app.g;
    const QString wanted = ui->cmbspec->currentText().toUpper();
    SpecialistLines lines;
    scanAll(
        g.esitovol, [&] { leggivol(app); },
        [&] {
            const Recordset& volunteer = app.Data4.recordset();
            const QString spec = volunteer.field(QStringLiteral("SPEC"));
            // An empty specialization contains nothing, not even "".
            if (spec.isEmpty() || !spec.contains(wanted, Qt::CaseSensitive))
                return;
            lines.add(volunteer.field(QStringLiteral("DENOM")),
                volunteer.field(QStringLiteral("COGNOME")), volunteer.field(QStringLiteral("NOME")),
                spec);
        });
    g.contarighe = QString::number(lines.count());
    ui->List1->addItems(lines.finished());
}
