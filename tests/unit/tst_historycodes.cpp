// History codes: archive entries, desk codes without history, multiple-entry arrival checks.
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

namespace {

// Columns of texts, and rows of their name followed by their texts.
void addRows(std::initializer_list<const char*> columns,
    std::initializer_list<std::initializer_list<const char*>> rows)
{
    for (const char* column : columns)
        QTest::addColumn<QString>(column);
    for (const auto& row : rows) {
        QTestData& data = QTest::newRow(*row.begin());
        for (auto value = row.begin() + 1; value != row.end(); ++value)
            data << QString::fromUtf8(*value);
    }
}

} // namespace

void TestHistoryCodes::codesKept_data()
{
    addRows({ "code", "codass", "codvol" },
        {
            { "eight characters", "ABC12300", "ABC123", "00" },
            { "longer than ten: four kept", "ABC12300451", "ABC123", "0045" },
            { "empty", "", "", "" },
        });
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
    addRows({ "association", "number", "code" },
        {
            { "letter: B and the last three digits", "AB1234", "0012", "AB1234B012" },
            { "lower-case letter", "ab1234", "0012", "ab1234B012" },
            { "four-digit association", "1000", "0001", "10000001" },
        });
}

void TestHistoryCodes::deskCode()
{
    QFETCH(QString, association);
    QFETCH(QString, number);
    QFETCH(QString, code);
    QCOMPARE(deskVolunteerCode(association, number), code);
}

void TestHistoryCodes::arrival_data()
{
    addRows({ "date", "time", "dateVerdict", "timeVerdict" },
        {
            { "valid", "25/12/2005", "09:30", "0", "0" },
            { "month 13, minute 60", "01/13/2024", "12:60", "1", "1" },
            { "one digit", "1/05/2009", "9.30", "1", "1" },
            { "year before 1000, comma", "01/05/0999", "09,30", "1", "1" },
            { "empty", "", "", "1", "1" },
        });
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
