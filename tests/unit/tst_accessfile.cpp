// Files saved by Access read through the desk's reader, row by row against mdb-export.
#include "platform/accessfile.h"
#include "platform/accesstable.h"
#include "platform/accessvalue.h"
#include "platform/databaseformat.h"
#include "platform/error.h"
#include "platform/textfile.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines an mdbtools program prints in its own character set; none when it fails.
QStringList run(const QString& program, const QStringList& arguments, const QString& lineEnd)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("MDBICONV");
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).split(lineEnd, Qt::SkipEmptyParts);
}

// mdb-export's output: control-character separators, NULL as "\x01", yes/no as words.
const QString nullMark = "\x01";
const QStringList exportOptions { "-Q", "-B", "-0", nullMark, "-d", "\x1f", "-R", "\x1e", "-D",
    "%d/%m/%Y %H:%M:%S", "-T", "%d/%m/%Y %H:%M:%S" };

// What the desk stores for a value mdb-export printed (decimals with four places).
QString asStored(const QString& printed)
{
    static const QRegularExpression dateTime("^(\\d\\d/\\d\\d/\\d{4}) (\\d\\d:\\d\\d):\\d\\d$");
    static const QRegularExpression decimal("^-?\\d+\\.\\d+$"), zeros("\\.?0+$");
    const QRegularExpressionMatch date = dateTime.match(printed);
    if (printed == nullMark || printed == "TRUE" || printed == "FALSE")
        return printed == "TRUE" ? "S" : printed == "FALSE" ? "N" : "";
    if (date.hasMatch())
        return printed.endsWith(" 00:00:00")   ? date.captured(1)
            : date.captured(1) == "30/12/1899" ? date.captured(2)
                                               : date.captured(1) + ' ' + date.captured(2);
    return decimal.match(printed).hasMatch() ? QString(printed).remove(zeros) : printed;
}

// A real file patched as Access would store other values: NULLs, a "no", accents, times of day.
QByteArray patched(QByteArray bytes)
{
    const bool jet3 = databaseFormat(bytes) == DatabaseFormat::Jet3;
    const auto encoded = [jet3](const QString& text) {
        return jet3 ? TextFile::encodeWindows1252(text)
                    : QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    };
    const QByteArray accented = encoded("àèìòù€ßÄç");
    const int at = bytes.indexOf(encoded("hijklmnop"));
    const int pageSize = jet3 ? 2048 : 4096, pageStart = at / pageSize * pageSize;
    const int pageEnd = pageStart + pageSize;
    if (at < 0)
        return {};
    bytes.replace(at, accented.size(), accented);
    // A page's first row ends at its end; a row ends with its NULL mask (bit clear: NULL or "no").
    bytes[pageEnd - 2] = static_cast<char>(bytes[pageEnd - 2] & ~(0x01 | 0x04 | 0x40));
    bytes[pageEnd - 1] = static_cast<char>(bytes[pageEnd - 1] & ~0x01);
    for (const QDate& day : { QDate(1974, 9, 21), QDate(1981, 12, 12) }) {
        double value = QDate(1899, 12, 30).daysTo(day);
        const int where = bytes.indexOf(QByteArray(reinterpret_cast<char*>(&value), 8), pageStart);
        if (where < 0 || where >= pageEnd)
            return {};
        value += (14 * 3600 + 35 * 60 + 10) / 86400.0;
        bytes.replace(where, 8, QByteArray(reinterpret_cast<char*>(&value), 8));
    }
    return bytes;
}

// "number description" of the DbError a call ends in, "" when it ends well.
QString failure(const std::function<void()>& call)
{
    try {
        call();
    } catch (const DbError& error) {
        return QString::number(error.number()) + ' ' + error.description();
    }
    return QString();
}

// What a folder holds, down to the bytes of each file.
QStringList snapshot(const QString& folder)
{
    QStringList result;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
        result << info.fileName() + QString::number(info.lastModified().toMSecsSinceEpoch())
                + QCryptographicHash::hash(bytesOf(info.filePath()), QCryptographicHash::Sha1)
                      .toHex();
    return result;
}

} // namespace

class TestAccessFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void formatIsToldByContent();
    void valuesAsTheDeskStoresThem();
    void agreesWithMdbExport_data();
    void agreesWithMdbExport();
    void columnsByName();
    void refusesWhatItCannotRead();
    void cleanupTestCase() { QCOMPARE(snapshot(file("")), m_filesBefore); }

private:
    // Read-only copies of the test files, one an ACE file under an .mdb name.
    QString file(const QString& name) const { return m_dir.filePath("files/" + name); }
    QString made(const QString& name, QByteArray bytes, int at = 0, const QByteArray& with = {});
    QTemporaryDir m_dir;
    QStringList m_filesBefore;
};

// A copy of these bytes with some replaced; none when the bytes to replace are missing.
QString TestAccessFile::made(const QString& name, QByteArray bytes, int at, const QByteArray& with)
{
    QFile made(m_dir.filePath(name));
    if (at >= 0 && made.open(QIODevice::WriteOnly))
        made.write(bytes.replace(at, with.size(), with));
    return made.fileName();
}

void TestAccessFile::initTestCase()
{
    const QString source = OSTRALE_TEST_DATA "/access/";
    QVERIFY(QDir(m_dir.path()).mkdir("files"));
    QVERIFY(QFile::copy(source + "V2007-test.accdb", file("voloesp.mdb")));
    for (const QString& name : QDir(source).entryList(QDir::Files))
        QVERIFY(QFile::copy(source + name, file(name)));
    for (const QString& name : QDir(file("")).entryList(QDir::Files))
        QVERIFY(QFile(file(name)).setPermissions(QFile::ReadOwner | QFile::ReadGroup));
    m_filesBefore = snapshot(file(""));
}

void TestAccessFile::formatIsToldByContent()
{
    const auto access = [](const char* engine, char version) {
        return QByteArray("\0\1\0\0Standard ", 13) + engine + QByteArray(" DB\0", 4)
            + QByteArray(1, version) + QByteArray(40, '\0');
    };
    using F = DatabaseFormat;
    const QList<std::pair<QByteArray, F>> heads {
        { QByteArray("SQLite format 3\0rest", 20), F::Sqlite }, { access("Jet", 0), F::Jet3 },
        { access("Jet", 1), F::Jet4 }, { access("ACE", 2), F::Ace }, { access("ACE", 6), F::Ace },
        { access("Jet", 2), F::Unknown }, { access("ACE", 1), F::Unknown },
        { access("ACE", 7), F::Unknown }, { access("Jet", 1).left(0x14), F::Unknown },
        { "\1" + access("Jet", 1).mid(1), F::Unknown }, { QByteArray(), F::Unknown }
    };
    for (const auto& [head, format] : heads) {
        QCOMPARE(databaseFormat(head), format);
        QCOMPARE(databaseFormatOfFile(made("head", head)), format);
    }
}

// Edges the real files lack: seconds dropped (not rounded), day 0 and before, wide reals.
void TestAccessFile::valuesAsTheDeskStoresThem()
{
    using namespace AccessValue;
    QCOMPARE(dateTimeText(39909.5 + 59 / 86400.0), "06/04/2009 12:00");
    QCOMPARE(dateTimeText(39909.9999999), "07/04/2009");
    QCOMPARE(dateTimeText(0.5), "12:00");
    QCOMPARE(dateTimeText(0), "30/12/1899");
    QCOMPARE(dateTimeText(-1.25), "29/12/1899 06:00");
    QCOMPARE(realText(1e20), "100000000000000000000");
    QCOMPARE(realText(-1.5e-5), "-0.000015");
    QCOMPARE(realText(-0.0), "0");
    QCOMPARE(realText(0.1f), "0.1");
    QCOMPARE(decimalText("-2.0000"), "-2");
    QCOMPARE(decimalText("-0.0000"), "0");
}

void TestAccessFile::agreesWithMdbExport_data()
{
    QTest::addColumn<QString>("path");
    for (const char* name : { "V1997-test.mdb", "V2000-empty.mdb", "V2000-test.mdb",
             "V2003-numeric.mdb", "V2007-test.accdb", "voloesp.mdb", "V2016-longtext.accdb",
             "V2016-withdeletedcol.accdb", "V2016-withinsertedcol.accdb" })
        QTest::newRow(name) << file(name);
    for (const QString name : { "V1997-test.mdb", "V2000-test.mdb", "V2007-test.accdb" })
        QTest::newRow(qPrintable("patched " + name))
            << made("patched-" + name, patched(bytesOf(file(name))));
}

void TestAccessFile::agreesWithMdbExport()
{
    QFETCH(QString, path);
    qputenv("MDBICONV", "ISO-8859-1"); // libmdb would hand texts over in Latin-1
    const AccessFile file(path);
    QCOMPARE(file.tables(), run("mdb-tables", { "-1", path }, "\n"));
    for (const QString& name : file.tables()) {
        const QStringList rows
            = run("mdb-export", exportOptions + QStringList { path, name }, "\x1e");
        QVERIFY2(!rows.isEmpty(), "mdb-export failed");
        AccessTable table(file, name);
        QCOMPARE(table.columns(), rows.first().split("\x1f"));
        for (const QString& row : rows.mid(1)) {
            QStringList stored;
            for (const QString& printed : row.split("\x1f"))
                stored << asStored(printed);
            QVERIFY2(table.next(), qPrintable(name + ": a row missing"));
            QCOMPARE(table.row(), stored);
        }
        QVERIFY2(!table.next(), qPrintable(name));
    }
}

void TestAccessFile::columnsByName()
{
    // col4 was deleted, so file order is not numbering; the table keeps its file open.
    AccessTable table(AccessFile(file("V2016-withdeletedcol.accdb")), "table1");
    QCOMPARE(table.name(), "Table1");
    QVERIFY(table.next());
    QCOMPARE(table.field("col1"), "0");
    QCOMPARE(table.field("Col8"), "7");
    QVERIFY(failure([&] { table.field("col4"); }).startsWith("3265 "));
}

void TestAccessFile::refusesWhatItCannotRead()
{
    const QByteArray jet3 = bytesOf(file("V1997-test.mdb")), jet4 = bytesOf(file("V2000-test.mdb")),
                     memo = bytesOf(file("V2016-longtext.accdb"));
    const int rows = jet4.indexOf(QByteArray("h\0i\0j\0k\0l\0m\0n\0o\0p\0", 18)) / 4096 * 4096;
    using Refusal = std::pair<int, const char*>;
    const Refusal damaged { DbError::Damaged, "danneggiato" };
    const Refusal foreign { DbError::NotADatabase, "non riconosciuto" };
    const QList<std::pair<QString, Refusal>> refusals {
        { file("password-V2000_with-password.mdb"),
            { DbError::BadPassword, "protetto da una password" } },
        { file("encryption-office-agile-4.4.accdb"), { DbError::BadPassword, "crittografato" } },
        { made("cut.mdb", jet4.chopped(100)), damaged },
        { made("catalog-garbled.mdb", jet4, 2 * 4096, QByteArray(4096, 'Z')), damaged },
        { made("page-lost.mdb", jet4, rows, QByteArray(4096, '\0')), damaged },
        // The long memo's header (10000 bytes, kept on other pages) made to claim a gigabyte.
        { made("memo.accdb", memo, memo.indexOf(QByteArray("\x10\x27\0\0", 4)), "\xff\xff\xff\x3f"),
            damaged },
        // A zero-length table property record in the catalog: libmdb would loop for ever.
        { made("properties.mdb", jet3, 0x18255, QByteArray(1, '\0')), damaged },
        { made("text.mdb", "CODASS,DENOM\r\n" + QByteArray(9000, 'x')), foreign },
        { made("register.mdb", QByteArray("SQLite format 3\0", 16) + QByteArray(3 * 4096, '\0')),
            foreign },
        { file("assoesp.mdb"), { DbError::FileNotFound, "Impossibile trovare" } },
    };
    for (const auto& refusal : refusals) {
        const QString& path = refusal.first;
        const QString error = failure([&] {
            const AccessFile access(path);
            for (const QString& name : access.tables())
                for (AccessTable table(access, name); table.next();) { }
        });
        QVERIFY2(error.startsWith(QString::number(refusal.second.first) + ' ')
                && error.contains(path) && error.contains(refusal.second.second),
            qPrintable(path + ": " + error));
    }
}

QTEST_GUILESS_MAIN(TestAccessFile)
#include "tst_accessfile.moc"
