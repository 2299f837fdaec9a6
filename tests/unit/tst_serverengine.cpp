// The registers on a PostgreSQL server (all but the first need OSTRALE_TEST_SERVER).
#include "platform/database.h"
#include "platform/datacontrol.h"
#include "platform/dberrors.h"
#include "platform/serverengine.h"
#include "reports/staycounter.h"
#include "store/reportqueries.h"
#include "store/schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

namespace {

ConnInfo conninfo(const QString& text)
{
    return *ConnInfo::parse(text, nullptr);
}

QList<RegisterFile> serverRegisters()
{
    QList<RegisterFile> files;
    for (const RegisterFile& file : Schema::registerFiles())
        if (!file.external)
            files << file;
    return files;
}

// A database of the test server for one test, dropped at its end.
class ScratchDatabase
{
public:
    ScratchDatabase(const QString& server, const QString& name, const QString& ctype)
        : m_server(server)
        , m_name(name)
    {
        run(QStringLiteral("drop database if exists %1").arg(m_name));
        run(QStringLiteral("create database %1 template template0 encoding 'UTF8' "
                           "lc_collate '%2' lc_ctype '%2'")
                .arg(m_name, ctype));
    }
    ~ScratchDatabase()
    {
        run(QStringLiteral("drop database if exists %1 with (force)").arg(m_name));
    }

    QString conninfo() const { return m_server + QStringLiteral(" dbname=") + m_name; }
    // The rows of a query on the database, fields joined by '|'.
    QStringList rows(const QString& sql) const
    {
        QStringList out;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
            db.setConnectOptions(conninfo());
            if (!db.open())
                out << db.lastError().text();
            QSqlQuery query(db);
            if (!query.exec(sql))
                out << query.lastError().nativeErrorCode();
            while (query.next()) {
                QStringList fields;
                for (int i = 0; i < query.record().count(); ++i)
                    fields << query.value(i).toString();
                out << fields.join(QLatin1Char('|'));
            }
        }
        QSqlDatabase::removeDatabase(m_name);
        return out;
    }

private:
    void run(const QString& sql) const
    {
        {
            QSqlDatabase db
                = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
            db.setConnectOptions(m_server);
            QVERIFY2(db.open(), qPrintable(db.lastError().text()));
            QSqlQuery query(db);
            QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("admin"));
    }

    QString m_server;
    QString m_name;
};

QString testServer()
{
    return qEnvironmentVariable("OSTRALE_TEST_SERVER");
}

} // namespace

class TestServerEngine : public QObject
{
    Q_OBJECT

private slots:
    void unreachable();
    void schemaMadeOnceAndFound();
    void foldingLocaleRefused();
    void scanAndWritesOnOneRegister();
    void headcountFollowsOtherDesks();
};

void TestServerEngine::unreachable()
{
    QTemporaryDir folder;
    const QString server = QStringLiteral("host=%1/nosocket dbname=camp user=desk password=secret")
                               .arg(folder.path());
    Engine::chooseForRegisters(std::make_unique<ServerEngine>(conninfo(server)));
    Database asso(QStringLiteral("asso.mdb"));
    try {
        asso.open();
        QFAIL("opened a register on a server that is not there");
    } catch (const DbError& error) {
        QCOMPARE(error.number(), DbErrors::ServerUnreachable);
        QVERIFY2(error.description().contains(QLatin1String("nosocket dbname=camp"))
                && error.description().contains(QLatin1String("No such file or directory"))
                && !error.description().contains(QLatin1String("secret")),
            qPrintable(error.description()));
    }
    Engine::chooseForRegisters(nullptr);
}

void TestServerEngine::schemaMadeOnceAndFound()
{
    if (testServer().isEmpty())
        QSKIP("no server: OSTRALE_TEST_SERVER is not set (scripts/test starts one)");
    const ScratchDatabase database(
        testServer(), QStringLiteral("ostrale_unit_schema"), QStringLiteral("C"));
    const ServerEngine engine(conninfo(database.conninfo()));
    engine.layDown(QString(), serverRegisters());

    QCOMPARE(database.rows(QStringLiteral(
                 "select column_name, data_type, is_nullable, column_default from "
                 "information_schema.columns where table_name = 'asso' and column_name in "
                 "('rowid', 'denom', 'numvol') order by ordinal_position")),
        QStringList(
            { "rowid|bigint|NO|", "denom|USER-DEFINED|NO|''::citext", "numvol|integer|YES|" }));
    // NULL texts stored empty; case-blind but accent-exact compare; DENOM unique in any case.
    database.rows(
        QStringLiteral("insert into ASSO (CODASS, DENOM, NOTE3) values ('1', 'Àlfa', null)"));
    QCOMPARE(database.rows(QStringLiteral("update ASSO set CITTA = null where CODASS = '1'")),
        QStringList());
    QCOMPARE(database.rows(QStringLiteral(
                 "select NOTE3 = '', CITTA = '', DENOM = 'àLFA', DENOM = 'ÀLFA', rowid from ASSO")),
        QStringList({ "true|true|false|true|1" }));
    QCOMPARE(database.rows(QStringLiteral("insert into ASSO (CODASS, DENOM) values ('2', 'àlfa')")),
        QStringList());
    QCOMPARE(database.rows(QStringLiteral("insert into ASSO (CODASS, DENOM) values ('3', 'ÀLFA')")),
        QStringList({ "23505" }));
    // The next desk finds the schema made and the records kept.
    engine.layDown(QString(), serverRegisters());
    QCOMPARE(database.rows(QStringLiteral("select count(*) from ASSO")), QStringList({ "2" }));
}

void TestServerEngine::foldingLocaleRefused()
{
    if (testServer().isEmpty())
        QSKIP("no server: OSTRALE_TEST_SERVER is not set (scripts/test starts one)");
    const ScratchDatabase database(
        testServer(), QStringLiteral("ostrale_unit_locale"), QStringLiteral("C.UTF-8"));
    try {
        ServerEngine(conninfo(database.conninfo())).layDown(QString(), serverRegisters());
        QFAIL("laid the registers down in a database that folds accented letters");
    } catch (const DbError& error) {
        QVERIFY2(error.description().contains(QLatin1String("LC_CTYPE 'C.UTF-8'"))
                && error.description().contains(
                    QLatin1String("createdb -T template0 --locale=C -E UTF8 ostrale_unit_locale")),
            qPrintable(error.description()));
    }
    // Nothing of it was made.
    QCOMPARE(
        database.rows(QStringLiteral("select count(*) from pg_extension where extname = 'citext'")),
        QStringList({ "0" }));
    QCOMPARE(database.rows(QStringLiteral(
                 "select count(*) from information_schema.tables where table_schema = 'public'")),
        QStringList({ "0" }));
}

void TestServerEngine::scanAndWritesOnOneRegister()
{
    if (testServer().isEmpty())
        QSKIP("no server: OSTRALE_TEST_SERVER is not set (scripts/test starts one)");
    const ScratchDatabase database(
        testServer(), QStringLiteral("ostrale_unit_recordset"), QStringLiteral("C"));
    Engine::chooseForRegisters(std::make_unique<ServerEngine>(conninfo(database.conninfo())));
    Engine::registers().layDown(QString(), serverRegisters());
    database.rows(QStringLiteral("insert into ASSO (CODASS, DENOM, NUMVOL) select lpad(n::text, "
                                 "3, '0'), 'A' || n, 0 from generate_series(1, 300) n"));
    {
        DataControl asso(QStringLiteral("Data3"), QStringLiteral("asso.mdb"),
            QStringLiteral("ASSO"), QStringLiteral("select * from ASSO order by CODASS"));
        // Every row of a scan is edited while the scan goes on: none is lost.
        asso.refresh();
        Recordset& rows = asso.recordset();
        int seen = 0;
        // The table's identity column is not one of the register's fields.
        QCOMPARE(rows.fieldNames().size(), Schema::find(QStringLiteral("asso.mdb"))->fields.size());
        for (; !rows.eof(); rows.moveNext()) {
            rows.edit();
            rows.setField(QStringLiteral("NUMVOL"), ++seen);
            rows.update();
        }
        QCOMPARE(seen, 300);
        // A refused write leaves the transaction usable, as on the files.
        asso.setRecordSource(QStringLiteral("ASSO"));
        asso.refresh();
        Transaction change(asso);
        rows.addNew();
        rows.setField(QStringLiteral("CODASS"), QStringLiteral("900"));
        rows.setField(QStringLiteral("DENOM"), QStringLiteral("a7"));
        try {
            rows.update();
            QFAIL("a second A7 was stored");
        } catch (const DbError& error) {
            QCOMPARE(error.number(), int(DbError::DuplicateKey));
        }
        rows.addNew();
        rows.setField(QStringLiteral("CODASS"), QStringLiteral("901"));
        rows.setField(QStringLiteral("DENOM"), QStringLiteral("NUOVA"));
        rows.update();
        change.commit();
    }
    Engine::chooseForRegisters(nullptr);
    QCOMPARE(database.rows(QStringLiteral(
                 "select count(*), sum(NUMVOL), max(CODASS) from ASSO where NUMVOL = rowid")),
        QStringList({ "300|45150|300" }));
    QCOMPARE(database.rows(QStringLiteral("select CODASS from ASSO where CODASS >= '900'")),
        QStringList({ "901" }));
}

// Another desk's commits, each statement of rows() on a connection of its own.
void TestServerEngine::headcountFollowsOtherDesks()
{
    if (testServer().isEmpty())
        QSKIP("no server: OSTRALE_TEST_SERVER is not set (scripts/test starts one)");
    const ScratchDatabase database(
        testServer(), QStringLiteral("ostrale_unit_headcount"), QStringLiteral("C"));
    Engine::chooseForRegisters(std::make_unique<ServerEngine>(conninfo(database.conninfo())));
    const auto cleanup = qScopeGuard([] { Engine::chooseForRegisters(nullptr); });
    Engine::registers().layDown(QString(), { *Schema::find(QStringLiteral("emervol.mdb")) });
    DataControl volunteers(QStringLiteral("Data4"), QStringLiteral("emervol.mdb"),
        QStringLiteral("EMERVOL"), QStringLiteral("emervol"));
    StayCounter counter(volunteers,
        { QStringLiteral("EMERVOL"), ReportQueries::volunteerStays,
            ReportQueries::volunteerStayOfRow });
    const auto countAt
        = [&] { return counter.countAt(QStringLiteral("12/05/2009"), QStringLiteral("10:00")); };
    const auto arrivals = [](const QString& codes) {
        return QStringLiteral("insert into EMERVOL (CODVOL, DATAAR, ORAAR, DATAPA, ORAPA) select "
                              "c, '10/05/2009', '09:00', '', '' from %1 c")
            .arg(codes);
    };
    QVERIFY(counter.sync());
    QCOMPARE(countAt(), 0);
    // Committed just before the look: counted at once, with no turn of the event loop in between.
    database.rows(arrivals(QStringLiteral("unnest(array['1', '2'])")));
    QVERIFY(counter.sync());
    QCOMPARE(countAt(), 2);
    QVERIFY(!counter.sync());
    // A departure and a deletion, row by row.
    database.rows(QStringLiteral(
        "update EMERVOL set DATAPA = '11/05/2009', ORAPA = '18:00' where CODVOL = '1'"));
    QVERIFY(counter.sync());
    QCOMPARE(countAt(), 1);
    database.rows(QStringLiteral("delete from EMERVOL where CODVOL = '2'"));
    QVERIFY(counter.sync());
    QCOMPARE(countAt(), 0);
    // Most of the register at once is read again whole.
    database.rows(arrivals(QStringLiteral("(select 'M' || n from generate_series(1, 1500) n)")));
    QVERIFY(counter.sync());
    QCOMPARE(countAt(), 1500);
}

QTEST_GUILESS_MAIN(TestServerEngine)
#include "tst_serverengine.moc"
