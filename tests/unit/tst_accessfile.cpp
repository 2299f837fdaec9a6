// Files saved by Access, read through the desk's reader: the format told by
// content, every real file's tables row by row against mdbtools' mdb-export
// (also copies given NULLs, accented texts and times of day), columns by
// name, nothing written beside the files, and the refusals of files it
// cannot read.
#include "platform/accessfile.h"
#include "platform/accesstable.h"
#include "platform/accessvalue.h"
#include "platform/databaseformat.h"
#include "platform/error.h"
#include "platform/textfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <optional>

namespace {

QString fixture(const QString& name)
{
    return QStringLiteral(OSTRALE_TEST_DATA "/access/") + name;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString written(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

// What an mdbtools program prints; nothing when it fails.
std::optional<QString> run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The header and rows mdb-export prints, fields split on control characters
// no text holds, NULL as "\x01", dates as "%d/%m/%Y %H:%M:%S", yes/no as
// words.
const QString fieldEnd = QStringLiteral("\x1f"), rowEnd = QStringLiteral("\x1e");
const QString nullMark = QStringLiteral("\x01");
std::optional<QList<QStringList>> exported(const QString& path, const QString& table)
{
    const QString dates = QStringLiteral("%d/%m/%Y %H:%M:%S");
    const std::optional<QString> text = run(QStringLiteral("mdb-export"),
        { "-Q", "-B", "-0", nullMark, "-d", fieldEnd, "-R", rowEnd, "-D", dates, "-T", dates, path,
            table });
    if (!text)
        return std::nullopt;
    QList<QStringList> rows;
    for (const QString& row : text->split(rowEnd, Qt::SkipEmptyParts))
        rows << row.split(fieldEnd);
    return rows;
}

// "" when the reader gave what mdb-export printed, as the desk stores it.
QString mismatch(const QString& got, const QString& printed)
{
    static const QRegularExpression dateTime(
        QStringLiteral("^(\\d\\d/\\d\\d/\\d{4}) (\\d\\d:\\d\\d):\\d\\d$"));
    static const QRegularExpression real(QStringLiteral("^-?\\d*\\.\\d+(e[-+]?\\d+)?$|^-?\\d+e"));
    static const QRegularExpression plainDecimal(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    QString expected = printed;
    const QRegularExpressionMatch date = dateTime.match(printed);
    if (printed == nullMark) {
        expected = QString();
    } else if (printed == QLatin1String("TRUE") || printed == QLatin1String("FALSE")) {
        expected = printed == QLatin1String("TRUE") ? QStringLiteral("S") : QStringLiteral("N");
    } else if (date.hasMatch()) {
        if (printed.endsWith(QLatin1String(" 00:00:00")))
            expected = date.captured(1);
        else if (date.captured(1) == QLatin1String("30/12/1899"))
            expected = date.captured(2);
        else
            expected = date.captured(1) + QLatin1Char(' ') + date.captured(2);
    } else if (real.match(printed).hasMatch()) {
        // mdb-export prints currency with four decimals and reals with up to
        // sixteen digits; the reader writes the shortest plain decimal.
        const double value = printed.toDouble();
        if (plainDecimal.match(got).hasMatch()
            && qAbs(got.toDouble() - value) <= 1e-12 * qMax(1.0, qAbs(value)))
            return QString();
    }
    if (got == expected)
        return QString();
    return QStringLiteral("read \"%1\" (%2 characters), mdb-export printed \"%3\" (%4)")
        .arg(got.left(60))
        .arg(got.size())
        .arg(printed == nullMark ? QStringLiteral("NULL") : printed.left(60))
        .arg(printed.size());
}

// Copies of the real test files changed in place as Access would store other
// values: the row ending its data page loses its A, C and G (NULL) and its
// yes/no I; B "hijklmnop" becomes accented; both dates get a time of day.
QString patchedCopy(const QString& folder, const QString& name)
{
    QByteArray bytes = bytesOf(fixture(name));
    const bool jet3 = databaseFormat(bytes) == DatabaseFormat::Jet3;
    const int pageSize = jet3 ? 2048 : 4096;
    const QString plain = QStringLiteral("hijklmnop");
    const QString accented = QStringLiteral("àèìòù€ßÄç");
    const auto encoded = [&](const QString& text) {
        return jet3 ? TextFile::encodeWindows1252(text)
                    : QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    };
    const int at = bytes.indexOf(encoded(plain));
    if (at < 0)
        return QString();
    bytes.replace(at, encoded(accented).size(), encoded(accented));
    const int pageStart = at / pageSize * pageSize;
    const int pageEnd = pageStart + pageSize;
    // The first row on a page ends with it, and a row ends with its NULL
    // mask: a bit per column, clear for NULL (and for a yes/no "no").
    bytes[pageEnd - 2] = static_cast<char>(bytes[pageEnd - 2] & ~(0x01 | 0x04 | 0x40));
    bytes[pageEnd - 1] = static_cast<char>(bytes[pageEnd - 1] & ~0x01);
    const QDate origin(1899, 12, 30);
    for (const QDate& day : { QDate(1974, 9, 21), QDate(1981, 12, 12) }) {
        double value = origin.daysTo(day);
        QByteArray stored(reinterpret_cast<const char*>(&value), sizeof value);
        const int where = bytes.indexOf(stored, pageStart);
        if (where < 0 || where >= pageEnd)
            return QString();
        value += (14 * 3600 + 35 * 60 + 10) / 86400.0;
        std::memcpy(bytes.data() + where, &value, sizeof value);
    }
    return written(folder + QStringLiteral("/patched-") + name, bytes);
}

// Every table of an Access file read whole through the reader.
void readEverything(const QString& path)
{
    const AccessFile file(path);
    for (const QString& name : file.tables()) {
        AccessTable table(file, name);
        while (table.next()) { }
    }
}

// What a folder holds, down to the bytes of each file.
QStringList snapshot(const QString& folder)
{
    QStringList result;
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        result << QStringLiteral("%1 %2 %3 %4")
                      .arg(info.fileName())
                      .arg(info.size())
                      .arg(info.lastModified().toMSecsSinceEpoch())
                      .arg(QString::fromLatin1(QCryptographicHash::hash(
                          bytesOf(info.filePath()), QCryptographicHash::Sha1)
                                                   .toHex()));
    }
    return result;
}

const QStringList readableFixtures { "V1997-test.mdb", "V2000-empty.mdb", "V2000-test.mdb",
    "V2003-numeric.mdb", "V2007-test.accdb", "V2016-longtext.accdb", "V2016-withdeletedcol.accdb",
    "V2016-withinsertedcol.accdb" };
const QStringList patchedFixtures { "V1997-test.mdb", "V2000-test.mdb", "V2007-test.accdb" };

} // namespace

class TestAccessFile : public QObject
{
    Q_OBJECT

private slots:
    void formatIsToldByContent_data();
    void formatIsToldByContent();
    void valuesAsTheDeskStoresThem();
    void agreesWithMdbExport_data();
    void agreesWithMdbExport();
    void patchedValuesComeOutAsStored();
    void columnsByNameAndTablesReadAtOnce();
    void nothingIsWrittenIntoOrBeside();
    void refusesWhatItCannotRead_data();
    void refusesWhatItCannotRead();

private:
    QTemporaryDir m_dir;
};

void TestAccessFile::formatIsToldByContent_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<DatabaseFormat>("format");
    const auto access = [](const char* engine, char version) {
        QByteArray head("\0\1\0\0", 4);
        head += QByteArray(engine, 16);
        return head + QByteArray(1, version) + QByteArray(40, '\0');
    };
    QTest::newRow("SQLite") << QByteArray("SQLite format 3\0rest", 20) << DatabaseFormat::Sqlite;
    QTest::newRow("Jet 3") << access("Standard Jet DB\0", 0) << DatabaseFormat::Jet3;
    QTest::newRow("Jet 4") << access("Standard Jet DB\0", 1) << DatabaseFormat::Jet4;
    QTest::newRow("ACE 2007") << access("Standard ACE DB\0", 2) << DatabaseFormat::Ace;
    QTest::newRow("ACE 2019") << access("Standard ACE DB\0", 6) << DatabaseFormat::Ace;
    QTest::newRow("Jet name, ACE version")
        << access("Standard Jet DB\0", 2) << DatabaseFormat::Unknown;
    QTest::newRow("ACE name, Jet version")
        << access("Standard ACE DB\0", 1) << DatabaseFormat::Unknown;
    QTest::newRow("ACE, unknown version")
        << access("Standard ACE DB\0", 7) << DatabaseFormat::Unknown;
    QTest::newRow("cut before the version")
        << access("Standard Jet DB\0", 1).left(0x14) << DatabaseFormat::Unknown;
    QTest::newRow("not a header page")
        << QByteArray("\1" + access("Standard Jet DB\0", 1).mid(1)) << DatabaseFormat::Unknown;
    QTest::newRow("text") << QByteArray("CODASS,DENOM\r\n001,PROVA\r\n") << DatabaseFormat::Unknown;
    QTest::newRow("empty") << QByteArray() << DatabaseFormat::Unknown;
    const QList<std::pair<const char*, DatabaseFormat>> files {
        { "V1997-test.mdb", DatabaseFormat::Jet3 }, { "V2003-numeric.mdb", DatabaseFormat::Jet4 },
        { "password-V2000_with-password.mdb", DatabaseFormat::Jet4 },
        { "V2016-longtext.accdb", DatabaseFormat::Ace },
        { "encryption-office-agile-4.4.accdb", DatabaseFormat::Ace }
    };
    for (const auto& [name, format] : files)
        QTest::newRow(name) << bytesOf(fixture(QString::fromLatin1(name))).left(64) << format;
}

void TestAccessFile::formatIsToldByContent()
{
    QFETCH(QByteArray, head);
    QFETCH(DatabaseFormat, format);
    QCOMPARE(databaseFormat(head), format);
}

void TestAccessFile::valuesAsTheDeskStoresThem()
{
    using namespace AccessValue;
    const double noon = 0.5;
    QCOMPARE(
        dateTimeText(QDate(1899, 12, 30).daysTo(QDate(2009, 4, 6))), QStringLiteral("06/04/2009"));
    QCOMPARE(dateTimeText(39909 + noon + 59 / 86400.0), QStringLiteral("06/04/2009 12:00"));
    QCOMPARE(dateTimeText(39909.9999999), QStringLiteral("07/04/2009")); // rounds to midnight
    QCOMPARE(dateTimeText(noon), QStringLiteral("12:00"));
    QCOMPARE(dateTimeText(0), QStringLiteral("30/12/1899"));
    QCOMPARE(dateTimeText(-1.25), QStringLiteral("29/12/1899 06:00"));
    QCOMPARE(realText(1e20), QStringLiteral("100000000000000000000"));
    QCOMPARE(realText(-1.5e-5), QStringLiteral("-0.000015"));
    QCOMPARE(realText(-0.0), QStringLiteral("0"));
    QCOMPARE(realText(0.1f), QStringLiteral("0.1"));
    QCOMPARE(decimalText(QStringLiteral("-2.0000")), QStringLiteral("-2"));
    QCOMPARE(decimalText(QStringLiteral("-0.0000")), QStringLiteral("0"));
}

void TestAccessFile::agreesWithMdbExport_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& name : readableFixtures)
        QTest::newRow(qPrintable(name)) << fixture(name);
    for (const QString& name : patchedFixtures)
        QTest::newRow(qPrintable(QStringLiteral("patched ") + name))
            << patchedCopy(m_dir.path(), name);
}

void TestAccessFile::agreesWithMdbExport()
{
    QFETCH(QString, path);
    QVERIFY(!path.isEmpty());
    const AccessFile file(path);
    const std::optional<QString> listed = run(QStringLiteral("mdb-tables"), { "-1", path });
    QVERIFY2(listed, "mdb-tables failed");
    QCOMPARE(file.tables(), listed->split(QLatin1Char('\n'), Qt::SkipEmptyParts));

    for (const QString& name : file.tables()) {
        const std::optional<QList<QStringList>> rows = exported(path, name);
        QVERIFY2(rows && !rows->isEmpty(), "mdb-export failed");
        AccessTable table(file, name);
        QCOMPARE(table.columns(), rows->first());
        for (int r = 1; r < rows->size(); ++r) {
            const QStringList& printed = rows->at(r);
            QVERIFY2(
                table.next(), qPrintable(QStringLiteral("%1: row %2 missing").arg(name).arg(r)));
            QCOMPARE(table.row().size(), printed.size());
            for (int c = 0; c < printed.size(); ++c) {
                const QString problem = mismatch(table.row().at(c), printed.at(c));
                QVERIFY2(problem.isEmpty(),
                    qPrintable(QStringLiteral("%1 row %2 %3: %4")
                                   .arg(name)
                                   .arg(r)
                                   .arg(table.columns().at(c), problem)));
            }
        }
        QVERIFY2(!table.next(), qPrintable(name));
    }
}

void TestAccessFile::patchedValuesComeOutAsStored()
{
    // libmdb would hand texts over in another character set.
    qputenv("MDBICONV", "ISO-8859-1");
    for (const QString& name : patchedFixtures) {
        const AccessFile file(patchedCopy(m_dir.path(), name));
        AccessTable table(file, QStringLiteral("Table1"));
        QMap<QString, QStringList> rows; // by C, which is NULL in one of them
        while (table.next())
            rows.insert(table.field(QStringLiteral("C")), table.row());
        QCOMPARE(rows.size(), 2);
        const QStringList nulled = rows.first(), other = rows.last();
        QCOMPARE(nulled.at(0), QString()); // A
        QCOMPARE(nulled.at(6), QString()); // G
        QCOMPARE(nulled.at(8), QStringLiteral("N")); // I
        QVERIFY(other.at(6).endsWith(QLatin1String(" 14:35")));
        QVERIFY(rows.first().at(1) == QStringLiteral("àèìòù€ßÄç")
            || rows.last().at(1) == QStringLiteral("àèìòù€ßÄç"));
    }
    // A memo longer than a page, and than the reader's usual buffers.
    const AccessFile file(fixture(QStringLiteral("V2016-longtext.accdb")));
    AccessTable table(file, QStringLiteral("Table1"));
    QVERIFY(table.next());
    QVERIFY(table.field(QStringLiteral("LongText")).size() > 4096);
    QVERIFY(table.field(QStringLiteral("LongText")).endsWith(QLatin1String("odio dignissim")));
}

void TestAccessFile::columnsByNameAndTablesReadAtOnce()
{
    std::unique_ptr<AccessTable> moved;
    {
        const AccessFile file(fixture(QStringLiteral("V2016-withdeletedcol.accdb")));
        moved = std::make_unique<AccessTable>(file, QStringLiteral("table1"));
    }
    // A column was deleted: the file's order is no longer its numbering.
    AccessTable& table = *moved;
    QCOMPARE(table.name(), QStringLiteral("Table1"));
    QCOMPARE(
        table.columns(), (QStringList { "col2", "col3", "col5", "col6", "col7", "col8", "col1" }));
    QCOMPARE(table.column(QStringLiteral("COL1")), 6);
    QCOMPARE(table.column(QStringLiteral("col4")), -1);
    QVERIFY(table.next());
    QCOMPARE(table.field(QStringLiteral("col1")), QStringLiteral("0"));
    QCOMPARE(table.field(QStringLiteral("Col8")), QStringLiteral("7"));
    try {
        table.field(QStringLiteral("col4"));
        QFAIL("a missing column was read");
    } catch (const DbError& error) {
        QCOMPARE(error.number(), DbError::ItemNotFound);
    }

    const AccessFile file(fixture(QStringLiteral("V2000-test.mdb")));
    QCOMPARE(file.format(), DatabaseFormat::Jet4);
    try {
        AccessTable missing(file, QStringLiteral("VOLO"));
        QFAIL("a missing table was opened");
    } catch (const DbError& error) {
        QCOMPARE(error.number(), DbError::TableNotFound);
        QVERIFY(error.description().contains(file.path()));
    }
    AccessTable first(file, QStringLiteral("Table1"));
    AccessTable second(file, QStringLiteral("Table1"));
    QVERIFY(first.next());
    QVERIFY(second.next());
    QVERIFY(second.next());
    const QStringList secondRow = second.row();
    QVERIFY(first.next());
    QCOMPARE(first.row(), secondRow);
    QVERIFY(!first.next());
    first.rewind();
    QVERIFY(first.next());
    QCOMPARE(first.field(QStringLiteral("A")), QStringLiteral("abcdefg"));
}

void TestAccessFile::nothingIsWrittenIntoOrBeside()
{
    QTemporaryDir folder;
    for (const QString& name : QDir(fixture(QString())).entryList(QDir::Files)) {
        QVERIFY(QFile::copy(fixture(name), folder.filePath(name)));
        QFile(folder.filePath(name)).setPermissions(QFile::ReadOwner | QFile::ReadGroup);
    }
    // An ACE file under an .mdb name is read all the same.
    QVERIFY(
        QFile::copy(fixture(QStringLiteral("V2007-test.accdb")), folder.filePath("voloesp.mdb")));
    QCOMPARE(databaseFormatOfFile(folder.filePath("voloesp.mdb")), DatabaseFormat::Ace);
    const QStringList before = snapshot(folder.path());
    int read = 0;
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files)) {
        try {
            readEverything(folder.filePath(name));
            ++read;
        } catch (const DbError&) {
        }
    }
    QCOMPARE(read, readableFixtures.size() + 1);
    QCOMPARE(snapshot(folder.path()), before);
}

void TestAccessFile::refusesWhatItCannotRead_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("words");
    const QString dir = m_dir.path();
    const QByteArray jet4 = bytesOf(fixture(QStringLiteral("V2000-test.mdb")));
    QByteArray garbled = jet4;
    garbled.replace(2 * 4096, 4096, QByteArray(4096, 'Z'));
    QByteArray pageLost = jet4;
    const int rows = jet4.indexOf(QByteArray("h\0i\0j\0k\0l\0m\0n\0o\0p\0", 18));
    pageLost.replace(rows / 4096 * 4096, 4096, QByteArray(4096, '\0'));
    // The long memo's header (10000 bytes, kept on other pages) made to
    // claim a gigabyte.
    QByteArray memo = bytesOf(fixture(QStringLiteral("V2016-longtext.accdb")));
    const int memoHeader = memo.indexOf(QByteArray("\x10\x27\0\0", 4));
    memo.replace(memoHeader, 4, QByteArray("\xff\xff\xff\x3f", 4));
    QByteArray sqlite("SQLite format 3\0", 16);
    sqlite += QByteArray(3 * 4096, '\0');

    QTest::newRow("database password")
        << fixture(QStringLiteral("password-V2000_with-password.mdb")) << DbError::BadPassword
        << "protetto da una password";
    QTest::newRow("encrypted") << fixture(QStringLiteral("encryption-office-agile-4.4.accdb"))
                               << DbError::BadPassword << "crittografato";
    QTest::newRow("cut in a page") << written(dir + "/cut.mdb", jet4.left(jet4.size() - 100))
                                   << DbError::Damaged << "danneggiato";
    QTest::newRow("catalog garbled")
        << written(dir + "/garbled.mdb", garbled) << DbError::Damaged << "danneggiato";
    QTest::newRow("a data page lost")
        << written(dir + "/lost.mdb", pageLost) << DbError::Damaged << "danneggiato";
    QTest::newRow("memo longer than the file")
        << written(dir + "/memo.accdb", memoHeader > 0 ? memo : QByteArray()) << DbError::Damaged
        << "danneggiato";
    QTest::newRow("text under an .mdb name")
        << written(dir + "/text.mdb", "CODASS,DENOM\r\n" + QByteArray(9000, 'x'))
        << DbError::NotADatabase << "non riconosciuto";
    QTest::newRow("desk register under an .mdb name")
        << written(dir + "/register.mdb", sqlite) << DbError::NotADatabase << "non riconosciuto";
    QTest::newRow("missing") << dir + "/assoesp.mdb" << DbError::FileNotFound
                             << "Impossibile trovare";
}

void TestAccessFile::refusesWhatItCannotRead()
{
    QFETCH(QString, path);
    QFETCH(int, number);
    QFETCH(QString, words);
    QVERIFY(!path.isEmpty());
    try {
        readEverything(path);
        QFAIL("the file was read");
    } catch (const DbError& error) {
        QCOMPARE(error.number(), number);
        QVERIFY2(error.description().contains(path) && error.description().contains(words),
            qPrintable(error.description()));
    }
}

QTEST_GUILESS_MAIN(TestAccessFile)
#include "tst_accessfile.moc"
