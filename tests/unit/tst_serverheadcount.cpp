// The headcount on the server follows other desks' commits (needs OSTRALE_TEST_SERVER).
#include "platform/datacontrol.h"
#include "platform/serverengine.h"
#include "reports/staycounter.h"
#include "store/reportqueries.h"
#include "store/schema.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {

// Another desk: a connection of its own to the same database.
class OtherDesk
{
public:
    explicit OtherDesk(const QString& conninfo)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name());
        db.setConnectOptions(conninfo);
        m_open = db.open();
    }
    ~OtherDesk() { QSqlDatabase::removeDatabase(name()); }
    bool isOpen() const { return m_open; }
    bool run(const QString& sql)
    {
        QSqlQuery query(QSqlDatabase::database(name()));
        const bool done = query.exec(sql);
        if (!done)
            qWarning("%s", qPrintable(query.lastError().text()));
        return done;
    }

private:
    static QString name() { return QStringLiteral("other-desk"); }
    bool m_open = false;
};

QString arrival(const QString& code, const QString& departure)
{
    return QStringLiteral("insert into EMERVOL (CODVOL, DATAAR, ORAAR, DATAPA, ORAPA) values "
                          "('%1', '10/05/2009', '09:00', '%2', '')")
        .arg(code, departure);
}

} // namespace

class TestServerHeadcount : public QObject
{
    Q_OBJECT
private slots:
    void followsOtherDesks();
};

void TestServerHeadcount::followsOtherDesks()
{
    const QString server = qEnvironmentVariable("OSTRALE_TEST_SERVER");
    if (server.isEmpty())
        QSKIP("no server: OSTRALE_TEST_SERVER is not set (scripts/test starts one)");
    // A database of its own, dropped at the end.
    const QString name = QStringLiteral("headcount_%1").arg(QCoreApplication::applicationPid());
    const QString conninfo = server + QStringLiteral(" dbname=") + name;
    {
        OtherDesk admin(server);
        QVERIFY(admin.isOpen());
        QVERIFY(admin.run(QStringLiteral("drop database if exists %1").arg(name)));
        QVERIFY(admin.run(
            QStringLiteral("create database %1 template template0 encoding 'UTF8' locale 'C'")
                .arg(name)));
    }
    auto dropped = qScopeGuard([&] {
        OtherDesk admin(server);
        admin.run(QStringLiteral("drop database if exists %1 with (force)").arg(name));
    });
    Engine::chooseForRegisters(std::make_unique<ServerEngine>(*ConnInfo::parse(conninfo, nullptr)));
    Engine::registers().layDown(QString(), { *Schema::find(QStringLiteral("emervol.mdb")) });

    {
        DataControl volunteers(QStringLiteral("Data4"), QStringLiteral("emervol.mdb"),
            QStringLiteral("EMERVOL"), QStringLiteral("emervol"));
        StayCounter counter(volunteers,
            { QStringLiteral("EMERVOL"), ReportQueries::volunteerStays,
                ReportQueries::volunteerStayOfRow });
        const QString date = QStringLiteral("12/05/2009");
        const QString time = QStringLiteral("10:00");
        QVERIFY(counter.sync());
        QCOMPARE(counter.countAt(date, time), 0);

        OtherDesk desk(conninfo);
        QVERIFY(desk.isOpen());
        // Committed just before the look: counted at once.
        QVERIFY(desk.run(arrival(QStringLiteral("1"), QString())));
        QVERIFY(desk.run(arrival(QStringLiteral("2"), QString())));
        QVERIFY(counter.sync());
        QCOMPARE(counter.countAt(date, time), 2);
        QVERIFY(!counter.sync());
        // A departure and a deletion, row by row.
        QVERIFY(desk.run(QStringLiteral(
            "update EMERVOL set DATAPA = '11/05/2009', ORAPA = '18:00' where CODVOL = '1'")));
        QVERIFY(counter.sync());
        QCOMPARE(counter.countAt(date, time), 1);
        QVERIFY(desk.run(QStringLiteral("delete from EMERVOL where CODVOL = '2'")));
        QVERIFY(counter.sync());
        QCOMPARE(counter.countAt(date, time), 0);
        // Not committed: not counted; committed: counted at the next look,
        // with no turn of the event loop in between.
        QVERIFY(desk.run(QStringLiteral("begin")));
        QVERIFY(desk.run(arrival(QStringLiteral("3"), QString())));
        QVERIFY(!counter.sync());
        QVERIFY(desk.run(QStringLiteral("commit")));
        QVERIFY(counter.sync());
        QCOMPARE(counter.countAt(date, time), 1);
        // Most of the register at once is read again whole.
        QVERIFY(desk.run(QStringLiteral(
            "insert into EMERVOL (CODVOL, DATAAR, ORAAR, DATAPA, ORAPA) select 'M' || n, "
            "'10/05/2009', '09:00', '', '' from generate_series(1, 1500) n")));
        QVERIFY(counter.sync());
        QCOMPARE(counter.countAt(date, time), 1501);
    }
}

QTEST_GUILESS_MAIN(TestServerHeadcount)
#include "tst_serverheadcount.moc"
