#include "gatemeasurement.h"

#include "app/app.h"
#include "bareconnection.h"
#include "bulkwriter.h"
#include "checks.h"
#include "gate/formcar.h"
#include "gate/formcar2.h"
#include "session.h"
#include "store/schema.h"
#include "timing.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

using Checks::check;
using Checks::checkNoError;

constexpr int openPassages = 200;
constexpr int walkers = 30; // volunteers who pass through the gate while timed
constexpr int passageRounds = 5;
constexpr int activationRuns = 3;

QString walkerCode(int i, const QString& side)
{
    // Seven characters, digit first: a whole code for the gate.
    return QStringLiteral("9%1%2").arg(side).arg(i, 5, 10, QLatin1Char('0'));
}

QString date(int day)
{
    return QStringLiteral("%1/%2/2024")
        .arg(day % 28 + 1, 2, 10, QLatin1Char('0'))
        .arg(day / 28 % 12 + 1, 2, 10, QLatin1Char('0'));
}

QString time(int minute)
{
    return QStringLiteral("%1:%2")
        .arg(minute / 60 % 24, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'));
}

// The log: complete passages of a few thousand volunteers, and about 200
// open ones, half entries and half exits. The walkers, ours ("0") and the
// bare side's ("1"), are volunteers of the camp with no passage yet.
void seed(Session& session, int passages)
{
    const RegisterFile* car = Schema::find(QStringLiteral("car.mdb"));
    {
        BulkWriter writer(QDir(session.folder()).filePath(QStringLiteral("car.mdb")), *car);
        for (int i = 0; i < passages; ++i) {
            const bool open = i % (passages / openPassages) == 0;
            const QString code = QStringLiteral("8%1").arg(i % 5000, 6, 10, QLatin1Char('0'));
            const QString in = open && i % 2 ? QString() : date(i / 300);
            const QString out = open && !(i % 2) ? QString() : date(i / 300);
            // CODVOL COGNOME ASSOCIAZIONE PORTA MOTIVAZIONE NOTE DATAIN ORAIN DATAOUT ORAOUT
            writer.insert({ code, code + QStringLiteral(" COGNOME NOME"),
                QStringLiteral("ASSOCIAZIONE %1").arg(i % 300), QStringLiteral("P1"),
                QStringLiteral("SERVIZIO"), QString(), in, in.isEmpty() ? QString() : time(i), out,
                out.isEmpty() ? QString() : time(i + 30) });
        }
        writer.finish();
    }
    BareConnection volunteers(session.folder(), QStringLiteral("emervol.mdb"));
    QSqlQuery insert(volunteers.db());
    insert.prepare(QStringLiteral("insert into EMERVOL (CODVOL, DENOM, COGNOME, NOME, DATAPA) "
                                  "values (?, 'PORTA', 'PASSANTE', ?, '')"));
    for (const QString& side : { QStringLiteral("0"), QStringLiteral("1") })
        for (int i = 0; i < walkers; ++i) {
            insert.addBindValue(walkerCode(i, side));
            insert.addBindValue(QString::number(i));
            requireSql(insert.exec(), insert);
        }
}

// The same steps as the window's, bare: the volunteer by code, his
// passages, the open one completed or a new one, the open passages listed.
class BarePassage
{
public:
    explicit BarePassage(const QString& folder)
        : m_volunteers(folder, QStringLiteral("emervol.mdb"))
        , m_car(folder, QStringLiteral("car.mdb"))
        , m_volunteer(m_volunteers.db())
        , m_passages(m_car.db())
        , m_complete(m_car.db())
        , m_insert(m_car.db())
        , m_open(m_car.db())
    {
        m_volunteer.prepare(QStringLiteral("select * from EMERVOL where CODVOL = ?"));
        m_passages.prepare(QStringLiteral("select rowid, * from CAR where CODVOL = ?"));
        m_complete.prepare(QStringLiteral("update CAR set DATAOUT = ?, ORAOUT = ?, NOTE = ? "
                                          "where rowid = ?"));
        m_insert.prepare(QStringLiteral(
            "insert into CAR (PORTA, CODVOL, COGNOME, ASSOCIAZIONE, MOTIVAZIONE, DATAIN, "
            "ORAIN, DATAOUT, ORAOUT, NOTE) values ('P1', ?, ?, ?, 'SERVIZIO', ?, ?, '', '', '')"));
        m_open.prepare(QStringLiteral(
            "select * from CAR where DATAOUT = '' or DATAOUT is null or DATAIN = '' or DATAIN is "
            "null order by DATAIN, ORAIN, rowid"));
    }

    // An entry (a new record) or an exit (the open one completed); the
    // number of open passages afterwards.
    int pass(const QString& code, bool entry)
    {
        m_volunteer.addBindValue(code);
        requireSql(m_volunteer.exec(), m_volunteer);
        const bool found = m_volunteer.next();
        const QString name = found ? m_volunteer.value(QStringLiteral("COGNOME")).toString() : "";
        m_volunteer.finish();
        requireSql(m_car.db().transaction(), m_passages);
        m_passages.addBindValue(code);
        requireSql(m_passages.exec(), m_passages);
        qint64 open = -1;
        while (open < 0 && m_passages.next())
            if (m_passages.value(QStringLiteral("DATAIN")).toString().isEmpty()
                || m_passages.value(QStringLiteral("DATAOUT")).toString().isEmpty())
                open = m_passages.value(0).toLongLong();
        m_passages.finish();
        if (!entry && open >= 0) {
            m_complete.addBindValue(QStringLiteral("31/12/2024"));
            m_complete.addBindValue(QStringLiteral("23:59"));
            m_complete.addBindValue(QStringLiteral(""));
            m_complete.addBindValue(open);
            requireSql(m_complete.exec(), m_complete);
        } else {
            m_insert.addBindValue(code);
            m_insert.addBindValue(name);
            m_insert.addBindValue(QStringLiteral("PORTA"));
            m_insert.addBindValue(QStringLiteral("31/12/2024"));
            m_insert.addBindValue(QStringLiteral("23:58"));
            requireSql(m_insert.exec(), m_insert);
        }
        requireSql(m_car.db().commit(), m_passages);
        requireSql(m_open.exec(), m_open);
        QStringList lines;
        while (m_open.next())
            lines << m_open.value(QStringLiteral("DATAIN")).toString() + QLatin1Char(' ')
                    + m_open.value(QStringLiteral("ORAIN")).toString() + QLatin1Char(' ')
                    + m_open.value(QStringLiteral("COGNOME")).toString() + QLatin1Char(' ')
                    + m_open.value(QStringLiteral("ASSOCIAZIONE")).toString() + QLatin1Char(' ')
                    + m_open.value(QStringLiteral("MOTIVAZIONE")).toString();
        m_open.finish();
        return int(lines.size());
    }

    // The search window's activation, bare: the distinct values of six
    // fields in entry order, and the grid's first rows.
    qint64 activation()
    {
        QSqlQuery walk(m_car.db());
        requireSql(walk.exec(QStringLiteral("select * from CAR order by DATAIN, ORAIN")), walk);
        const char* fields[] = { "DATAIN", "ORAIN", "DATAOUT", "ORAOUT", "COGNOME", "MOTIVAZIONE" };
        QSet<QString> seen[6];
        qint64 rows = 0;
        while (walk.next()) {
            ++rows;
            for (int f = 0; f < 6; ++f)
                seen[f].insert(walk.value(QString::fromLatin1(fields[f])).toString());
        }
        requireSql(walk.exec(QStringLiteral("select * from CAR order by DATAIN, ORAIN")), walk);
        for (int i = 0; i < 256 && walk.next(); ++i)
            walk.value(0);
        return rows;
    }

private:
    BareConnection m_volunteers;
    BareConnection m_car;
    QSqlQuery m_volunteer;
    QSqlQuery m_passages;
    QSqlQuery m_complete;
    QSqlQuery m_insert;
    QSqlQuery m_open;
};

struct Side
{
    Session* session;
    std::unique_ptr<BarePassage> bare;
    QList<double> passage;
    QList<double> passageBare;
    QList<double> activation;
    QList<double> activationBare;
};

int openCount(FormCar* gate)
{
    return gate->findChild<QListWidget*>(QStringLiteral("List1"))->count()
        + gate->findChild<QListWidget*>(QStringLiteral("List2"))->count();
}

void measurePassages(Side& side, int round)
{
    Session& session = *side.session;
    App& app = session.program();
    app.command(QStringLiteral("mnregcar"))(app);
    auto* gate = app.window<FormCar>();
    gate->findChild<QLineEdit*>(QStringLiteral("codcar"))->setText(QStringLiteral("P1"));
    auto* code = gate->findChild<QComboBox*>(QStringLiteral("cmbcod"));
    auto* in = gate->findChild<QPushButton*>(QStringLiteral("cmdin"));
    auto* out = gate->findChild<QPushButton*>(QStringLiteral("cmdout"));
    const int before = openCount(gate);
    const qsizetype boxes = app.messages().shown().size();
    for (const bool entry : { true, false })
        for (int i = 0; i < walkers; ++i) {
            const QString walker = walkerCode(i, QStringLiteral("0"));
            const double ms = Timing::milliseconds([&] {
                code->setEditText(QString());
                code->setEditText(walker);
                (entry ? in : out)->click();
            });
            // Both sides' walkers share the log: ours enter first, the bare
            // side's right after each.
            check(openCount(gate) == before + (entry ? 2 * i + 1 : 2 * walkers - 2 * i - 1),
                session, QStringLiteral("gate passage %1: the open lists are wrong").arg(walker));
            int open = 0;
            const double bareMs = Timing::milliseconds(
                [&] { open = side.bare->pass(walkerCode(i, QStringLiteral("1")), entry); });
            check(open == before + (entry ? 2 * i + 2 : 2 * walkers - 2 * i - 2), session,
                QStringLiteral("bare gate passage: %1 open passages").arg(open));
            if (round >= 0) {
                side.passage << ms;
                side.passageBare << bareMs;
            }
        }
    check(app.messages().shown().size() == boxes, session,
        QStringLiteral("gate passage: the program showed a message"));
    checkNoError(app, session, QStringLiteral("gate passage"));
    gate->hide();
}

} // namespace

namespace GateMeasurement {

QList<ReportRow> measure(Session& n, Session& tenN)
{
    seed(n, 50000);
    seed(tenN, 500000);
    Side sides[2] = { { &n, std::make_unique<BarePassage>(n.folder()), {}, {}, {}, {} },
        { &tenN, std::make_unique<BarePassage>(tenN.folder()), {}, {}, {}, {} } };
    for (int round = -1; round < passageRounds; ++round)
        for (Side& side : sides)
            measurePassages(side, round);
    for (int run = -1; run < activationRuns; ++run)
        for (Side& side : sides) {
            App& app = side.session->program();
            auto* search = app.window<FormCar2>();
            const double ms = Timing::milliseconds([&] { app.showWindow(search); });
            checkNoError(app, *side.session, QStringLiteral("gate search activation"));
            check(search->findChild<QComboBox*>(QStringLiteral("cmbmotivo"))->count() > 0,
                *side.session, QStringLiteral("gate search activation: no reasons offered"));
            search->hide();
            qint64 rows = 0;
            const double bareMs = Timing::milliseconds([&] { rows = side.bare->activation(); });
            check(rows >= (side.session == &n ? 50000 : 500000), *side.session,
                QStringLiteral("bare gate search: too few rows"));
            if (run >= 0) {
                side.activation << ms;
                side.activationBare << bareMs;
            }
        }
    const auto med = [](const QList<double>& samples) { return Timing::median(samples); };
    return {
        { QStringLiteral("gate passage"), med(sides[0].passage), med(sides[1].passage),
            med(sides[0].passageBare), med(sides[1].passageBare), 2, true, 3 },
        { QStringLiteral("gate search activation"), med(sides[0].activation),
            med(sides[1].activation), med(sides[0].activationBare), med(sides[1].activationBare),
            12, false, 0 },
    };
}

} // namespace GateMeasurement
