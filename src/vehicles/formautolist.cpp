#include "formautolist.h"

#include "app/app.h"
#include "app/listlines.h"
#include "formauto.h"
#include "platform/busypointer.h"
#include "store/scans.h"
#include "store/vehiclequeries.h"
#include "ui_formautolist.h"
#include "vehiclegridmodel.h"
#include "vehiclelines.h"

#include <QListWidget>

Formautolist::Formautolist(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::Formautolist>())
    , Data1(QStringLiteral("Data1"), QStringLiteral("auto.mdb"), VehicleQueries::vehiclesTable,
          VehicleQueries::allVehicles)
    , m_grid(new VehicleGridModel(this))
{
    ui->setupUi(this);
    ui->List1->setFont(QFont(QStringLiteral("Courier New"), 10));
    ui->DBGrid1->setModel(m_grid);
    ui->DBGrid1->setVisible(false);
    onClicked(ui->cmdcerca, &Formautolist::buildList);
    onClicked(ui->cmdgriglia, &Formautolist::cmdgrigliaClicked);
    onClicked(ui->cmdstampa, [this] { stampalista(this->app, ui->List1); });
    onClicked(ui->cmdlistesci, &QWidget::hide);
    // A double click begins with a click, which already picks the row.
    onListPick(ui->DBGrid1, &Formautolist::DBGrid1Clicked);
}

Formautolist::~Formautolist() = default;

QListWidget* Formautolist::List1() const
{
    return ui->List1;
}

void Formautolist::showListView()
{
    ui->DBGrid1->setVisible(false);
    ui->List1->setVisible(true);
    ui->cerca->setVisible(true);
    ui->cmdcerca->setVisible(true);
}

void Formautolist::activate()
{
    const BusyPointer busy;
    ui->cerca->clear();
    buildList();
    // The grid shows the register as it is now. The file is let go at once,
    // so the maintenance operations may copy or replace it.
    Data1.setRecordSource(VehicleQueries::allVehicles);
    m_grid->load(Data1);
    Data1.closeDatabase();
}

void Formautolist::buildList()
{
    const BusyPointer busy;
    Globals& g = app.g;
    const QString wanted = ui->cerca->text().toUpper();
    ui->List1->clear();
    setWindowTitle(QStringLiteral("Elenco Automezzi"));
    QStringList lines { ListLines::title(app, QStringLiteral(" ELENCO AUTOMEZZI ")),
        QStringLiteral("     ") };
    qint64 count = 0;
    QString previousDenom;
    scanAll(
        g.esitoauto, [this] { leggiauto(app); },
        [&] {
            const Recordset& vehicle = app.Data6.recordset();
            const QString descr = vehicle.field(QStringLiteral("DESCR"));
            if (!wanted.isEmpty() && !descr.contains(wanted, Qt::CaseSensitive))
                return;
            const QString denom = vehicle.field(QStringLiteral("DENOM"));
            if (denom != previousDenom)
                lines << QStringLiteral(" ") << denom;
            previousDenom = denom;
            g.rigastampa = vehicleLine(descr, vehicle.field(QStringLiteral("DATAAR")),
                vehicle.field(QStringLiteral("ORAAR")), vehicle.field(QStringLiteral("DATAPA")),
                vehicle.field(QStringLiteral("ORAPA")));
            ++count;
            lines << g.rigastampa;
        });
    g.contarighe = QString::number(count);
    lines << QStringLiteral(" ") << ListLines::total(g.contarighe);
    ui->List1->addItems(lines);
}

void Formautolist::cmdgrigliaClicked()
{
    const bool showGrid = ui->DBGrid1->isHidden();
    ui->DBGrid1->setVisible(showGrid);
    ui->List1->setVisible(!showGrid);
    ui->cerca->setVisible(!showGrid);
    ui->cmdcerca->setVisible(!showGrid);
}

void Formautolist::DBGrid1Clicked()
{
    const QModelIndex current = ui->DBGrid1->currentIndex();
    if (!current.isValid())
        return;
    const BusyPointer busy;
    // By name: the grid shows the fields in whatever order the table has.
    const QString denom = m_grid->text(current.row(), QStringLiteral("DENOM"));
    const QString descr = m_grid->text(current.row(), QStringLiteral("DESCR"));
    auto* form = app.window<Formauto>();
    form->prepareForPicked(denom, descr);
    hide();
    app.showWindow(form);
}
