// The specializations file: a megabyte file is read whole, and at once.
#include "app/app.h"
#include "reports/specializations.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSpecializations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void largeFileIsReadWhole();

private:
    void writeFile(const QByteArray& bytes) const;

    QTemporaryDir m_dir;
    std::unique_ptr<App> m_app;
};

void TestSpecializations::init()
{
    m_app = std::make_unique<App>();
    m_app->setTestMode(true);
    m_app->g.filespec = m_dir.filePath(QStringLiteral("specializzazioni.dat"));
    QFile::remove(m_app->g.filespec);
}

void TestSpecializations::writeFile(const QByteArray& bytes) const
{
    QFile file(m_app->g.filespec);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestSpecializations::largeFileIsReadWhole()
{
    QByteArray bytes;
    int lines = 0;
    while (bytes.size() < 1024 * 1024) {
        bytes += QByteArray("SPECIALIZZAZIONE ") + QByteArray::number(lines) + ", PARTE\r\n";
        ++lines;
    }
    writeFile(bytes);
    QElapsedTimer timer;
    timer.start();
    const QStringList items = leggispec(*m_app);
    QCOMPARE(items.size(), 2 * lines);
    QCOMPARE(items.at(2 * (lines - 1)), QStringLiteral("SPECIALIZZAZIONE %1").arg(lines - 1));
    QCOMPARE(items.last(), QStringLiteral("PARTE"));
    // A file no desk will ever hold still opens at once.
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_MAIN(TestSpecializations)
#include "tst_specializations.moc"
