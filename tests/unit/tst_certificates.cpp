// The certificate programs: one page per certificate, its texts inside the frame.
#include "certificates/certificateprinter.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/textfile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCertificates : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void longNamesFitInsideTheFrame();
    void programReadsTheProgramFolder();

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

void TestCertificates::init()
{
    m_previous = QDir::currentPath();
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    QDir::setCurrent(m_dir.path());
}

void TestCertificates::cleanup()
{
    QDir::setCurrent(m_previous);
}

// The operations of a job, one list per page.
static QList<QList<Printer::Operation>> pageOperations(const Printer::Job& job)
{
    QList<QList<Printer::Operation>> pages(1);
    for (const Printer::Operation& op : job.operations) {
        if (op.kind == Printer::Operation::PageBreak)
            pages.append(QList<Printer::Operation>());
        else
            pages.last() << op;
    }
    return pages;
}

// Layout faults of a page: lines off centre, below the signature, overlapping or too small.
static QString layoutFault(const QList<Printer::Operation>& page, int pageWidth)
{
    int left = 0;
    int right = pageWidth;
    for (const Printer::Operation& op : page) {
        if (op.kind != Printer::Operation::Box || op.box.height() < 10 * op.box.width())
            continue;
        if (op.box.center().x() < pageWidth / 2)
            left = std::max(left, op.box.x() + op.box.width());
        else
            right = std::min(right, op.box.x());
    }
    QList<Printer::Operation> texts;
    int signatureTop = 0;
    bool coordinator = false;
    for (const Printer::Operation& op : page) {
        if (op.kind == Printer::Operation::Text)
            texts << op;
        if (op.text == QStringLiteral("Luogo e data"))
            signatureTop = op.box.y();
        coordinator = coordinator || op.text == QStringLiteral("Il coordinatore del campo");
    }
    if (left == 0 || right == pageWidth || signatureTop == 0 || !coordinator)
        return QStringLiteral("no frame or signature found");
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const Printer::Operation& op = texts[i];
        const int end = op.box.x() + op.box.width();
        if (op.box.x() < left || end > right)
            return QStringLiteral("%1 outside the frame").arg(op.text);
        if (op.fontSize < 12)
            return QStringLiteral("%1 printed at %2 points").arg(op.text).arg(op.fontSize);
        for (qsizetype j = i + 1; j < texts.size(); ++j)
            if (op.box.intersects(texts[j].box))
                return QStringLiteral("%1 over %2").arg(op.text, texts[j].text);
        if (op.box.y() >= signatureTop)
            continue;
        if (qAbs((op.box.x() - left) - (right - end)) > 2)
            return QStringLiteral("%1 not centred").arg(op.text);
        if (op.box.y() + op.box.height() > signatureTop)
            return QStringLiteral("%1 reaches the signature").arg(op.text);
    }
    return QString();
}

// Whether the value was printed on consecutive lines, wrapped at blanks or broken inside a word.
static bool printedWhole(const QStringList& texts, const QString& value)
{
    for (qsizetype i = 0; i < texts.size(); ++i)
        for (qsizetype n = 1; i + n <= texts.size(); ++n)
            for (QLatin1String separator : { QLatin1String(" "), QLatin1String("") })
                if (texts.mid(i, n).join(separator) == value)
                    return true;
    return false;
}

void TestCertificates::longNamesFitInsideTheFrame()
{
    // Names as long as the registers hold: shrunk to fit, wrapped at blanks, or one word too long.
    const QString volunteer
        = QStringLiteral("DE SANCTIS SANSEVERINO PIERFRANCESCO MARIA ALESSANDRO");
    const QString association
        = QStringLiteral("ASSOCIAZIONE NAZIONALE VOLONTARI PROTEZIONE CIVILE VALLE NON");
    const QString wrapped
        = QStringLiteral("COORDINAMENTO PROVINCIALE DELLE ASSOCIAZIONI DI VOLONTARIATO DI "
                         "PROTEZIONE CIVILE DELLA PROVINCIA AUTONOMA DI TRENTO E DEI "
                         "COMUNI DELLA VALLAGARINA");
    const QString word = QStringLiteral("SOCCORSO").repeated(10);
    const QString emergency = QStringLiteral(
        "ALLUVIONE DELLE PROVINCE DI FERRARA RAVENNA FORLI CESENA E BOLOGNA MAGGIO 2023");
    TextFile::writeLines(QStringLiteral("emergenza.dat"), { emergency });
    const struct
    {
        CertificatePrinter::Kind kind;
        QStringList file;
        QList<QStringList> wholeOnEachPage;
        QStringList oneLine;
        QList<QPair<QString, double>> ownSize;
        QString afterAssociation; // as far below its last line on every page
    } runs[] = {
        { CertificatePrinter::Volunteers,
            { "|" + volunteer + "|", "|" + association + "|", "|02/01/2024|", "|05/01/2024|",
                "|ROSSI MARIO|", "|ALFA|", "|03/01/2024|", "| |", "|BIANCHI LUCA|", "|BETA|", "| |",
                "| |", "" },
            { { "ATTESTATO DI PARTECIPAZIONE", volunteer, association, emergency,
                  "dal 02/01/2024 al 05/01/2024" },
                { "ROSSI MARIO", "ALFA", emergency, "dal 03/01/2024" },
                { "BIANCHI LUCA", "BETA", emergency } },
            { volunteer, association }, { { "ROSSI MARIO", 20 }, { "ALFA", 16 } },
            "ha prestato servizio presso il campo di accoglienza" },
        { CertificatePrinter::Associations,
            { "| |", "|" + association + "|", "| |", "| |", "| |", "|" + wrapped + "|", "| |",
                "| |", "| |", "|" + word + "|", "| |", "| |", "| |", "|ALFA|", "| |", "| |" },
            { { association }, { wrapped }, { word }, { "ALFA" } }, { association },
            { { "ALFA", 20 } }, "ha partecipato con i propri volontari alle attività" },
    };
    for (const auto& run : runs) {
        TextFile::writeLines(QStringLiteral("protciv02.txt"), run.file);
        Printer printer;
        printer.setForcePdf(true);
        MessageBox messages;
        messages.setRecording(true);
        CertificatePrinter certificates(run.kind, printer, messages);
        QCOMPARE(certificates.run(), int(run.wholeOnEachPage.size()));
        const QList<QList<Printer::Operation>> pages = pageOperations(printer.lastJob());
        QCOMPARE(pages.size(), run.wholeOnEachPage.size());
        QSet<int> gaps;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const QString fault = layoutFault(pages[p], printer.pageWidth());
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            QStringList texts;
            int previousY = 0;
            for (const Printer::Operation& op : pages[p]) {
                if (op.kind != Printer::Operation::Text)
                    continue;
                if (op.text == run.afterAssociation)
                    gaps << op.box.y() - previousY;
                previousY = op.box.y();
                texts << op.text;
            }
            for (const QString& value : run.wholeOnEachPage[p])
                QVERIFY2(printedWhole(texts, value), qPrintable(value + " in " + texts.join('/')));
            // Only a page with an arrival has the period line.
            QCOMPARE(texts.join('/').contains(QStringLiteral("dal ")),
                run.wholeOnEachPage[p].join('/').contains(QStringLiteral("dal ")));
        }
        QCOMPARE(gaps.size(), 1);
        // Shrinking comes before wrapping.
        for (const QString& value : run.oneLine)
            QVERIFY2(printer.lastJob().texts().contains(value), qPrintable(value));
        for (const auto& [text, size] : run.ownSize) {
            int printed = 0;
            for (const Printer::Operation& op : printer.lastJob().operations)
                if (op.text == text && ++printed)
                    QCOMPARE(op.fontSize, size);
            QVERIFY2(printed > 0, qPrintable(text));
        }
    }
}

void TestCertificates::programReadsTheProgramFolder()
{
    // The real program as the desk starts it; with no printer it leaves a PDF in "stampe".
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../tavresv");
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program + " is not built"));
    TextFile::writeLines(
        QStringLiteral("protciv02.txt"), { "|NERI ANNA|", "|GAMMA|", "| |", "| |" });
    QProcess tavresv;
    tavresv.setWorkingDirectory(m_dir.path());
    tavresv.start(program, {});
    QVERIFY(tavresv.waitForFinished(60000));
    QCOMPARE(tavresv.exitCode(), 0);
    const QStringList pdfs = QDir(QStringLiteral("stampe")).entryList({ "*.pdf" }, QDir::Files);
    QCOMPARE(pdfs.size(), 1);
    // pdftotext ends every page with a form feed.
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), { QStringLiteral("stampe/") + pdfs.first(), "-" });
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QCOMPARE(text.count(QLatin1Char('\f')), 1);
    QVERIFY(text.contains(QStringLiteral("NERI ANNA")));
    // No emergency file, no emergency line.
    QVERIFY(!text.contains(QStringLiteral("emergenza")));
}

QTEST_MAIN(TestCertificates)
#include "tst_certificates.moc"
