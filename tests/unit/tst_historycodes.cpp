// The codes of the history archive: what a camp volunteer's code leaves in
// the archive, the desk code a volunteer without a history code gets, and
// the checks of the multiple entry's arrival.
#include "history/historyscans.h"
#include "history/historyupdate.h"
#include "history/multipleentry.h"
#include "store/registers.h"

#include <QtTest>

class TestHistoryCodes : public QObject
{
    Q_OBJECT

private slots:
    void codesKept_data();
    void codesKept();
    void deskCode_data();
    void deskCode();
    void arrival_data();
    void arrival();
};

void TestHistoryCodes::codesKept_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("codass");
    QTest::addColumn<QString>("codvol");
    QTest::newRow("history code") << "ABC1230045"
                                  << "ABC123"
                                  << "0045";
    QTest::newRow("numeric desk code") << "0070012"
                                       << ""
                                       << "";
    QTest::newRow("letter desk code, eleven") << "ABC123B0045"
                                              << ""
                                              << "";
    QTest::newRow("letter desk code, ten") << "AB1234B012"
                                           << ""
                                           << "";
    QTest::newRow("eight characters") << "ABC12300"
                                      << "ABC123"
                                      << "00";
    QTest::newRow("longer than ten: four kept") << "ABC12300451"
                                                << "ABC123"
                                                << "0045";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestHistoryCodes::codesKept()
{
    QFETCH(QString, code);
    QFETCH(QString, codass);
    QFETCH(QString, codvol);
    const HistoryCodes codes = historyCodesOf(code);
    QCOMPARE(codes.codass, codass);
    QCOMPARE(codes.codvol, codvol);
}

void TestHistoryCodes::deskCode_data()
{
    QTest::addColumn<QString>("association");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("code");
    QTest::newRow("numeric") << "007"
                             << "0012"
                             << "0070012";
    QTest::newRow("letter: B and the last three digits") << "AB1234"
                                                         << "0012"
                                                         << "AB1234B012";
    QTest::newRow("lower-case letter") << "ab1234"
                                       << "0012"
                                       << "ab1234B012";
    QTest::newRow("four-digit association") << "1000"
                                            << "0001"
                                            << "10000001";
}

void TestHistoryCodes::deskCode()
{
    QFETCH(QString, association);
    QFETCH(QString, number);
    QFETCH(QString, code);
    QCOMPARE(deskVolunteerCode(association, number), code);
    // Ten characters at most for a six-character association code, which
    // the badge reading and the gate recall need.
    if (association.size() == 6)
        QVERIFY(code.size() <= 10);
}

void TestHistoryCodes::arrival_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("dateVerdict");
    QTest::addColumn<QString>("timeVerdict");
    QTest::newRow("valid") << "25/12/2005"
                           << "09:30"
                           << "0"
                           << "0";
    QTest::newRow("dot in the time") << "31/01/2024"
                                     << "23.59"
                                     << "0"
                                     << "0";
    QTest::newRow("day 32, hour 24") << "32/01/2024"
                                     << "24:00"
                                     << "1"
                                     << "1";
    QTest::newRow("month 13, minute 60") << "01/13/2024"
                                         << "12:60"
                                         << "1"
                                         << "1";
    QTest::newRow("one digit") << "1/05/2009"
                               << "9.30"
                               << "1"
                               << "1";
    QTest::newRow("year before 1000, comma") << "01/05/0999"
                                             << "09,30"
                                             << "1"
                                             << "1";
    QTest::newRow("empty") << ""
                           << ""
                           << "1"
                           << "1";
}

void TestHistoryCodes::arrival()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, dateVerdict);
    QFETCH(QString, timeVerdict);
    Registers registers;
    registers.g.esitocontrollo = QStringLiteral("x");
    ctrldataarsto(registers, date);
    QCOMPARE(registers.g.esitocontrollo, dateVerdict);
    registers.g.esitocontrollo = QStringLiteral("x");
    ctrloraarsto(registers, time);
    QCOMPARE(registers.g.esitocontrollo, timeVerdict);
}

QTEST_APPLESS_MAIN(TestHistoryCodes)
#include "tst_historycodes.moc"
