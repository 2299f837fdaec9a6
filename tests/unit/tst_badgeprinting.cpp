// Where the badges land on the sheet, from the set-up file or its defaults.
#include "badgedesk.h"

namespace {

const QList<int> Defaults { 1630, 2110, 2650, 3150, 5530, 6050, 6570, 7070, 9420, 9890, 10394,
    10920, 13350, 13780, 14250, 14800 };

// The measured geometry of one printed badge: text rows, bars and the code in clear.
struct Badge
{
    QList<int> rows;
    int barLeft = -1;
    int barTop = -1;
    int barBottom = -1;
    QPoint code;
    int textX = -1;
    bool operator==(const Badge& o) const
    {
        return rows == o.rows && barLeft == o.barLeft && barTop == o.barTop
            && barBottom == o.barBottom && code == o.code && textX == o.textX;
    }
};

int columnX(App& app)
{
    Printer& printer = app.printer();
    printer.setFontName(QStringLiteral("courier new"));
    printer.setFontSize(8);
    return 21 * printer.textWidth(QStringLiteral("0"));
}

// Where a badge at that position must be, from the 16 set-up values.
Badge expected(App& app, const QList<int>& values, int position)
{
    const int base = 4 * (position - 1);
    const int barTop = values[base + 3] + 1;
    return Badge { values.mid(base, 3), 1650, barTop, barTop + 450, QPoint(2800, barTop + 450),
        columnX(app) };
}

QList<Badge> badgesOf(const Printer::Job& job)
{
    QList<Badge> badges;
    Badge current;
    for (const Printer::Operation& op : job.operations) {
        if (op.kind == Printer::Operation::Box) {
            if (current.barLeft < 0) {
                current.barLeft = op.box.left();
                current.barTop = op.box.top();
            }
            current.barLeft = qMin(current.barLeft, op.box.left());
            current.barTop = qMin(current.barTop, op.box.top());
            current.barBottom = qMax(current.barBottom, op.box.bottom());
        } else if (op.kind == Printer::Operation::Text && current.rows.size() < 3) {
            current.rows << op.box.y();
            current.textX = op.box.x();
        } else if (op.kind == Printer::Operation::Text) {
            current.code = op.box.topLeft();
            badges << current;
            current = Badge();
        }
    }
    return badges;
}

// Registers the volunteers in ALFA and queues a badge for each in "formpass".
bool queue(BadgeDesk& desk, const QStringList& codes, const QStringList& surnames)
{
    for (int i = 0; i < codes.size(); ++i)
        if (!desk.addVolunteer(codes[i], QStringLiteral("ALFA"), surnames[i]))
            return false;
    desk.show(QStringLiteral("formpass"));
    if (!desk.choose(QStringLiteral("cmbass"), QStringLiteral("ALFA")))
        return false;
    for (const QString& surname : surnames)
        if (!desk.choose(QStringLiteral("cmbvol"), surname + QStringLiteral(" MARIO")))
            return false;
    return true;
}

} // namespace

class TestBadgePrinting : public QObject
{
    Q_OBJECT

private slots:
    void fourToASheetFifthStartsANewOne();
    void onePerSheetAlwaysAtTheFirstPosition();
    void setUpFileFallsBackToDefaults_data();
    void setUpFileFallsBackToDefaults();
};

void TestBadgePrinting::fourToASheetFifthStartsANewOne()
{
    BadgeDesk desk;
    QVERIFY(queue(desk, { "0010001", "0010002", "0010003", "0010004", "0010005" },
        { "ROSSI", "BIANCHI", "VERDI", "NERI", "GIALLI" }));
    desk.click(QStringLiteral("formpass"), QStringLiteral("cmdpassvol"));

    QCOMPARE(desk.jobs.size(), 2);
    const QList<Badge> first = badgesOf(desk.jobs[0]);
    QCOMPARE(first.size(), 4);
    for (int position = 1; position <= 4; ++position)
        QCOMPARE(first[position - 1], expected(*desk.app, Defaults, position));
    QCOMPARE(badgesOf(desk.jobs[1]), QList<Badge> { expected(*desk.app, Defaults, 1) });
    QCOMPARE(desk.jobs[1].texts().last(), QStringLiteral("0010005"));
}

void TestBadgePrinting::onePerSheetAlwaysAtTheFirstPosition()
{
    BadgeDesk desk;
    QVERIFY(queue(desk, { "ROS", "BIA", "VER" }, { "ROSSI", "BIANCHI", "VERDI" }));
    desk.click(QStringLiteral("formpass"), QStringLiteral("cmdpasssing"));

    QCOMPARE(desk.jobs.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(desk.jobs[i].pages, 1);
        QCOMPARE(badgesOf(desk.jobs[i]), QList<Badge> { expected(*desk.app, Defaults, 1) });
    }
    QCOMPARE(desk.jobs[2].texts().last(), QStringLiteral("VER"));
}

void TestBadgePrinting::setUpFileFallsBackToDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<int>>("values");
    QTest::newRow("missing") << QByteArray() << Defaults;
    QTest::newRow("15 values") << QByteArray("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15\r\n") << Defaults;
    QTest::newRow("two records, the last used")
        << QByteArray("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n"
                      "901,902,903,904,5,6,7,8,9,10,11,12,13,14,15,16\r\n")
        << QList<int> { 901, 902, 903, 904 } + Defaults.mid(4);
    // Set-up values: blanks ignored, the leading number taken, no number is 0.
    QTest::newRow("typed text") << QByteArray(
        "1700 ,,2.5e3,3000x,abc,6050,6570,7070,9420,9890,10394,10920,13350,"
        "13780,14250,14800\r\n") << QList<int> { 1700, 0, 2500, 3000 } + Defaults.mid(4);
}

void TestBadgePrinting::setUpFileFallsBackToDefaults()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<int>, values);
    BadgeDesk desk;
    QFile file(desk.path(QStringLiteral("setpass.prm")));
    if (content.isEmpty()) {
        QVERIFY(file.remove());
    } else {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
    }
    QVERIFY(queue(desk, { "0010001" }, { "ROSSI" }));
    desk.click(QStringLiteral("formpass"), QStringLiteral("cmdpassass"));
    QCOMPARE(desk.jobs.size(), 1);
    QCOMPARE(badgesOf(desk.jobs[0]), QList<Badge> { expected(*desk.app, values, 1) });
}

QTEST_MAIN(TestBadgePrinting)
#include "tst_badgeprinting.moc"
