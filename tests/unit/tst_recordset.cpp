// The data connection over SQLite: bound values, the engine's error numbers,
// case-blind text, walking, editing, adding and deleting rows.
#include "platform/datacontrol.h"
#include "platform/error.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestRecordset : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void quotesAndSemicolonsAreValuesNotSql();
    void textComparesAndOrdersWithoutCase();
    void walksForwardAndBackToFirst();
    void editWritesOnlyTheCurrentRow();
    void deleteDuringScanThenRestartEmptiesTheSet();
    void duplicateKeyIs3022AndStoresNothing();
    void missingFileIs3024AndIsNotCreated();
    void damagedFileIs3343();
    void fieldWriteWithoutEditIsRefused();
    void countsAreNumbers();

private:
    int count(const QString& sql);
    QTemporaryDir m_dir;
    QString m_previous;
};

void TestRecordset::init()
{
    m_previous = QDir::currentPath();
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    QDir::setCurrent(m_dir.path());
    Schema::createRegister(QStringLiteral("asso.mdb"), *Schema::find(QStringLiteral("asso.mdb")));
}

void TestRecordset::cleanup()
{
    QDir::setCurrent(m_previous);
}

int TestRecordset::count(const QString& sql)
{
    DataControl probe(QStringLiteral("probe"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"), sql);
    probe.refresh();
    return probe.recordset().eof() ? -1 : probe.recordset().field(QStringLiteral("N")).toInt();
}

void TestRecordset::quotesAndSemicolonsAreValuesNotSql()
{
    DataControl data(QStringLiteral("Data3"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"), QStringLiteral("ASSO"));
    const QString name = QStringLiteral("PRO \"LOCO\"; DROP TABLE ASSO; L'AQUILA");
    data.refresh();
    data.recordset().addNew();
    data.recordset().setField(QStringLiteral("CODASS"), QStringLiteral("001"));
    data.recordset().setField(QStringLiteral("DENOM"), name);
    data.recordset().update();

    data.setRecordSource(QStringLiteral("select * from ASSO where DENOM = ?"), { name });
    data.refresh();
    QVERIFY(!data.recordset().eof());
    QCOMPARE(data.recordset().field(QStringLiteral("DENOM")), name);
    QCOMPARE(count(QStringLiteral("select count(*) as N from ASSO")), 1);
}

void TestRecordset::textComparesAndOrdersWithoutCase()
{
    DataControl data(QStringLiteral("Data3"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"), QStringLiteral("ASSO"));
    data.refresh();
    for (const char* denom : { "beta", "ALFA", "Gamma" }) {
        data.recordset().addNew();
        data.recordset().setField(QStringLiteral("CODASS"), QString::fromLatin1(denom));
        data.recordset().setField(QStringLiteral("DENOM"), QString::fromLatin1(denom));
        data.recordset().update();
    }
    data.setRecordSource(QStringLiteral("select * from ASSO order by DENOM"));
    data.refresh();
    QStringList order;
    for (; !data.recordset().eof(); data.recordset().moveNext())
        order << data.recordset().field(QStringLiteral("DENOM"));
    QCOMPARE(order, (QStringList { "ALFA", "beta", "Gamma" }));

    data.setRecordSource(QStringLiteral("select * from ASSO where DENOM = ?"), { QStringLiteral("BETA") });
    data.refresh();
    QVERIFY(!data.recordset().eof());
    QCOMPARE(data.recordset().field(QStringLiteral("DENOM")), QStringLiteral("beta"));
    // Being case-blind, the key also refuses a name differing only in case.
    data.recordset().addNew();
    data.recordset().setField(QStringLiteral("CODASS"), QStringLiteral("X"));
    data.recordset().setField(QStringLiteral("DENOM"), QStringLiteral("Alfa"));
    QVERIFY_THROWS_EXCEPTION(DbError, data.recordset().update());
}

void TestRecordset::walksForwardAndBackToFirst()
{
    DataControl data(QStringLiteral("Data3"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"), QStringLiteral("ASSO"));
    data.refresh();
    QVERIFY(data.recordset().eof());
    for (int i = 1; i <= 3; ++i) {
        data.recordset().addNew();
        data.recordset().setField(QStringLiteral("CODASS"), QString::number(i));
        data.recordset().setField(QStringLiteral("DENOM"), QStringLiteral("A%1").arg(i));
        data.recordset().update();
    }
    data.setRecordSource(QStringLiteral("select * from ASSO order by DENOM;"));
    data.refresh();
    Recordset& rs = data.recordset();
    rs.moveLast();
    QCOMPARE(rs.field(QStringLiteral("DENOM")), QStringLiteral("A3"));
    rs.moveFirst();
    QCOMPARE(rs.field(QStringLiteral("DENOM")), QStringLiteral("A1"));
    rs.moveNext();
    rs.moveNext();
    rs.moveNext();
    QVERIFY(rs.eof());
    QVERIFY_THROWS_EXCEPTION(DbError, rs.moveNext());
    QVERIFY_THROWS_EXCEPTION(DbError, rs.field(QStringLiteral("DENOM")));
    QVERIFY(!rs.fieldNames().contains(QStringLiteral("ostrale_rowid")));
}

void TestRecordset::editWritesOnlyTheCurrentRow()
{
    DataControl data(QStringLiteral("Data3"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"), QStringLiteral("ASSO"));
    data.refresh();
    for (const char* denom : { "ALFA", "BETA" }) {
        data.recordset().addNew();
        data.recordset().setField(QStringLiteral("CODASS"), QString::fromLatin1(denom));
        data.recordset().setField(QStringLiteral("DENOM"), QString::fromLatin1(denom));
        data.recordset().setField(QStringLiteral("CAMPO"), QStringLiteral("NORD"));
        data.recordset().update();
    }
    data.setRecordSource(QStringLiteral("select * from ASSO order by DENOM"));
    data.refresh();
    data.recordset().moveNext();
    data.recordset().edit();
    data.recordset().setField(QStringLiteral("CAMPO"), QStringLiteral("SUD"));
    QCOMPARE(data.recordset().field(QStringLiteral("CAMPO")), QStringLiteral("SUD"));
    data.recordset().update();
    QCOMPARE(data.recordset().field(QStringLiteral("CAMPO")), QStringLiteral("SUD"));
    QCOMPARE(count(QStringLiteral("select count(*) as N from ASSO where CAMPO = 'SUD' and DENOM = 'BETA'")), 1);
    QCOMPARE(count(QStringLiteral("select count(*) as N from ASSO where CAMPO = 'NORD'")), 1);

    data.recordset().edit();
    data.recordset().setField(QStringLiteral("CAMPO"), QStringLiteral("EST"));
    data.recordset().cancelUpdate();
    QCOMPARE(count(QStringLiteral("select count(*) as N from ASSO where CAMPO = 'EST'")), 0);
}

void TestRecordset::deleteDuringScanThenRestartEmptiesTheSet()
{
    DataControl data(QStringLiteral("Data3"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"), QStringLiteral("ASSO"));
    data.refresh();
    for (int i = 0; i < 4; ++i) {
        data.recordset().addNew();
        data.recordset().setField(QStringLiteral("CODASS"), QString::number(i));
        data.recordset().setField(QStringLiteral("DENOM"), QStringLiteral("X%1").arg(i));
        data.recordset().update();
    }
    int restarts = 0;
    for (;;) {
        data.setRecordSource(QStringLiteral("select * from ASSO"));
        data.refresh();
        if (data.recordset().eof())
            break;
        data.recordset().deleteRecord();
        QVERIFY_THROWS_EXCEPTION(DbError, data.recordset().edit());
        ++restarts;
    }
    QCOMPARE(restarts, 4);
    QCOMPARE(count(QStringLiteral("select count(*) as N from ASSO")), 0);
}

void TestRecordset::duplicateKeyIs3022AndStoresNothing()
{
    DataControl data(QStringLiteral("Data3"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"), QStringLiteral("ASSO"));
    data.refresh();
    data.recordset().addNew();
    data.recordset().setField(QStringLiteral("CODASS"), QStringLiteral("001"));
    data.recordset().setField(QStringLiteral("DENOM"), QStringLiteral("ALFA"));
    data.recordset().update();
    for (const auto& [code, denom] : { std::pair { "001", "BETA" }, std::pair { "002", "ALFA" } }) {
        data.recordset().addNew();
        data.recordset().setField(QStringLiteral("CODASS"), QString::fromLatin1(code));
        data.recordset().setField(QStringLiteral("DENOM"), QString::fromLatin1(denom));
        try {
            data.recordset().update();
            QFAIL("a duplicate key was stored");
        } catch (const DbError& error) {
            QCOMPARE(error.number(), DbError::DuplicateKey);
        }
    }
    QCOMPARE(count(QStringLiteral("select count(*) as N from ASSO")), 1);
}

void TestRecordset::missingFileIs3024AndIsNotCreated()
{
    DataControl data(QStringLiteral("Data4"), QStringLiteral("emervol.mdb"), QStringLiteral("EMERVOL"), QStringLiteral("emervol"));
    try {
        data.refresh();
        QFAIL("a missing register was opened");
    } catch (const DbError& error) {
        QCOMPARE(error.number(), DbError::FileNotFound);
    }
    QVERIFY(!QFile::exists(QStringLiteral("emervol.mdb")));
}

void TestRecordset::damagedFileIs3343()
{
    QFile junk(QStringLiteral("car.mdb"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    DataControl data(QStringLiteral("Data8"), QStringLiteral("car.mdb"), QStringLiteral("CAR"), QStringLiteral("CAR"));
    try {
        data.refresh();
        QFAIL("a damaged register was opened");
    } catch (const DbError& error) {
        QCOMPARE(error.number(), DbError::NotADatabase);
    }
    QCOMPARE(QFileInfo(QStringLiteral("car.mdb")).size(), 4096);
}

void TestRecordset::fieldWriteWithoutEditIsRefused()
{
    DataControl data(QStringLiteral("Data3"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"), QStringLiteral("ASSO"));
    data.refresh();
    QVERIFY_THROWS_EXCEPTION(DbError, data.recordset().setField(QStringLiteral("DENOM"), QStringLiteral("X")));
    QVERIFY_THROWS_EXCEPTION(DbError, data.recordset().update());
}

void TestRecordset::countsAreNumbers()
{
    DataControl data(QStringLiteral("Data3"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"), QStringLiteral("ASSO"));
    data.refresh();
    data.recordset().addNew();
    data.recordset().setField(QStringLiteral("CODASS"), QStringLiteral("001"));
    data.recordset().setField(QStringLiteral("DENOM"), QStringLiteral("ALFA"));
    data.recordset().setField(QStringLiteral("NVOLIN"), QStringLiteral("0001"));
    data.recordset().setField(QStringLiteral("NUMVOL"), QStringLiteral("0"));
    data.recordset().update();
    data.refresh();
    QCOMPARE(data.recordset().field(QStringLiteral("NVOLIN")), QStringLiteral("1"));
    QCOMPARE(count(QStringLiteral("select sum(NVOLIN) + sum(NUMVOL) as N from ASSO")), 1);
}

QTEST_GUILESS_MAIN(TestRecordset)
#include "tst_recordset.moc"
