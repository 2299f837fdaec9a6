// ostrale-jetwriter's files read back by mdbtools: tables, columns and values.
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Rows = QList<QVariantList>;

struct Table
{
    QString name;
    QStringList columns; // "NAME TYPE"
    Rows rows;
};

// Registers with quotes, accents, line breaks, NULLs, memos in and out of row, many pages.
QList<Table> registerTables()
{
    Table asso { "ASSO",
        { "CODASS TEXT COLLATE NOCASE", "DENOM TEXT COLLATE NOCASE", "NVOLIN INTEGER",
            "NOTE TEXT COLLATE NOCASE" },
        {} };
    asso.rows << QVariantList { "A1", "Croce \"Rossa\" d'Italia àèéìòù €", 3, QString(300, 'x') }
              << QVariantList { "A2", "", QVariant(), QVariant() }
              << QVariantList { QVariant(), "riga\nnuova; ,", -2147483647 - 1, "" }
              << QVariantList { "A4", QString(255, QChar(0x00e8)), 2147483647,
                     QString(5000, 'n') + "fine" };
    Table volo { "VOLO",
        { "CODVOL TEXT COLLATE NOCASE", "CODASS TEXT COLLATE NOCASE", "COGN TEXT COLLATE NOCASE",
            "NUMPROG INTEGER" },
        {} };
    for (int i = 0; i < 20000; ++i)
        volo.rows << QVariantList { QString("V%1").arg(i, 5, 10, QChar('0')),
            i % 7 == 0 ? QVariant() : QVariant(QString("A%1").arg(i % 50)),
            i % 11 == 0 ? QVariant("") : QVariant(QString("D'Alò %1 «ù»").arg(i)),
            i % 13 == 0 ? QVariant() : QVariant(i * 37 - 50000) };
    return { asso, volo, Table { "VUOTA", { "X TEXT" }, {} } };
}

void makeRegister(const QString& path, const QList<Table>& tables)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "register");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(db.transaction());
        for (const Table& table : tables) {
            QVERIFY(query.exec(
                QString("create table %1 (%2)").arg(table.name, table.columns.join(", "))));
            QVERIFY(query.prepare(
                QString("insert into %1 values (%2)")
                    .arg(table.name, QStringList(table.columns.size(), "?").join(", "))));
            for (const QVariantList& row : table.rows) {
                for (int i = 0; i < row.size(); ++i)
                    query.bindValue(i, row[i]);
                QVERIFY(query.exec());
            }
        }
        QVERIFY(db.commit());
    }
    QSqlDatabase::removeDatabase("register");
}

// The output of a program, "" when it fails.
QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return ok ? QString::fromUtf8(process.readAllStandardOutput()) : "";
}

// A table as mdb-export prints it: NULL and the empty text both as "\x01".
QList<QStringList> exported(const QString& file, const QString& table)
{
    QList<QStringList> rows;
    const QString text
        = run("mdb-export", { "-Q", "-0", "\x01", "-d", "\x1f", "-R", "\x1e", file, table });
    for (const QString& line : text.split("\x1e", Qt::SkipEmptyParts))
        rows << line.split("\x1f");
    return rows;
}

} // namespace

class TestJetWriter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mdbtoolsReadsWhatTheRegisterHolds();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
    QList<Table> m_tables;
};

void TestJetWriter::initTestCase()
{
    m_tables = registerTables();
    makeRegister(path("registro.mdb"), m_tables);
    QCOMPARE(QProcess::execute(OSTRALE_JETWRITER, { path("registro.mdb"), path("access.mdb") }), 0);
}

void TestJetWriter::mdbtoolsReadsWhatTheRegisterHolds()
{
    QCOMPARE(run("mdb-tables", { "-1", path("access.mdb") }).split('\n', Qt::SkipEmptyParts),
        QStringList({ "ASSO", "VOLO", "VUOTA" }));
    for (const Table& table : m_tables) {
        const QList<QStringList> rows = exported(path("access.mdb"), table.name);
        QStringList names;
        for (const QString& column : table.columns)
            names << column.section(' ', 0, 0);
        QVERIFY(!rows.isEmpty());
        QCOMPARE(rows.first(), names);
        QCOMPARE(rows.size() - 1, table.rows.size());
        for (int r = 0; r < table.rows.size(); ++r) {
            QStringList expected;
            for (const QVariant& value : table.rows[r]) {
                const QString text = value.toString();
                expected << (text.isEmpty() ? "\x01" : text);
            }
            QCOMPARE(rows[r + 1], expected);
        }
    }
}

QTEST_GUILESS_MAIN(TestJetWriter)
#include "tst_jetwriter.moc"
