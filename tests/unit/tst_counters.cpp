// The code counters: the number after a counter line, and the line as shown,
// with every digit kept however long the line another program wrote.
#include "store/counters.h"

#include <QtTest>

class TestCounters : public QObject
{
    Q_OBJECT

private slots:
    void next_data();
    void next();
    void padded_data();
    void padded();
};

void TestCounters::next_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("next");
    QTest::newRow("plain") << "041" << 3 << "042";
    QTest::newRow("carry") << "099" << 3 << "100";
    QTest::newRow("grows past the width") << "999" << 3 << "1000";
    QTest::newRow("volunteer width") << "0042" << 4 << "0043";
    QTest::newRow("short line padded") << "7" << 4 << "0008";
    QTest::newRow("more zeros than the width") << "00041" << 3 << "042";
    QTest::newRow("zero") << "000" << 3 << "001";
    QTest::newRow("blanks around") << " 041 " << 3 << "042";
    QTest::newRow("largest 64-bit signed") << "9223372036854775807" << 4 << "9223372036854775808";
    QTest::newRow("largest 64-bit unsigned")
        << "18446744073709551615" << 3 << "18446744073709551616";
    QTest::newRow("twenty nines") << "99999999999999999999" << 3 << "100000000000000000000";
    QTest::newRow("twenty zeros") << "00000000000000000000" << 4 << "0001";
    QTest::newRow("twenty digits") << "12345678901234567890" << 4 << "12345678901234567891";
}

void TestCounters::next()
{
    QFETCH(QString, code);
    QFETCH(int, digits);
    QFETCH(QString, next);
    QCOMPARE(Counters::next(code, digits), next);
}

void TestCounters::padded_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("shown");
    QTest::newRow("four digits") << "0042"
                                 << "0042";
    QTest::newRow("short") << "42"
                           << "0042";
    QTest::newRow("extra zeros") << "000042"
                                 << "0042";
    QTest::newRow("blanks around") << " 42\t"
                                   << "0042";
    QTest::newRow("zero") << "0"
                          << "0000";
    QTest::newRow("twenty digits") << "99999999999999999999"
                                   << "99999999999999999999";
}

void TestCounters::padded()
{
    QFETCH(QString, code);
    QFETCH(QString, shown);
    QCOMPARE(Counters::padded(code, Counters::VolunteerDigits), shown);
}

QTEST_GUILESS_MAIN(TestCounters)
#include "tst_counters.moc"
