// The presence rule's edges, one row each.
#include "volunteers/presencerule.h"

#include <QtTest>

Q_DECLARE_METATYPE(PresenceRecord)
Q_DECLARE_METATYPE(PresenceQuery)

class TestPresenceRule : public QObject
{
    Q_OBJECT

private slots:
    void presence_data();
    void presence();
};

void TestPresenceRule::presence_data()
{
    QTest::addColumn<PresenceRecord>("record");
    QTest::addColumn<PresenceQuery>("query");
    QTest::addColumn<bool>("present");
    const PresenceRecord staying { "CAMPO 1", "10/05/2009", "09.00", "", "" };
    QTest::newRow("the day before")
        << staying << PresenceQuery { "09/05/2009", "23.59", "" } << false;
    QTest::newRow("a year later") << staying << PresenceQuery { "10/05/2010", "00.00", "" } << true;
    QTest::newRow("the arrival minute")
        << staying << PresenceQuery { "10/05/2009", "09.00", "" } << true;
    QTest::newRow("a minute before the arrival")
        << staying << PresenceQuery { "10/05/2009", "08.59", "" } << false;
    QTest::newRow("the camp as typed")
        << staying << PresenceQuery { "10/05/2009", "10.00", "campo 1" } << false;
    // 31/02/2009 is compared as 20090231: before a May arrival, after a February one.
    QTest::newRow("31/02 before May")
        << staying << PresenceQuery { "31/02/2009", "10.00", "" } << false;
    QTest::newRow("31/02 after 28/02") << PresenceRecord { "", "28/02/2009", "09.00", "", "" }
                                       << PresenceQuery { "31/02/2009", "10.00", "" } << true;
    const PresenceRecord leaving { "CAMPO 1", "10/05/2009", "09.00", "12/05/2009", "18.30" };
    QTest::newRow("the day after")
        << leaving << PresenceQuery { "13/05/2009", "00.00", "" } << false;
    QTest::newRow("the departure minute")
        << leaving << PresenceQuery { "12/05/2009", "18.30", "" } << true;
    QTest::newRow("a minute after the departure")
        << leaving << PresenceQuery { "12/05/2009", "18.31", "" } << false;
    const PresenceRecord noTime { "CAMPO 1", "10/05/2009", "09.00", "12/05/2009", "" };
    // Times compare by value, whatever their separator.
    const PresenceRecord colon { "", "10/05/2009", "14:30", "12/05/2009", "14:10" };
    QTest::newRow("departed 14:10, asked 14.30")
        << colon << PresenceQuery { "12/05/2009", "14.30", "" } << false;
    QTest::newRow("departed 14:10, asked 14.05")
        << colon << PresenceQuery { "12/05/2009", "14.05", "" } << true;
    QTest::newRow("arrived 14:10, asked 14.30")
        << PresenceRecord { "", "10/05/2009", "14:10", "", "" }
        << PresenceQuery { "10/05/2009", "14.30", "" } << true;
    QTest::newRow("departure day, no time, 24.00")
        << noTime << PresenceQuery { "12/05/2009", "24.00", "" } << true;
    QTest::newRow("departure day, no time, 24.30")
        << noTime << PresenceQuery { "12/05/2009", "24.30", "" } << false;
    QTest::newRow("empty arrival date") << PresenceRecord { "CAMPO 1", "", "", "", "" }
                                        << PresenceQuery { "10/05/2009", "09.00", "" } << true;
    QTest::newRow("empty arrival time") << PresenceRecord { "", "10/05/2009", "", "", "" }
                                        << PresenceQuery { "10/05/2009", "00.00", "" } << true;
}

void TestPresenceRule::presence()
{
    QFETCH(PresenceRecord, record);
    QFETCH(PresenceQuery, query);
    QFETCH(bool, present);
    QCOMPARE(isPresent(record, query), present);
}

QTEST_APPLESS_MAIN(TestPresenceRule)
#include "tst_presencerule.moc"
