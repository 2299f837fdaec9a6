// The small text files: the comma-and-line item reader, the encodings of old
// and new desks, CR LF lines, atomic rewrites and the errors of a missing file.
#include "platform/error.h"
#include "platform/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void itemsSplitAtCommasAndLineEnds_data();
    void itemsSplitAtCommasAndLineEnds();
    void readsWindows1252AndUtf8();
    void writesCrLfLinesAndReadsThemBack();
    void rewriteReplacesWholeFile();
    void missingFileIsError53();
    void emptyPathIsReportedNotWritten();

private:
    QTemporaryDir m_dir;
};

void TestTextFile::itemsSplitAtCommasAndLineEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("comma and blank") << "A, B\r\n" << QStringList { "A", "B" };
    QTest::newRow("leading blanks skipped") << "   X\r\n  Y,Z" << QStringList { "X", "Y", "Z" };
    QTest::newRow("blank lines give nothing") << "A\r\n\r\n\r\nB\r\n" << QStringList { "A", "B" };
    QTest::newRow("no final line end") << "A\r\nB" << QStringList { "A", "B" };
    QTest::newRow("lone LF lines") << "A\nB\n" << QStringList { "A", "B" };
    QTest::newRow("quoted then plain") << "\"P, Q\",R\r\n" << QStringList { "P, Q", "R" };
    QTest::newRow("empty between commas") << "1630,,2110\r\n" << QStringList { "1630", "", "2110" };
    QTest::newRow("trailing comma") << "A,\r\nB\r\n" << QStringList { "A", "", "B" };
    QTest::newRow("apostrophe is plain") << "VISITA AUTORITA'\r\n"
                                         << QStringList { "VISITA AUTORITA'" };
    QTest::newRow("empty file") << "" << QStringList {};
}

void TestTextFile::itemsSplitAtCommasAndLineEnds()
{
    QFETCH(QString, text);
    QFETCH(QStringList, items);
    QCOMPARE(TextFile::splitItems(text), items);
}

void TestTextFile::readsWindows1252AndUtf8()
{
    const QString text = QStringLiteral("PERCHÉ € “VIRGOLETTE” PIÙ");
    const QString old = m_dir.filePath(QStringLiteral("old.txt"));
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(TextFile::encodeWindows1252(text + QStringLiteral("\r\n\"PERCHÉ, PERÒ\",ULTIMO")));
    file.close();
    QCOMPARE(TextFile::readFirstLine(old), text);
    QCOMPARE(TextFile::readItems(old), (QStringList { text, "PERCHÉ, PERÒ", "ULTIMO" }));

    const QString fresh = m_dir.filePath(QStringLiteral("new.txt"));
    TextFile::writeLines(fresh, { text });
    QCOMPARE(TextFile::readFirstLine(fresh), text);
    // A UTF-8 byte order mark is not part of the first item.
    QFile bom(m_dir.filePath(QStringLiteral("bom.txt")));
    QVERIFY(bom.open(QIODevice::WriteOnly));
    bom.write("\xEF\xBB\xBF"
              "CUOCO\r\n");
    bom.close();
    QCOMPARE(TextFile::readItems(bom.fileName()), QStringList { "CUOCO" });
}

void TestTextFile::writesCrLfLinesAndReadsThemBack()
{
    const QString path = m_dir.filePath(QStringLiteral("lines.txt"));
    TextFile::writeLines(path, { "UNO", "", "  TRE  " });
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("UNO\r\n\r\n  TRE  \r\n"));
    QCOMPARE(TextFile::readLines(path), (QStringList { "UNO", "", "  TRE  " }));
    TextFile::appendLines(path, { "QUATTRO" });
    QCOMPARE(TextFile::readLines(path).last(), QStringLiteral("QUATTRO"));
    TextFile::writeLines(path, { "" });
    QCOMPARE(TextFile::readLines(path), QStringList { "" });
    QCOMPARE(TextFile::readFirstLine(path), QString());
}

void TestTextFile::rewriteReplacesWholeFile()
{
    const QString path = m_dir.filePath(QStringLiteral("counter.txt"));
    TextFile::writeLines(path, { "0041", "left over" });
    TextFile::writeLines(path, { "0042" });
    QCOMPARE(TextFile::readLines(path), QStringList { "0042" });
    // No temporary file is left beside the counter.
    QCOMPARE(
        QDir(m_dir.path()).entryList({ "counter*" }, QDir::Files), QStringList { "counter.txt" });
    TextFile::truncate(path);
    QCOMPARE(QFileInfo(path).size(), 0);
}

void TestTextFile::missingFileIsError53()
{
    try {
        TextFile::readFirstLine(m_dir.filePath(QStringLiteral("missing.dat")));
        QFAIL("a missing file was read");
    } catch (const FileError& error) {
        QCOMPARE(error.number(), 53);
        QVERIFY(errorText(error).startsWith(QStringLiteral("Errore 53 ")));
    }
    try {
        TextFile::writeLines(m_dir.filePath(QStringLiteral("no/such/folder/x.txt")), { "X" });
        QFAIL("a file was written in a missing folder");
    } catch (const FileError& error) {
        QCOMPARE(error.number(), 76);
    }
}

void TestTextFile::emptyPathIsReportedNotWritten()
{
    QVERIFY_THROWS_EXCEPTION(FileError, TextFile::writeLines(QString(), { "X" }));
    QVERIFY_THROWS_EXCEPTION(FileError, TextFile::readAll(QString()));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
