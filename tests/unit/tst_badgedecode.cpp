// Printed badges rasterised and decoded must give back exactly their codes (unknown chars: space).
#include "badgedesk.h"

#include <QProcess>
#include <QStandardPaths>

class TestBadgeDecode : public QObject
{
    Q_OBJECT

private slots:
    void everySymbolReadsBackItsCode();

private:
    static QString tool(const QString& name);
};

QString TestBadgeDecode::tool(const QString& name)
{
    const QString found = QStandardPaths::findExecutable(name);
    if (found.isEmpty())
        qWarning("%s is missing: scripts/install-deps installs it", qPrintable(name));
    return found;
}

void TestBadgeDecode::everySymbolReadsBackItsCode()
{
    const QString pdftoppm = tool(QStringLiteral("pdftoppm"));
    const QString zbarimg = tool(QStringLiteral("zbarimg"));
    QVERIFY(!pdftoppm.isEmpty() && !zbarimg.isEmpty());

    BadgeDesk desk;
    const QStringList codes { "0123456789", "ABCDEFGHIJ", "KLM-NOPQ", "RSTUVWXYZ." };
    for (const QString& code : codes)
        QVERIFY(
            desk.addVolunteer(code, QStringLiteral("ALFA"), QStringLiteral("VOLONTARIO"), code));
    desk.show(QStringLiteral("formpass"));
    QVERIFY(desk.choose(QStringLiteral("cmbass"), QStringLiteral("ALFA")));
    desk.click(QStringLiteral("formpass"), QStringLiteral("cmdpassass"));
    QCOMPARE(desk.jobs.size(), 1);
    QCOMPARE(desk.jobs[0].pages, 1);
    const QString pdf = desk.jobs[0].pdfFile;
    QVERIFY(QFileInfo::exists(pdf));

    const QString image = desk.path(QStringLiteral("foglio"));
    QProcess raster;
    raster.start(pdftoppm, { "-r", "300", "-png", "-singlefile", pdf, image });
    QVERIFY(raster.waitForFinished(60000));
    QCOMPARE(raster.exitCode(), 0);

    QProcess decoder;
    decoder.start(zbarimg, { "--quiet", "--raw", image + QStringLiteral(".png") });
    QVERIFY(decoder.waitForFinished(60000));
    QStringList decoded = QString::fromLatin1(decoder.readAllStandardOutput())
                              .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    decoded.sort();
    QStringList expected = codes;
    expected[2] = QStringLiteral("KLM NOPQ");
    expected.sort();
    QCOMPARE(decoded, expected);
}

QTEST_MAIN(TestBadgeDecode)
#include "tst_badgedecode.moc"
