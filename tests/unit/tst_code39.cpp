// Code 39 as drawn on the badges, checked against the symbology's own table.
#include "app/app.h"
#include "badges/code39.h"
#include "badges/disegnacodbar.h"

#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The Code 39 character set, elements bar/space alternating, n narrow, w wide.
const QMap<QChar, QString>& standard()
{
    // clang-format off
    static const QMap<QChar, QString> table {
        { '0', "nnnwwnwnn" }, { '1', "wnnwnnnnw" }, { '2', "nnwwnnnnw" }, { '3', "wnwwnnnnn" },
        { '4', "nnnwwnnnw" }, { '5', "wnnwwnnnn" }, { '6', "nnwwwnnnn" }, { '7', "nnnwnnwnw" },
        { '8', "wnnwnnwnn" }, { '9', "nnwwnnwnn" }, { 'A', "wnnnnwnnw" }, { 'B', "nnwnnwnnw" },
        { 'C', "wnwnnwnnn" }, { 'D', "nnnnwwnnw" }, { 'E', "wnnnwwnnn" }, { 'F', "nnwnwwnnn" },
        { 'G', "nnnnnwwnw" }, { 'H', "wnnnnwwnn" }, { 'I', "nnwnnwwnn" }, { 'J', "nnnnwwwnn" },
        { 'K', "wnnnnnnww" }, { 'L', "nnwnnnnww" }, { 'M', "wnwnnnnwn" }, { 'N', "nnnnwnnww" },
        { 'O', "wnnnwnnwn" }, { 'P', "nnwnwnnwn" }, { 'Q', "nnnnnnwww" }, { 'R', "wnnnnnwwn" },
        { 'S', "nnwnnnwwn" }, { 'T', "nnnnwnwwn" }, { 'U', "wwnnnnnnw" }, { 'V', "nwwnnnnnw" },
        { 'W', "wwwnnnnnn" }, { 'X', "nwnnwnnnw" }, { 'Y', "wwnnwnnnn" }, { 'Z', "nwwnwnnnn" },
        { '-', "nwnnnnwnw" }, { '.', "wwnnnnwnn" }, { ' ', "nwwnnnwnn" }, { '$', "nwnwnwnnn" },
        { '/', "nwnwnnnwn" }, { '+', "nwnnnwnwn" }, { '%', "nnnwnwnwn" }, { '*', "nwnnwnwnn" },
    };
    // clang-format on
    return table;
}

// The modules of one character, followed by the gap between characters.
QString modulesOf(QChar c)
{
    const QString elements = standard().value(c);
    Q_ASSERT(elements.size() == 9);
    QString modules;
    for (int i = 0; i < elements.size(); ++i)
        modules += QString(elements[i] == QLatin1Char('w') ? 2 : 1,
            i % 2 == 0 ? QLatin1Char('1') : QLatin1Char('0'));
    return modules + QLatin1Char('0');
}

QString symbolModules(const QString& drawnText)
{
    QString modules = modulesOf('*');
    for (const QChar c : drawnText)
        modules += modulesOf(c);
    return modules + modulesOf('*');
}

} // namespace

class TestCode39 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void symbolDrawsTheStandardModules_data();
    void symbolDrawsTheStandardModules();

private:
    // Draws the text and reads the modules back from the boxes, checking the
    // geometry of every box on the way.
    QString drawnModules(const QString& text, int x, int y, int h, int w);
    QStringList messages() const;

    QTemporaryDir m_dir;
    std::unique_ptr<App> m_app;
    QPoint m_penAfterDrawing;
};

void TestCode39::init()
{
    m_app = std::make_unique<App>();
    m_app->setTestMode(true);
    m_app->printer().setPdfFolder(m_dir.path());
}

void TestCode39::cleanup()
{
    m_app.reset();
}

void TestCode39::symbolDrawsTheStandardModules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("w");
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<QStringList>("reported");
    QTest::newRow("empty") << QString() << 20 << QString() << QStringList();
    QTest::newRow("10 characters") << "ABC1230045" << 20 << "ABC1230045" << QStringList();
    QTest::newRow("every character") << "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ." << 7
                                     << "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ." << QStringList();
    // Characters outside the table are reported and drawn as spaces; so is a space.
    QTest::newRow("a space") << "12 3" << 20 << "12 3" << QStringList { " " };
    QTest::newRow("outside the table") << "a-$Z1" << 20 << "   Z1" << QStringList { "a", "-", "$" };
}

void TestCode39::symbolDrawsTheStandardModules()
{
    QFETCH(QString, text);
    QFETCH(int, w);
    QFETCH(QString, drawn);
    QFETCH(QStringList, reported);
    const int x = 1650;
    const int y = 3151;
    const QString modules = drawnModules(text, x, y, 450, w);
    QCOMPARE(modules, symbolModules(drawn));
    QStringList expected;
    for (const QString& c : reported)
        expected << QStringLiteral("Carattere non trovato in tabella ") + c;
    QCOMPARE(messages(), expected);
    // Five bars a character, each wide bar one box; the pen stops at the
    // bottom-right corner of the last bar, one blank module before the end.
    const int width = (int(text.size()) + 2) * 13 * w;
    QCOMPARE(int(m_app->printer().lastJob().operations.size()), (int(text.size()) + 2) * 5);
    QCOMPARE(m_penAfterDrawing, QPoint(x + width - w, y + 450));
}

QString TestCode39::drawnModules(const QString& text, int x, int y, int h, int w)
{
    Printer& printer = m_app->printer();
    disegnacodbar(*m_app, printer, qint16(x), qint16(y), qint16(h), qint16(w), text);
    m_penAfterDrawing = QPoint(printer.currentX(), printer.currentY());
    printer.endDoc();
    const int total = (int(text.size()) + 2) * 13;
    QString modules(total, QLatin1Char('0'));
    int previousRight = x - 2;
    for (const Printer::Operation& op : printer.lastJob().operations) {
        const QRect& box = op.box;
        [&] {
            QCOMPARE(op.kind, Printer::Operation::Box);
            QCOMPARE(op.colour, QColor::fromRgb(1, 0, 0));
            QCOMPARE(box.top(), y);
            QCOMPARE(box.bottom(), y + h);
            // Module k spans x + k*w + 1 to x + (k+1)*w; the first starts at x.
            QVERIFY(box.left() == x || (box.left() - x - 1) % w == 0);
            QCOMPARE((box.right() - x) % w, 0);
            // Boxes never touch: touching bar modules are one box.
            QVERIFY(box.left() > previousRight + 1);
        }();
        if (QTest::currentTestFailed())
            return QString();
        previousRight = box.right();
        const int first = box.left() == x ? 0 : (box.left() - x - 1) / w;
        const int last = (box.right() - x) / w - 1;
        for (int k = first; k <= last && k < total; ++k)
            modules[k] = QLatin1Char('1');
    }
    return modules;
}

QStringList TestCode39::messages() const
{
    QStringList texts;
    for (const MessageBox::Shown& shown : m_app->messages().shown())
        texts << shown.text + (shown.buttons == MessageBox::Ok ? "" : " (not an OK box)");
    return texts;
}

QTEST_MAIN(TestCode39)
#include "tst_code39.moc"
