// The scan protocol: "1" on the first record, "2" after, "9" at the end, the pointer reset.
#include "app/app.h"
#include "app/initialfolder.h"
#include "platform/busypointer.h"
#include "store/scans.h"

#include <QApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestScans : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void nineOnEmptyOneThenNine();
    void finishedScanLeavesConnectionAlone();

private:
    void exec(const QString& file, const QString& sql);
    QStringList scanAll(
        void (*scan)(Registers&), QString& status, DataControl& data, const char* field);

    QTemporaryDir m_dir;
    QString m_previous;
    QString m_badSequence;
    std::unique_ptr<App> m_app;
};

void TestScans::init()
{
    m_previous = QDir::currentPath();
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    QDir::setCurrent(m_dir.path());
    InitialFolder::layDown(m_dir.path());
    m_app = std::make_unique<App>();
    m_app->setTestMode(true);
}

void TestScans::cleanup()
{
    QVERIFY2(m_badSequence.isEmpty(), qPrintable("status sequence " + m_badSequence));
    m_badSequence.clear();
    m_app.reset();
    QDir::setCurrent(m_previous);
}

void TestScans::exec(const QString& file, const QString& sql)
{
    Database db(file);
    QSqlQuery query(db.handle());
    QVERIFY2(query.exec(sql), qPrintable(sql));
}

QStringList TestScans::scanAll(
    void (*scan)(Registers&), QString& status, DataControl& data, const char* field)
{
    QStringList seen;
    QStringList statuses;
    status = QStringLiteral("0");
    for (;;) {
        scan(*m_app);
        statuses << status;
        if (status == QLatin1String("9"))
            break;
        seen << data.recordset().field(QString::fromLatin1(field));
    }
    // The statuses run "1", "2", "2", ..., "9".
    for (int i = 0; i < statuses.size() - 1; ++i)
        if (statuses[i] != (i == 0 ? QLatin1String("1") : QLatin1String("2")))
            m_badSequence = statuses.join(QLatin1Char(' '));
    return seen;
}

void TestScans::nineOnEmptyOneThenNine()
{
    Globals& g = m_app->g;
    g.esitoass = QStringLiteral("0");
    leggiass(*m_app);
    QCOMPARE(g.esitoass, QStringLiteral("9"));
    QVERIFY(!BusyPointer::isBusy());
    exec("asso.mdb", "insert into ASSO (CODASS, DENOM) values ('001', 'ALFA')");
    QCOMPARE(scanAll(leggiass, g.esitoass, m_app->Data3, "DENOM"), QStringList { "ALFA" });
    // Left after its first record, a scan leaves the pointer normal.
    exec("stor.mdb",
        "insert into STOR (CODASS, CODVOL, DENOM, COGN) values ('A', '1', 'ALFA', 'ROSSI'), ('A', "
        "'2', 'ALFA', 'BIANCHI')");
    g.esitostor = QStringLiteral("0");
    leggistor(*m_app);
    QCOMPARE(g.esitostor, QStringLiteral("1"));
    QCOMPARE(m_app->Data5.recordset().field("COGN"), QStringLiteral("BIANCHI"));
    QVERIFY(!BusyPointer::isBusy());
}

void TestScans::finishedScanLeavesConnectionAlone()
{
    Globals& g = m_app->g;
    g.esitovol = QStringLiteral("9");
    m_app->Data4.setRecordSource(
        QStringLiteral("select * from EMERVOL where CODVOL = ?"), { QStringLiteral("X") });
    leggivol(*m_app);
    QCOMPARE(g.esitovol, QStringLiteral("9"));
    QCOMPARE(m_app->Data4.recordSource(), QStringLiteral("select * from EMERVOL where CODVOL = ?"));
}

QTEST_MAIN(TestScans)
#include "tst_scans.moc"
