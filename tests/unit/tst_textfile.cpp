// Small text files: item reader edges, UTF-8 BOM, CR LF, atomic rewrites, a missing folder.
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
    void readsUtf8WithoutItsByteOrderMark();
    void writesCrLfLinesAndReadsThemBack();
    void rewriteReplacesWholeFile();
    void missingFolderOrEmptyPathIsReported();

private:
    QTemporaryDir m_dir;
};

void TestTextFile::itemsSplitAtCommasAndLineEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("no final line end") << "A\r\nB" << QStringList { "A", "B" };
    QTest::newRow("lone LF lines") << "A\nB\n" << QStringList { "A", "B" };
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

void TestTextFile::readsUtf8WithoutItsByteOrderMark()
{
    const QString text = QStringLiteral("PERCHÉ € “VIRGOLETTE” PIÙ");
    const QString fresh = m_dir.filePath(QStringLiteral("new.txt"));
    TextFile::writeLines(fresh, { text });
    QCOMPARE(TextFile::readFirstLine(fresh), text);
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
    QCOMPARE(
        QDir(m_dir.path()).entryList({ "counter*" }, QDir::Files), QStringList { "counter.txt" });
    TextFile::truncate(path);
    QCOMPARE(QFileInfo(path).size(), 0);
}

void TestTextFile::missingFolderOrEmptyPathIsReported()
{
    try {
        TextFile::writeLines(m_dir.filePath(QStringLiteral("no/such/folder/x.txt")), { "X" });
        QFAIL("a file was written in a missing folder");
    } catch (const FileError& error) {
        QCOMPARE(error.number(), 76);
    }
    QVERIFY_THROWS_EXCEPTION(FileError, TextFile::writeLines(QString(), { "X" }));
    QVERIFY_THROWS_EXCEPTION(FileError, TextFile::readAll(QString()));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
