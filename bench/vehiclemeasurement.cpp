#include "vehiclemeasurement.h"

#include "app/app.h"
#include "bareconnection.h"
#include "bulkwriter.h"
#include "checks.h"
#include "session.h"
#include "store/schema.h"
#include "timing.h"
#include "vehicles/formauto.h"
#include "vehicles/formautolist.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTableView>

namespace {

using Checks::check;
using Checks::checkNoError;

constexpr int vehiclesPerAssociation = 10;
constexpr int listRuns = 5;
constexpr int loadRuns = 5;
constexpr int loadsPerRun = 200;

QString association(int i)
{
    return QStringLiteral("ASSOCIAZIONE %1").arg(i, 5, 10, QLatin1Char('0'));
}

QString description(int i)
{
    return QStringLiteral("FIAT DUCATO AB%1CD").arg(i, 3, 10, QLatin1Char('0'));
}

// Ten vehicles per association, written in a shuffled order so that the
// table order is not the list's order.
void seed(Session& session, int vehicles)
{
    const RegisterFile* file = Schema::find(QStringLiteral("auto.mdb"));
    BulkWriter writer(QDir(session.folder()).filePath(QStringLiteral("auto.mdb")), *file);
    const int associations = vehicles / vehiclesPerAssociation;
    for (int i = 0; i < vehicles; ++i) {
        // 7919 is prime, so i -> i * 7919 mod n walks every vehicle once.
        const int v = int(qint64(i) * 7919 % vehicles);
        const bool left = v % 3 == 0;
        // CODASS DENOM DESCR STATO CAMPO DATAAR ORAAR DATAPA ORAPA NOTE
        writer.insert({ QString::number(v % associations), association(v % associations),
            description(v / associations), left ? QStringLiteral("B") : QStringLiteral("A"),
            QStringLiteral("1"), QStringLiteral("01/05/2024"), QStringLiteral("09:30"),
            left ? QStringLiteral("03/05/2024") : QString(),
            left ? QStringLiteral("18:00") : QString(), QString() });
    }
    writer.finish();
}

// The list's reading, bare: every vehicle in association and description
// order, the five fields the list shows.
qint64 bareOrderedScan(BareConnection& connection)
{
    QSqlQuery scan(connection.db());
    scan.setForwardOnly(true);
    requireSql(scan.exec(QStringLiteral("select * from AUTO ORDER BY DENOM, DESCR")), scan);
    qint64 rows = 0;
    QString last;
    while (scan.next()) {
        last = scan.value(QStringLiteral("DENOM")).toString()
            + scan.value(QStringLiteral("DESCR")).toString()
            + scan.value(QStringLiteral("DATAAR")).toString()
            + scan.value(QStringLiteral("ORAAR")).toString()
            + scan.value(QStringLiteral("DATAPA")).toString()
            + scan.value(QStringLiteral("ORAPA")).toString();
        ++rows;
    }
    return rows;
}

struct Side
{
    Session* session;
    int vehicles;
    std::unique_ptr<BareConnection> bare;
    QList<double> list, listBare, activation, load, loadBare;
};

void measureList(Side& side, bool counted)
{
    App& app = side.session->program();
    side.session->enter();
    app.command(QStringLiteral("mnautov"))(app);
    auto* list = app.window<Formautolist>();
    checkNoError(app, *side.session, QStringLiteral("vehicle list"));
    // Title, the five blanks, then per association a blank and its name and
    // its vehicles; a blank and the total close it.
    const int associations = side.vehicles / vehiclesPerAssociation;
    const int lines = 2 + 2 * associations + side.vehicles + 2;
    const double listMs = Timing::milliseconds(
        [&] { list->findChild<QPushButton*>(QStringLiteral("cmdcerca"))->click(); });
    check(list->List1()->count() == lines, *side.session,
        QStringLiteral("vehicle list: %1 lines, expected %2")
            .arg(list->List1()->count())
            .arg(lines));
    list->hide();
    const double shownMs = Timing::milliseconds([&] { app.showWindow(list); });
    check(list->findChild<QTableView*>(QStringLiteral("DBGrid1"))->model()->rowCount()
            == side.vehicles,
        *side.session, QStringLiteral("vehicle grid: wrong number of rows"));
    list->hide();
    qint64 rows = 0;
    const double bareMs = Timing::milliseconds([&] { rows = bareOrderedScan(*side.bare); });
    check(rows == side.vehicles, *side.session, QStringLiteral("bare vehicle scan: wrong rows"));
    if (counted) {
        side.list << listMs;
        side.listBare << bareMs;
        side.activation << shownMs;
    }
}

void measureLoad(Side& side, bool counted)
{
    App& app = side.session->program();
    side.session->enter();
    auto* form = app.window<Formauto>();
    auto* campo = form->findChild<QLineEdit*>(QStringLiteral("dataar"));
    QSqlQuery keyed(side.bare->db());
    keyed.prepare(QStringLiteral("select * from AUTO where DENOM = ? and DESCR = ?"));
    const int associations = side.vehicles / vehiclesPerAssociation;
    QRandomGenerator random(42);
    QList<double> ours, bare;
    for (int i = 0; i < loadsPerRun; ++i) {
        const QString denom = association(random.bounded(associations));
        const QString descr = description(random.bounded(vehiclesPerAssociation));
        campo->clear();
        ours << Timing::milliseconds([&] {
            form->prepareForPicked(denom, descr);
            app.showWindow(form);
        });
        check(campo->text() == QLatin1String("01/05/2024"), *side.session,
            QStringLiteral("vehicle load: %1 %2 not loaded").arg(denom, descr));
        bool found = false;
        bare << Timing::milliseconds([&] {
            keyed.addBindValue(denom);
            keyed.addBindValue(descr);
            requireSql(keyed.exec(), keyed);
            found = keyed.next() && !keyed.value(QStringLiteral("DATAAR")).toString().isEmpty();
            keyed.finish();
        });
        check(found, *side.session, QStringLiteral("bare vehicle load: not found"));
    }
    form->hide();
    checkNoError(app, *side.session, QStringLiteral("vehicle load"));
    if (counted) {
        side.load << Timing::median(ours);
        side.loadBare << Timing::median(bare);
    }
}

} // namespace

namespace VehicleMeasurement {

QList<ReportRow> measure(Session& n, Session& tenN)
{
    seed(n, 5000);
    seed(tenN, 50000);
    Side sides[2] = { { &n, 5000,
                          std::make_unique<BareConnection>(n.folder(), QStringLiteral("auto.mdb")),
                          {}, {}, {}, {}, {} },
        { &tenN, 50000, std::make_unique<BareConnection>(tenN.folder(), QStringLiteral("auto.mdb")),
            {}, {}, {}, {}, {} } };
    for (int run = -1; run < listRuns; ++run)
        for (Side& side : sides)
            measureList(side, run >= 0);
    for (int run = -1; run < loadRuns; ++run)
        for (Side& side : sides)
            measureLoad(side, run >= 0);
    const auto med = [](const QList<double>& samples) { return Timing::median(samples); };
    return {
        { QStringLiteral("vehicle list"), med(sides[0].list), med(sides[1].list),
            med(sides[0].listBare), med(sides[1].listBare), 12, false, 3 },
        { QStringLiteral("vehicle list window (list and grid)"), med(sides[0].activation),
            med(sides[1].activation), med(sides[0].listBare), med(sides[1].listBare), 12, false,
            0 },
        { QStringLiteral("vehicle load"), med(sides[0].load), med(sides[1].load),
            med(sides[0].loadBare), med(sides[1].loadBare), 2, true, 0 },
    };
}

} // namespace VehicleMeasurement
