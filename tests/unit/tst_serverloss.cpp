// The server stopped mid-work and started again (a cluster of its own, under with-test-server).
#include "platform/database.h"
#include "platform/datacontrol.h"
#include "platform/dberrors.h"
#include "platform/engine.h"
#include "platform/serverengine.h"
#include "reports/staycounter.h"
#include "store/reportqueries.h"
#include "store/schema.h"

#include <QProcess>
#include <QSqlQuery>
#include <QtTest>

namespace {

// Only a cluster started for this test alone (OSTRALE_TEST_SERVER_STOPPABLE) may be stopped.
QString control()
{
    if (qEnvironmentVariable("OSTRALE_TEST_SERVER_STOPPABLE") != QLatin1String("1"))
        return {};
    return qEnvironmentVariable("OSTRALE_TEST_SERVER_CTL");
}

void server(const QString& action)
{
    QCOMPARE(QProcess::execute(control(), { action }), 0);
}

void insert(Database& database, const QString& code)
{
    QSqlQuery query(database.handle());
    query.prepare(QStringLiteral("insert into EMERVOL (CODVOL, COGNOME) values (?, 'ROSSI')"));
    query.addBindValue(code);
    if (!query.exec())
        throw database.translate(query.lastError());
}

QStringList codes(Database& database)
{
    QSqlQuery query(database.handle());
    if (!query.exec(QStringLiteral("select CODVOL from EMERVOL order by CODVOL")))
        throw database.translate(query.lastError());
    QStringList out;
    while (query.next())
        out << query.value(0).toString();
    return out;
}

} // namespace

class TestServerLoss : public QObject
{
    Q_OBJECT
private slots:
    void lostAndBack();
};

void TestServerLoss::lostAndBack()
{
    if (control().isEmpty())
        QSKIP("no server of its own: run under scripts/with-test-server");
    Engine::chooseForRegisters(std::make_unique<ServerEngine>(
        *ConnInfo::parse(qEnvironmentVariable("OSTRALE_TEST_SERVER"), nullptr)));
    QList<RegisterFile> files;
    for (const RegisterFile& file : Schema::registerFiles())
        if (!file.external)
            files << file;
    Engine::registers().layDown(QString(), files);

    Database database(QStringLiteral("emervol.mdb"));
    insert(database, QStringLiteral("0010001"));
    const int generation = database.generation();
    // The headcount follows the register on a connection of its own.
    DataControl volunteers(QStringLiteral("Data4"), QStringLiteral("emervol.mdb"),
        QStringLiteral("EMERVOL"), QStringLiteral("emervol"));
    StayCounter headcount(volunteers,
        { QStringLiteral("EMERVOL"), ReportQueries::volunteerStays,
            ReportQueries::volunteerStayOfRow });
    const QString date = QStringLiteral("01/01/2024");
    const QString time = QStringLiteral("09:00");
    QVERIFY(headcount.sync());
    QCOMPARE(headcount.countAt(date, time), 1);
    // Lost between a write and its commit: the commit fails, the server rolled the write back.
    {
        Transaction transaction(database);
        insert(database, QStringLiteral("0010002"));
        server(QStringLiteral("stop"));
        try {
            transaction.commit();
            QFAIL("the commit succeeded with the server stopped");
        } catch (const DbError& error) {
            QVERIFY2(
                error.number() == DbErrors::ServerUnreachable, qPrintable(error.description()));
            QVERIFY2(error.description().startsWith(
                         QStringLiteral("Impossibile collegarsi al server dei registri")),
                qPrintable(error.description()));
        }
    }
    // While it is down, every operation fails the same way.
    try {
        codes(database);
        QFAIL("a read succeeded with the server stopped");
    } catch (const DbError& error) {
        QVERIFY2(error.number() == DbErrors::ServerUnreachable, qPrintable(error.description()));
    }
    try {
        headcount.sync();
        QFAIL("the headcount looked with the server stopped");
    } catch (const DbError& error) {
        QVERIFY2(error.number() == DbErrors::ServerUnreachable, qPrintable(error.description()));
    }
    // Back: reconnects, re-prepares its statements and finds only what was committed before.
    server(QStringLiteral("start"));
    QCOMPARE(codes(database), QStringList { QStringLiteral("0010001") });
    QVERIFY(database.generation() > generation);
    insert(database, QStringLiteral("0010003"));
    QCOMPARE(
        codes(database), (QStringList { QStringLiteral("0010001"), QStringLiteral("0010003") }));
    // The headcount listens again and counts what was committed meanwhile.
    QVERIFY(headcount.sync());
    QCOMPARE(headcount.countAt(date, time), 2);
    insert(database, QStringLiteral("0010004"));
    QVERIFY(headcount.sync());
    QCOMPARE(headcount.countAt(date, time), 3);
}

QTEST_GUILESS_MAIN(TestServerLoss)
#include "tst_serverloss.moc"
