// The date and time checks of the presence and departure windows, and the
// lines of the specialist search.
#include "reports/reportchecks.h"
#include "reports/specialistlines.h"

#include <QtTest>

class TestReportChecks : public QObject
{
    Q_OBJECT

private slots:
    void dates_data();
    void dates();
    void times_data();
    void times();
    void specialistLines();
};

void TestReportChecks::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("plain") << "10/05/2009" << true;
    QTest::newRow("day 00") << "00/05/2009" << false;
    QTest::newRow("day 32") << "32/05/2009" << false;
    QTest::newRow("31 February passes") << "31/02/2009" << true;
    QTest::newRow("month 00 passes") << "10/00/2009" << true;
    QTest::newRow("month 13") << "10/13/2009" << false;
    QTest::newRow("one-digit day") << "1/5/2009" << false;
    QTest::newRow("dashes") << "10-05-2009" << false;
    QTest::newRow("year not looked at") << "10/05/" << true;
    QTest::newRow("empty") << "" << false;
}

void TestReportChecks::dates()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(isPresenceDate(text), accepted);
}

void TestReportChecks::times_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("dot") << "14.30" << true;
    QTest::newRow("colon") << "14:30" << true;
    QTest::newRow("24.00") << "24.00" << true;
    QTest::newRow("24.30") << "24.30" << true;
    QTest::newRow("25.00") << "25.00" << false;
    QTest::newRow("9.30") << "9.30" << false;
    QTest::newRow("minutes 60") << "10.60" << false;
    QTest::newRow("dash") << "10-30" << false;
    QTest::newRow("empty") << "" << false;
}

void TestReportChecks::times()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(isReportTime(text), accepted);
}

void TestReportChecks::specialistLines()
{
    SpecialistLines lines;
    // A first volunteer without an association gets no group line.
    lines.add("", "SENZA", "GRUPPO", "MEDICO");
    lines.add("ALFA", "ROSSI", "MARIO", "CUOCO");
    lines.add("ALFA", QString(50, 'X'), "CUT", "AUTISTA");
    const QStringList expected { QString("SENZA GRUPPO").leftJustified(50) + "      MEDICO", "",
        "ALFA", QString("ROSSI MARIO").leftJustified(50) + "      CUOCO",
        QString(50, 'X') + "      AUTISTA", " ", QString("TOTALE").leftJustified(50) + " 3" };
    QCOMPARE(lines.finished(), expected);
}

QTEST_APPLESS_MAIN(TestReportChecks)
#include "tst_reportchecks.moc"
