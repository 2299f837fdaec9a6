// The certificate programs' work: reading the hand-off file and printing one
// page per certificate, checked on the PDF's own text (pdftotext).
#include "certificates/certificatefile.h"
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
    void blocksOfFourLines();
    void volunteerCertificatesOnePageEach();
    void associationCertificate();
    void missingOrEmptyFilePrintsNothing();
    void programReadsTheProgramFolder();

private:
    QStringList pdfPages(const QString& pdf);
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

QStringList TestCertificates::pdfPages(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    if (!pdftotext.waitForFinished(30000))
        return {};
    // pdftotext ends every page with a form feed.
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    for (QString& page : pages)
        page = page.simplified();
    return pages;
}

void TestCertificates::blocksOfFourLines()
{
    const auto certificates = CertificateFile::parse({ "|ROSSI MARIO|", "|ALFA|", "|01/01/2024|", "| |",
        "| |", "|BETA; L'AQUILA|", "| |", "| |", "" });
    QCOMPARE(certificates.size(), 2);
    QCOMPARE(certificates[0].name, QStringLiteral("ROSSI MARIO"));
    QCOMPARE(certificates[0].arrival, QStringLiteral("01/01/2024"));
    QCOMPARE(certificates[0].departure, QString());
    QCOMPARE(certificates[1].name, QString());
    QCOMPARE(certificates[1].association, QStringLiteral("BETA; L'AQUILA"));
}

void TestCertificates::volunteerCertificatesOnePageEach()
{
    TextFile::writeLines(QStringLiteral("emergenza.dat"), { "SISMA 2024" });
    TextFile::writeLines(QStringLiteral("protciv02.txt"),
        { "|VERDI GIUSEPPE|", "|ALFA|", "|02/01/2024|", "|05/01/2024|",
            "|ROSSI MARIO|", "|ALFA|", "|03/01/2024|", "| |",
            "|BIANCHI LUCA|", "|BETA|", "| |", "| |" });
    Printer printer;
    printer.setForcePdf(true);
    MessageBox messages;
    messages.setRecording(true);
    CertificatePrinter certificates(CertificatePrinter::Volunteers, printer, messages);
    QCOMPARE(certificates.run(), 3);
    QVERIFY(messages.shown().isEmpty());
    QCOMPARE(printer.lastJob().pages, 3);
    const QStringList pages = pdfPages(printer.lastJob().pdfFile);
    QCOMPARE(pages.size(), 3);
    for (const QString& page : pages) {
        QVERIFY(page.contains(QStringLiteral("ATTESTATO DI PARTECIPAZIONE")));
        QVERIFY(page.contains(QStringLiteral("SISMA 2024")));
    }
    QVERIFY(pages[0].contains(QStringLiteral("VERDI GIUSEPPE")));
    QVERIFY(pages[0].contains(QStringLiteral("dal 02/01/2024 al 05/01/2024")));
    QVERIFY(pages[1].contains(QStringLiteral("ROSSI MARIO")));
    QVERIFY(pages[1].contains(QStringLiteral("dal 03/01/2024")));
    QVERIFY(!pages[1].contains(QStringLiteral(" al ")));
    QVERIFY(pages[2].contains(QStringLiteral("BIANCHI LUCA")));
    QVERIFY(pages[2].contains(QStringLiteral("BETA")));
    QVERIFY(!pages[2].contains(QStringLiteral("dal ")));
}

void TestCertificates::associationCertificate()
{
    TextFile::writeLines(QStringLiteral("protciv02.txt"), { "| |", "|PRO \"LOCO\" ÀÈ|", "| |", "| |" });
    Printer printer;
    printer.setForcePdf(true);
    MessageBox messages;
    messages.setRecording(true);
    CertificatePrinter certificates(CertificatePrinter::Associations, printer, messages);
    QCOMPARE(certificates.run(), 1);
    const QStringList pages = pdfPages(printer.lastJob().pdfFile);
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages[0].contains(QStringLiteral("PRO \"LOCO\" ÀÈ")));
    QVERIFY(pages[0].contains(QStringLiteral("Il coordinatore del campo")));
    // No emergency file, no emergency line.
    QVERIFY(!pages[0].contains(QStringLiteral("emergenza")));
}

void TestCertificates::missingOrEmptyFilePrintsNothing()
{
    for (bool create : { false, true }) {
        if (create)
            TextFile::truncate(QStringLiteral("protciv02.txt"));
        Printer printer;
        printer.setForcePdf(true);
        MessageBox messages;
        messages.setRecording(true);
        CertificatePrinter certificates(CertificatePrinter::Volunteers, printer, messages);
        QCOMPARE(certificates.run(), 0);
        QCOMPARE(printer.finishedJobs(), 0);
        QCOMPARE(messages.shown().size(), 1);
        QVERIFY(messages.shown().first().text.contains(QStringLiteral("protciv02.txt")));
    }
    QVERIFY(!QDir(QStringLiteral("stampe")).exists()
        || QDir(QStringLiteral("stampe")).entryList(QDir::Files).isEmpty());
}

void TestCertificates::programReadsTheProgramFolder()
{
    // The real program, started as the desk starts it: no arguments, in the
    // program folder; with no printer installed it leaves a PDF in "stampe".
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../tavresv");
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program + " is not built"));
    TextFile::writeLines(QStringLiteral("protciv02.txt"), { "|NERI ANNA|", "|GAMMA|", "| |", "| |" });
    QProcess tavresv;
    tavresv.setWorkingDirectory(m_dir.path());
    tavresv.start(program, {});
    QVERIFY(tavresv.waitForFinished(60000));
    QCOMPARE(tavresv.exitCode(), 0);
    const QStringList pdfs = QDir(QStringLiteral("stampe")).entryList({ "*.pdf" }, QDir::Files);
    QCOMPARE(pdfs.size(), 1);
    const QStringList pages = pdfPages(QStringLiteral("stampe/") + pdfs.first());
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages[0].contains(QStringLiteral("NERI ANNA")));
}

QTEST_MAIN(TestCertificates)
#include "tst_certificates.moc"
