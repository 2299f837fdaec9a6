// The data connection over SQLite: walking, editing and adding rows where no window reaches.
#include "platform/datacontrol.h"
#include "platform/error.h"
#include "platform/fileengine.h"
#include "store/schema.h"

#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Fields = std::initializer_list<std::pair<const char*, QString>>;

void add(Recordset& rs, Fields fields)
{
    rs.addNew();
    for (const auto& [name, value] : fields)
        rs.setField(QString::fromLatin1(name), value);
    rs.update();
}

} // namespace

class TestRecordset : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void walkEditAndCancel();
    void fieldWriteWithoutEditIsRefused();
    void countsAreNumbers();
    void keptStatementsStayApart();

private:
    int count(const QString& where);
    QTemporaryDir m_dir;
    QString m_previous;
    std::unique_ptr<DataControl> m_data;
};

void TestRecordset::init()
{
    m_previous = QDir::currentPath();
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    QDir::setCurrent(m_dir.path());
    FileEngine::createRegister(
        QStringLiteral("asso.mdb"), *Schema::find(QStringLiteral("asso.mdb")));
    m_data = std::make_unique<DataControl>(QStringLiteral("Data3"), QStringLiteral("asso.mdb"),
        QStringLiteral("ASSO"), QStringLiteral("ASSO"));
    m_data->refresh();
}

void TestRecordset::cleanup()
{
    m_data.reset();
    QDir::setCurrent(m_previous);
}

int TestRecordset::count(const QString& where)
{
    DataControl probe(QStringLiteral("probe"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"),
        QStringLiteral("select count(*) as N from ASSO ") + where);
    probe.refresh();
    return probe.recordset().eof() ? -1 : probe.recordset().field(QStringLiteral("N")).toInt();
}

void TestRecordset::walkEditAndCancel()
{
    QVERIFY(m_data->recordset().eof());
    for (const char* denom : { "A1", "A2", "A3" })
        add(m_data->recordset(), { { "CODASS", denom }, { "DENOM", denom }, { "CAMPO", "NORD" } });
    m_data->setRecordSource(QStringLiteral("select * from ASSO order by DENOM;"));
    m_data->refresh();
    Recordset& rs = m_data->recordset();
    QCOMPARE(rs.field(QStringLiteral("DENOM")), QStringLiteral("A1"));
    QVERIFY(!rs.fieldNames().contains(QStringLiteral("ostrale_rowid")));

    rs.moveNext();
    rs.edit();
    rs.setField(QStringLiteral("CAMPO"), QStringLiteral("SUD"));
    rs.update();
    QCOMPARE(rs.field(QStringLiteral("CAMPO")), QStringLiteral("SUD"));
    QCOMPARE(count(QStringLiteral("where CAMPO = 'SUD' and DENOM = 'A2'")), 1);
    QCOMPARE(count(QStringLiteral("where CAMPO = 'NORD'")), 2);
    rs.edit();
    rs.setField(QStringLiteral("CAMPO"), QStringLiteral("EST"));
    rs.cancelUpdate();
    QCOMPARE(count(QStringLiteral("where CAMPO = 'EST'")), 0);

    rs.moveNext();
    rs.moveNext();
    QVERIFY(rs.eof());
    QVERIFY_THROWS_EXCEPTION(DbError, rs.moveNext());
    QVERIFY_THROWS_EXCEPTION(DbError, rs.field(QStringLiteral("DENOM")));
}

void TestRecordset::fieldWriteWithoutEditIsRefused()
{
    QVERIFY_THROWS_EXCEPTION(
        DbError, m_data->recordset().setField(QStringLiteral("DENOM"), QStringLiteral("X")));
    QVERIFY_THROWS_EXCEPTION(DbError, m_data->recordset().update());
}

void TestRecordset::countsAreNumbers()
{
    add(m_data->recordset(),
        { { "CODASS", "001" }, { "DENOM", "ALFA" }, { "NVOLIN", "0001" }, { "NUMVOL", "0" } });
    m_data->refresh();
    QCOMPARE(m_data->recordset().field(QStringLiteral("NVOLIN")), QStringLiteral("1"));
    DataControl probe(QStringLiteral("probe"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"),
        QStringLiteral("select sum(NVOLIN) + sum(NUMVOL) as N from ASSO"));
    probe.refresh();
    QCOMPARE(probe.recordset().field(QStringLiteral("N")), QStringLiteral("1"));
}

// The per-register statement cache: scans outlive evictions, switched sources and reopened files.
void TestRecordset::keptStatementsStayApart()
{
    for (int i = 1; i <= 30; ++i)
        add(m_data->recordset(), { { "DENOM", QStringLiteral("A%1").arg(i, 2, 10, QChar('0')) } });
    const QString named = QStringLiteral("select * from ASSO where DENOM = ?");
    const QStringList columns { QStringLiteral("INDIR"), QStringLiteral("CAP"),
        QStringLiteral("CITTA"), QStringLiteral("PROV"), QStringLiteral("TEL") };
    m_data->setRecordSource(QStringLiteral("ASSO"));
    m_data->refresh();
    int seen = 0;
    for (Recordset& rs = m_data->recordset(); !rs.eof(); rs.moveNext()) {
        ++seen;
        rs.edit();
        // Every row writes its own set of columns: a statement of its own.
        for (int bit = 0; bit < columns.size(); ++bit)
            if (seen & (1 << bit))
                rs.setField(columns[bit], QStringLiteral("X"));
        rs.update();
        QCOMPARE(
            rs.field(QStringLiteral("DENOM")), QStringLiteral("A%1").arg(seen, 2, 10, QChar('0')));
    }
    QCOMPARE(seen, 30);
    QCOMPARE(count(QStringLiteral("where TEL = 'X'")), 15);

    for (const QString& wanted : { QStringLiteral("A05"), QStringLiteral("A17") }) {
        m_data->setRecordSource(named, { wanted });
        m_data->refresh();
        QCOMPARE(m_data->recordset().field(QStringLiteral("DENOM")), wanted);
        m_data->setRecordSource(QStringLiteral("ASSO"));
        m_data->refresh();
        QCOMPARE(m_data->recordset().field(QStringLiteral("DENOM")), QStringLiteral("A01"));
    }
    // Later rows are read lazily; closing the register under the row shown must leave it whole.
    Recordset& rs = m_data->recordset();
    rs.moveNext();
    QCOMPARE(rs.field(QStringLiteral("DENOM")), QStringLiteral("A02"));
    m_data->database().close();
    QCOMPARE(rs.field(QStringLiteral("CAP")), QStringLiteral("X"));

    m_data->closeDatabase();
    QVERIFY(QFile::rename(QStringLiteral("asso.mdb"), QStringLiteral("asso-old.mdb")));
    FileEngine::createRegister(
        QStringLiteral("asso.mdb"), *Schema::find(QStringLiteral("asso.mdb")));
    m_data->setRecordSource(named, { QStringLiteral("A05") });
    m_data->refresh();
    QVERIFY(m_data->recordset().eof());
}

QTEST_GUILESS_MAIN(TestRecordset)
#include "tst_recordset.moc"
