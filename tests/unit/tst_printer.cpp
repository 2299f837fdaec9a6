// The printing surface: text columns, automatic page breaks, landscape pages of wide lines.
#include "platform/printer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestPrinter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void columnsAreCharacterWidths();
    void longListBreaksPages();
    void landscapeAndZoomMakeRoomForWideLines();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Printer> m_printer;
};

// A machine with no printer, a fixed-pitch 12 point font.
void TestPrinter::init()
{
    m_printer = std::make_unique<Printer>();
    m_printer->setForcePdf(true);
    m_printer->setPdfFolder(m_dir.filePath(QStringLiteral("stampe")));
    m_printer->setFontName(QStringLiteral("courier new"));
    m_printer->setFontSize(12);
}

void TestPrinter::columnsAreCharacterWidths()
{
    Printer& printer = *m_printer;
    const int width = printer.textWidth(QStringLiteral("0"));
    // A fixed-pitch 12 point character is 0.6 em: 144 twips.
    QVERIFY2(qAbs(width - 144) <= 2, qPrintable(QString::number(width)));
    printer.printAtColumn(22, QStringLiteral("ROSSI MARIO"));
    printer.setCurrentY(1000);
    printer.setCurrentX(1650);
    printer.printInline(QStringLiteral("A"));
    QCOMPARE(printer.currentX(), 1650 + width);
    printer.endDoc();
    const auto& ops = printer.lastJob().operations;
    QCOMPARE(ops.size(), 2);
    QCOMPARE(ops[0].box.x(), 21 * width);
    QCOMPARE(ops[1].box.topLeft(), QPoint(1650, 1000));
}

void TestPrinter::longListBreaksPages()
{
    Printer& printer = *m_printer;
    const int lines = 200;
    for (int i = 0; i < lines; ++i)
        printer.printLine(QStringLiteral("RIGA %1").arg(i));
    const int perPage = printer.pageHeight() / printer.lineHeight();
    printer.endDoc();
    const auto& job = printer.lastJob();
    QCOMPARE(job.texts().size(), lines);
    QCOMPARE(job.pages, (lines + perPage - 1) / perPage);
    for (const auto& op : job.operations)
        if (op.kind == Printer::Operation::Text)
            QVERIFY(op.box.bottom() <= printer.pageHeight());
}

void TestPrinter::landscapeAndZoomMakeRoomForWideLines()
{
    Printer& printer = *m_printer;
    const int portrait = printer.pageWidth();
    printer.setPageSetup(true);
    const int landscape = printer.pageWidth();
    QVERIFY(landscape > portrait * 13 / 10);
    printer.setPageSetup(true, 0.5);
    QVERIFY(qAbs(printer.pageWidth() - landscape * 2) <= 2);
    const QString wide(220, QLatin1Char('X'));
    QVERIFY(printer.textWidth(wide) <= printer.pageWidth());
    printer.printLine(wide);
    printer.endDoc();
    // The PDF page really is landscape.
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), { printer.lastJob().pdfFile });
    QVERIFY(info.waitForFinished(30000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const QRegularExpressionMatch size
        = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(text);
    QVERIFY2(size.hasMatch(), qPrintable(text));
    QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());
}

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
