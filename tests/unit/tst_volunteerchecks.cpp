// The volunteer windows' date and time checks.
#include "app/app.h"
#include "volunteers/volunteerchecks.h"

#include <QtTest>

class TestVolunteerChecks : public QObject
{
    Q_OBJECT

private slots:
    void dates_data();
    void dates();
    void times_data();
    void times();
    void departureAgainstArrival();
};

void TestVolunteerChecks::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("full") << "15/03/2024" << QDate(2024, 3, 15);
    QTest::newRow("one digit day and month") << "1/5/2009" << QDate(2009, 5, 1);
    QTest::newRow("dashes") << "01-05-2009" << QDate(2009, 5, 1);
    QTest::newRow("dots") << "1.5.2009" << QDate(2009, 5, 1);
    QTest::newRow("two-digit year, this century") << "02-05-09" << QDate(2009, 5, 2);
    QTest::newRow("two-digit year, last century") << "02/05/85" << QDate(1985, 5, 2);
    QTest::newRow("leap day") << "29/02/2024" << QDate(2024, 2, 29);
    QTest::newRow("blanks around") << " 3/4/2024 " << QDate(2024, 4, 3);
    QTest::newRow("not a leap year") << "29/02/2023" << QDate();
    QTest::newRow("month 13") << "01/13/2024" << QDate();
    QTest::newRow("year first") << "2009-05-01" << QDate();
    QTest::newRow("mixed separators") << "01/05-2009" << QDate();
    QTest::newRow("three-digit year") << "01/05/209" << QDate();
    QTest::newRow("no year") << "01/05" << QDate();
}

void TestVolunteerChecks::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(parseItalianDate(text), date);

    App app;
    app.g.testodata = text;
    ctrldata(app);
    QCOMPARE(app.g.esitocontrollo, date.isValid() ? QStringLiteral("0") : QStringLiteral("1"));
    if (date.isValid())
        QCOMPARE(app.g.valoredata, date);
}

void TestVolunteerChecks::times_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("colon") << "09:30" << true;
    QTest::newRow("dot") << "09.30" << true;
    QTest::newRow("last minute") << "23:59" << true;
    QTest::newRow("hour 24") << "24:00" << false;
    QTest::newRow("minute 60") << "12:60" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("comma") << "09,30" << false;
}

void TestVolunteerChecks::times()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(isDeskTime(text), valid);
    App app;
    ctrloraarvol(app, text);
    QCOMPARE(app.g.esitocontrollo, valid ? QStringLiteral("0") : QStringLiteral("1"));
}

void TestVolunteerChecks::departureAgainstArrival()
{
    App app;
    auto departure
        = [&](const char* orapa, const char* datapa, const char* dataar, const char* oraar) {
              ctrlorapavol(app, QString::fromLatin1(orapa), QString::fromLatin1(datapa),
                  QString::fromLatin1(dataar), QString::fromLatin1(oraar));
              return app.g.esitocontrollo;
          };
    QCOMPARE(departure("", "01/01/2024", "01/01/2024", "10:30"), QStringLiteral("0"));
    QCOMPARE(departure("10:00", "01/01/2024", "01/01/2024", "10:30"), QStringLiteral("1"));
    QCOMPARE(departure("10:30", "01/01/2024", "01/01/2024", "10:30"), QStringLiteral("0"));
    QCOMPARE(departure("10:00", "02/01/2024", "01/01/2024", "10:30"), QStringLiteral("0"));
    // The same day written differently is another date text.
    QCOMPARE(departure("10:00", "1/1/2024", "01/01/2024", "10:30"), QStringLiteral("0"));
    QCOMPARE(departure("25:00", "02/01/2024", "01/01/2024", "10:30"), QStringLiteral("1"));
    // Times compare by value, not as text: "." sorts before ":" but 09:00 < 09.30 < 10.00.
    QCOMPARE(departure("09:00", "01/01/2024", "01/01/2024", "09.30"), QStringLiteral("1"));
    QCOMPARE(departure("10.00", "01/01/2024", "01/01/2024", "09:30"), QStringLiteral("0"));
    QCOMPARE(departure("09.30", "01/01/2024", "01/01/2024", "09:30"), QStringLiteral("0"));
}

QTEST_MAIN(TestVolunteerChecks)
#include "tst_volunteerchecks.moc"
