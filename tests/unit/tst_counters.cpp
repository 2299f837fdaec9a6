// The code counters: the number after a counter line and the line shown, from odd lines.
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
    QTest::newRow("volunteer width") << "0042" << 4 << "0043";
    QTest::newRow("short line padded") << "7" << 4 << "0008";
    QTest::newRow("more zeros than the width") << "00041" << 3 << "042";
    QTest::newRow("zero") << "000" << 3 << "001";
    QTest::newRow("blanks around") << " 041 " << 3 << "042";
    QTest::newRow("twenty zeros") << "00000000000000000000" << 4 << "0001";
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
    QTest::newRow("short") << "42"
                           << "0042";
    QTest::newRow("extra zeros") << "000042"
                                 << "0042";
    QTest::newRow("blanks around") << " 42\t"
                                   << "0042";
    QTest::newRow("zero") << "0"
                          << "0000";
}

void TestCounters::padded()
{
    QFETCH(QString, code);
    QFETCH(QString, shown);
    QCOMPARE(Counters::padded(code, Counters::VolunteerDigits), shown);
}

QTEST_GUILESS_MAIN(TestCounters)
#include "tst_counters.moc"
