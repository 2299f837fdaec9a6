// Headcount stays must decide exactly as the presence rule; the title line follows the clock.
#include "app/mainwindow.h"
#include "badgedesk.h"
#include "reports/staycounter.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QtTest>

class TestStayCounter : public QObject
{
    Q_OBJECT

private slots:
    void intervalsAgreeWithTheRule();
    void lineFollowsTheClockWhenIdle();
};

namespace {

QString pick(QRandomGenerator& random, const QStringList& texts)
{
    return texts.at(random.bounded(int(texts.size())));
}

} // namespace

void TestStayCounter::intervalsAgreeWithTheRule()
{
    const QStringList dates { "", "09/05/2009", "10/05/2009", "11/05/2009", "12/05/2009",
        "31/12/2008", "01/01/2010", "1/5/2009" };
    const QStringList times { "", "00.00", "08.59", "09:00", "09.00", "14.30", "14:30", "18.31",
        "23:59", "24.00", "24.30", "9.30", "xx.yy" };
    const QStringList askedDates { "10/05/2009", "11/05/2009", "12/05/2009", "09/05/2009",
        "13/05/2009", "31/12/2008" };
    const QStringList askedTimes { "00:00", "08:59", "09:00", "14:30", "18:31", "23:59" };
    QRandomGenerator random(20090512);
    int plain = 0;
    for (int i = 0; i < 20000; ++i) {
        const PresenceRecord record { QString(), pick(random, dates), pick(random, times),
            pick(random, dates), pick(random, times) };
        const PresenceQuery query { pick(random, askedDates), pick(random, askedTimes), QString() };
        const StayCounter::Stay stay = StayCounter::stayOf(record);
        if (!stay.plain)
            continue;
        ++plain;
        const qint64 moment = StayCounter::momentOf(query.date, query.time);
        QVERIFY(moment >= 0);
        const bool inside = stay.from <= moment && moment <= stay.to;
        if (inside != isPresent(record, query))
            QFAIL(qPrintable(QStringLiteral("%1 %2 - %3 %4 at %5 %6")
                                 .arg(record.arrivalDate, record.arrivalTime, record.departureDate,
                                     record.departureTime, query.date, query.time)));
    }
    // Most records are plain; the comparison above really ran.
    QVERIFY(plain > 5000);
    // A moment written oddly is no moment: the rule decides there.
    QCOMPARE(StayCounter::momentOf("1/5/2009", "14:30"), Q_INT64_C(-1));
}

void TestStayCounter::lineFollowsTheClockWhenIdle()
{
    BadgeDesk desk;
    desk.app->clock().fix(QDateTime(QDate(2024, 5, 3), QTime(10, 0)));
    QVERIFY(desk.exec(QStringLiteral("emervol.mdb"),
        QStringLiteral("insert into EMERVOL (CODVOL, DATAAR, ORAAR, DATAPA, ORAPA) values "
                       "('0010001', '03/05/2024', '08:00', '03/05/2024', '10:01'), "
                       "('0010002', '03/05/2024', '08:00', '', '')")));
    const auto* line = desk.app->mainWindow()->findChild<QLabel*>(QStringLiteral("lblpresenti"));
    QVERIFY(line);
    QTRY_COMPARE(line->text(), QStringLiteral("Presenti ora: 2 volontari, 0 automezzi"));
    // No operation: only the clock moves past the first one's departure.
    desk.app->clock().fix(QDateTime(QDate(2024, 5, 3), QTime(10, 2)));
    QTRY_COMPARE_WITH_TIMEOUT(
        line->text(), QStringLiteral("Presenti ora: 1 volontari, 0 automezzi"), 3000);
}

QTEST_MAIN(TestStayCounter)
#include "tst_staycounter.moc"
