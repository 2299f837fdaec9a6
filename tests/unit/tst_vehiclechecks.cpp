// The vehicle register's date and time checks.
#include "vehicles/vehiclechecks.h"

#include <QtTest>

using namespace VehicleChecks;

class TestVehicleChecks : public QObject
{
    Q_OBJECT

private slots:
    void arrivalDate_data();
    void arrivalDate();
    void departureDate_data();
    void departureDate();
    void departureTime_data();
    void departureTime();
    void states();
};

void TestVehicleChecks::arrivalDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("invalid");
    QTest::newRow("day 31") << "31/01/2024" << false;
    QTest::newRow("day 32") << "32/01/2024" << true;
    QTest::newRow("month 13") << "01/13/2024" << true;
    QTest::newRow("one-digit day") << "1/05/2009" << true;
    QTest::newRow("dashes") << "01-05-2009" << true;
    QTest::newRow("year before 1000") << "01/05/0999" << true;
}

void TestVehicleChecks::arrivalDate()
{
    QFETCH(QString, text);
    QFETCH(bool, invalid);
    QCOMPARE(ctrldataarauto(text), invalid);
}

void TestVehicleChecks::departureDate_data()
{
    QTest::addColumn<QString>("datapa");
    QTest::addColumn<QString>("dataar");
    QTest::addColumn<bool>("invalid");
    const auto row = [](const char* name, const char* datapa, const char* dataar, bool invalid) {
        QTest::newRow(name) << QString::fromLatin1(datapa) << QString::fromLatin1(dataar)
                            << invalid;
    };
    row("empty is always valid", "", "", false);
    row("earlier month, later day", "30/11/2005", "01/12/2005", true);
    row("bad format", "1/1/2006", "25/12/2005", true);
    row("month 13", "01/13/2006", "25/12/2005", true);
}

void TestVehicleChecks::departureDate()
{
    QFETCH(QString, datapa);
    QFETCH(QString, dataar);
    QFETCH(bool, invalid);
    QCOMPARE(ctrldatapaauto(datapa, dataar), invalid);
}

void TestVehicleChecks::departureTime_data()
{
    QTest::addColumn<QString>("orapa");
    QTest::addColumn<QString>("datapa");
    QTest::addColumn<QString>("oraar");
    QTest::addColumn<bool>("invalid");
    const QString day = QStringLiteral("25/12/2005");
    const QString nextDay = QStringLiteral("26/12/2005");
    QTest::newRow("empty is always valid") << "" << day << "09.30" << false;
    QTest::newRow("earlier, another day") << "08.00" << nextDay << "09.30" << false;
    QTest::newRow("same moment") << "09:30" << day << "09.30" << false;
    // As text "09.45" sorts before "09:30"; by value it is later.
    QTest::newRow("dot after colon") << "09.45" << day << "09:30" << false;
    QTest::newRow("hour 24") << "24.00" << nextDay << "09.30" << true;
    QTest::newRow("comma") << "12,30" << nextDay << "09.30" << true;
}

void TestVehicleChecks::departureTime()
{
    QFETCH(QString, orapa);
    QFETCH(QString, datapa);
    QFETCH(QString, oraar);
    QFETCH(bool, invalid);
    QCOMPARE(ctrlorapaauto(orapa, datapa, QStringLiteral("25/12/2005"), oraar), invalid);
}

void TestVehicleChecks::states()
{
    for (const char* known : { "A", "b", "L = Libero", "r", "Riposo" })
        QVERIFY2(isKnownState(QString::fromLatin1(known)), known);
    for (const char* unknown : { "", "Z", " A", "1" })
        QVERIFY2(!isKnownState(QString::fromLatin1(unknown)), unknown);
}

QTEST_APPLESS_MAIN(TestVehicleChecks)
#include "tst_vehiclechecks.moc"
