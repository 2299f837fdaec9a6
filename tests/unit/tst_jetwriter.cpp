// ostrale-jetwriter's files read back by mdbtools: tables, columns, values and NULLs.
#include "platform/accessfile.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <mdbtools.h>

namespace {

using Rows = QList<QVariantList>;

struct Table
{
    QString name;
    QStringList columns; // "NAME TYPE"
    Rows rows;
};

// The tables of the register written: texts with quotes, accents, a line
// break, NULLs and empty texts, integers (NULL too), a memo kept in its row
// and one too long for it, and enough volunteers to fill many pages.
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
QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()) : "";
}

QString columnName(const QString& column)
{
    return column.section(' ', 0, 0);
}

// A table as mdb-export prints it: fields and rows split on characters no
// value holds, no quotes, NULL (and the empty text, which it does not tell
// from NULL) as "\x01".
QList<QStringList> exported(const QString& file, const QString& table)
{
    QList<QStringList> rows;
    const QString text
        = run("mdb-export", { "-Q", "-0", "\x01", "-d", "\x1f", "-R", "\x1e", file, table });
    for (const QString& line : text.split("\x1e", Qt::SkipEmptyParts))
        rows << line.split("\x1f");
    return rows;
}

// Which values of each row are NULL, as libmdb decodes the row itself.
QList<QList<bool>> nullsDecoded(const QString& file, const QString& name)
{
    QList<QList<bool>> rows;
    MdbHandle* mdb = mdb_open(QFile::encodeName(file).constData(), MDB_NOFLAGS);
    if (!mdb)
        return rows;
    MdbTableDef* table = mdb_read_table_by_name(mdb, name.toUtf8().data(), MDB_TABLE);
    if (table && mdb_read_columns(table)) {
        QVector<MdbField> fields(static_cast<int>(table->num_cols));
        mdb_rewind_table(table);
        while (mdb_fetch_row(table)) {
            int start = 0;
            size_t length = 0;
            mdb_find_row(mdb, static_cast<int>(table->cur_row) - 1, &start, &length);
            mdb_crack_row(table, start & 0x1fff, length, fields.data());
            QList<bool> nulls;
            for (const MdbField& field : fields)
                nulls << (field.is_null != 0);
            rows << nulls;
        }
    }
    mdb_free_tabledef(table);
    mdb_close(mdb);
    return rows;
}

} // namespace

class TestJetWriter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mdbtoolsReadsWhatTheRegisterHolds();
    void namedTablesOnlyAndNothingHalfWritten();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
    QList<Table> m_tables;
};

void TestJetWriter::initTestCase()
{
    m_tables = registerTables();
    makeRegister(path("registro.mdb"), m_tables);
    int exitCode = -1;
    run(OSTRALE_JETWRITER, { path("registro.mdb"), path("access.mdb") }, &exitCode);
    QCOMPARE(exitCode, 0);
}

void TestJetWriter::mdbtoolsReadsWhatTheRegisterHolds()
{
    QCOMPARE(run("mdb-tables", { "-1", path("access.mdb") }).split('\n', Qt::SkipEmptyParts),
        QStringList({ "ASSO", "VOLO", "VUOTA" }));
    for (const Table& table : m_tables) {
        const QList<QStringList> rows = exported(path("access.mdb"), table.name);
        QStringList names;
        for (const QString& column : table.columns)
            names << columnName(column);
        QVERIFY(!rows.isEmpty());
        QCOMPARE(rows.first(), names);
        QCOMPARE(rows.size() - 1, table.rows.size());
        const QList<QList<bool>> nulls = nullsDecoded(path("access.mdb"), table.name);
        QCOMPARE(nulls.size(), table.rows.size());
        for (int r = 0; r < table.rows.size(); ++r) {
            QStringList expected;
            QList<bool> expectedNulls;
            for (const QVariant& value : table.rows[r]) {
                const QString text = value.toString();
                expected << (text.isEmpty() ? "\x01" : text);
                expectedNulls << value.isNull();
            }
            QCOMPARE(rows[r + 1], expected);
            QCOMPARE(nulls[r], expectedNulls);
        }
    }
}

// Only the tables named (in any case) are written; a register that cannot
// be written whole (an integer column holding a text) leaves the file that
// was there as it was, and no other file.
void TestJetWriter::namedTablesOnlyAndNothingHalfWritten()
{
    int exitCode = -1;
    run(OSTRALE_JETWRITER, { path("registro.mdb"), path("due.mdb"), "vuota", "ASSO" }, &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(AccessFile(path("due.mdb")).tables(), QStringList({ "VUOTA", "ASSO" }));

    QTemporaryDir folder;
    makeRegister(
        folder.filePath("cattivo.mdb"), { Table { "T", { "N INTEGER" }, { { 1 }, { "uno" } } } });
    QFile::copy(path("due.mdb"), folder.filePath("out.mdb"));
    const QByteArray before = [&] {
        QFile out(folder.filePath("out.mdb"));
        return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
    }();
    run(OSTRALE_JETWRITER, { folder.filePath("cattivo.mdb"), folder.filePath("out.mdb") },
        &exitCode);
    QCOMPARE(exitCode, 1);
    QFile out(folder.filePath("out.mdb"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({ "cattivo.mdb", "out.mdb" }));
}

QTEST_GUILESS_MAIN(TestJetWriter)
#include "tst_jetwriter.moc"
