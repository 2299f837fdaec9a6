// The gate desk driven by reader key events; the open lists checked against a walk of the log.
#include "badgedesk.h"
#include "gate/passages.h"
#include "platform/recordset.h"

#include <QLineEdit>
#include <QRandomGenerator>

class TestGateDesk : public QObject
{
    Q_OBJECT

private slots:
    void readerWithEnter();
    void openListsEqualFullWalk();
};

void TestGateDesk::readerWithEnter()
{
    BadgeDesk desk;
    QVERIFY(desk.addVolunteer(
        QStringLiteral("0010001"), QStringLiteral("ALFA"), QStringLiteral("ROSSI")));
    QVERIFY(desk.addVolunteer(
        QStringLiteral("0010002"), QStringLiteral("ALFA"), QStringLiteral("BIANCHI")));
    OstraleWindow* gate = desk.show(QStringLiteral("formcar"));
    gate->findChild<QLineEdit*>(QStringLiteral("codcar"))->setText(QStringLiteral("P1"));
    auto* code = gate->findChild<QComboBox*>(QStringLiteral("cmbcod"));
    QTest::keyClicks(code->lineEdit(), QStringLiteral("0010001"));
    QTest::keyClick(code->lineEdit(), Qt::Key_Return);
    desk.click(QStringLiteral("formcar"), QStringLiteral("cmdin"));
    // The next badge read replaces the code just registered and is recalled at once.
    QTest::keyClicks(code->lineEdit(), QStringLiteral("0010002"));
    QCOMPARE(code->currentText(), QStringLiteral("0010002"));
    QCOMPARE(gate->findChild<QComboBox*>(QStringLiteral("cmbcono"))->currentText(),
        QStringLiteral("0010002 BIANCHI MARIO"));
}

void TestGateDesk::openListsEqualFullWalk()
{
    BadgeDesk desk;
    QRandomGenerator random(20240503);
    const QStringList dates { QString(), QStringLiteral("01/07/2024"), QStringLiteral("02/06/2024"),
        QStringLiteral("30/06/2024") };
    const QStringList times { QString(), QStringLiteral("08:00"), QStringLiteral("09:30") };
    {
        Database db(QStringLiteral("car.mdb"));
        QSqlQuery insert(db.handle());
        insert.prepare(QStringLiteral("insert into CAR (CODVOL, COGNOME, ASSOCIAZIONE, "
                                      "MOTIVAZIONE, DATAIN, ORAIN, DATAOUT, ORAOUT) values "
                                      "(?, ?, 'ALFA', 'SPESA', ?, ?, ?, ?)"));
        // Many equal moments, empty halves written as "" and as NULL.
        for (int i = 0; i < 400; ++i) {
            const auto pick = [&](const QStringList& from) -> QVariant {
                const QString value = from.at(random.bounded(int(from.size())));
                if (!value.isEmpty())
                    return value;
                return random.bounded(2) ? QVariant(QStringLiteral("")) : QVariant();
            };
            insert.addBindValue(QString::number(i));
            insert.addBindValue(QStringLiteral("N%1").arg(i));
            insert.addBindValue(pick(dates));
            insert.addBindValue(pick(times));
            insert.addBindValue(pick(dates));
            insert.addBindValue(pick(times));
            QVERIFY(insert.exec());
        }
    }
    Passages::OpenLists walked;
    DataControl& car = desk.app->Data8;
    car.setRecordSource(QStringLiteral("select * from CAR order by DATAIN, ORAIN, rowid"));
    car.refresh();
    for (Recordset& record = car.recordset(); !record.eof(); record.moveNext()) {
        if (!Passages::isOpen(record))
            continue;
        if (record.field(QStringLiteral("DATAIN")).isEmpty())
            walked.exits << Passages::exitLine(record);
        else
            walked.entries << Passages::entryLine(record);
    }
    car.endReading();
    QVERIFY(walked.entries.size() > 50);
    QVERIFY(walked.exits.size() > 50);

    const Passages::OpenLists lists = Passages::openLists(*desk.app);
    QCOMPARE(lists.entries, walked.entries);
    QCOMPARE(lists.exits, walked.exits);
}

QTEST_MAIN(TestGateDesk)
#include "tst_gatedesk.moc"
