#include "formpresenti.h"

#include "app/app.h"
#include "reportchecks.h"
#include "ui_formpresenti.h"
#include "volunteers/formvollist.h"

#include <QListWidget>

Formpresenti::Formpresenti(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::Formpresenti>())
{
    ui->setupUi(this);
    onNowClicked(ui->cmddata, ui->datapres, ui->orapres);
    onNowClicked(ui->cmdora, nullptr, ui->orapres);
    onClicked(ui->cmdelabora, &Formpresenti::cmdelaboraClicked);
    onClicked(ui->cmdesci, [this] { hide(); });
    // The list asks for the boxes each time it builds the presence list.
    app.window<FormVolList>()->setPresenceSource([this] {
        return PresenceQuery { ui->datapres->text(), ui->orapres->text(), ui->campopres->text() };
    });
}

Formpresenti::~Formpresenti() = default;

void Formpresenti::cmdelaboraClicked()
{
    if (!isPresenceDate(ui->datapres->text())) {
        app.say(QStringLiteral("Data errata."));
        return;
    }
    if (!isReportTime(ui->orapres->text())) {
        app.say(QStringLiteral("Ora errata."));
        return;
    }
    app.g.modolistvol = QStringLiteral("PV");
    auto* list = app.window<FormVolList>();
    list->List1()->setToolTip(QString());
    // A line picked in an earlier presence list would keep that list on
    // show; the list asked for now is built anew.
    list->List1()->setCurrentRow(-1);
    app.showWindow(list);
}
