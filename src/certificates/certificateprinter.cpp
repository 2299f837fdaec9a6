#include "certificateprinter.h"

#include "fittedline.h"
#include "platform/error.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString handOffFile = QStringLiteral("protciv02.txt");
const QString emergencyFile = QStringLiteral("emergenza.dat");
const QString fontName = QStringLiteral("Arial");

// The double frame: the outer rule's distance from the edge of the printable
// area, its thickness, and the distance of the thinner inner rule.
constexpr int FrameMargin = 400;
constexpr int FrameRule = 30;
constexpr int FrameGap = 120;
// Centred lines keep this far from the inner rule.
constexpr int TextPadding = 360;
// A line too wide for the frame shrinks down to this size before it wraps.
constexpr double ReadableFloor = 12;

} // namespace

CertificatePrinter::CertificatePrinter(Kind kind, Printer& printer, MessageBox& messages)
    : m_kind(kind)
    , m_printer(printer)
    , m_messages(messages)
{
}

int CertificatePrinter::run()
{
    const QString title = m_kind == Associations ? QStringLiteral("Attestati di associazione")
                                                 : QStringLiteral("Attestati dei volontari");
    QList<CertificateData> certificates;
    if (QFileInfo::exists(handOffFile))
        certificates = CertificateFile::parse(TextFile::readLines(handOffFile));
    if (certificates.isEmpty()) {
        m_messages.show(
            QStringLiteral("Non ci sono attestati da stampare: il file %1 nella cartella "
                           "del programma manca o è vuoto.")
                .arg(handOffFile),
            MessageBox::Ok, title);
        return 0;
    }
    QString emergency;
    if (QFileInfo::exists(emergencyFile))
        emergency = TextFile::readFirstLine(emergencyFile);
    for (qsizetype i = 0; i < certificates.size(); ++i) {
        if (i > 0)
            m_printer.newPage();
        printPage(certificates[i], emergency);
    }
    m_printer.endDoc();
    return int(certificates.size());
}

int CertificatePrinter::centred(const QString& text, int y, double size, bool bold)
{
    m_printer.setFontName(fontName);
    m_printer.setFontBold(bold);
    const int left = FrameMargin + FrameGap + FrameRule / 2 + TextPadding;
    const int width = m_printer.pageWidth() - 2 * left;
    const FittedLine fitted
        = FittedLine::fit(m_printer, text, width, size, std::min(size, ReadableFloor));
    m_printer.setFontSize(fitted.size);
    const int step = m_printer.lineHeight();
    for (qsizetype i = 0; i < fitted.lines.size(); ++i) {
        m_printer.setCurrentY(y + int(i) * step);
        m_printer.setCurrentX(left + (width - m_printer.textWidth(fitted.lines[i])) / 2);
        m_printer.printInline(fitted.lines[i]);
    }
    return int(fitted.lines.size() - 1) * step;
}

QString CertificatePrinter::period(const CertificateData& data) const
{
    if (data.arrival.isEmpty())
        return QString();
    if (data.departure.isEmpty())
        return QStringLiteral("dal %1").arg(data.arrival);
    return QStringLiteral("dal %1 al %2").arg(data.arrival, data.departure);
}

void CertificatePrinter::printPage(const CertificateData& data, const QString& emergency)
{
    const int width = m_printer.pageWidth();
    const int height = m_printer.pageHeight();
    // A double frame around the page.
    for (int inset : { FrameMargin, FrameMargin + FrameGap }) {
        const int w = inset == FrameMargin ? FrameRule : FrameRule / 2;
        m_printer.fillBox(inset, inset, width - inset, inset + w, Qt::black);
        m_printer.fillBox(inset, height - inset - w, width - inset, height - inset, Qt::black);
        m_printer.fillBox(inset, inset, inset + w, height - inset, Qt::black);
        m_printer.fillBox(width - inset - w, inset, width - inset, height - inset, Qt::black);
    }

    int y = 2200;
    y += centred(QStringLiteral("PROTEZIONE CIVILE"), y, 14, true) + 700;
    y += centred(QStringLiteral("ATTESTATO DI PARTECIPAZIONE"), y, 24, true) + 1500;

    if (m_kind == Volunteers) {
        y += centred(QStringLiteral("Si attesta che il volontario"), y, 14, false) + 700;
        y += centred(data.name, y, 20, true) + 900;
        y += centred(QStringLiteral("dell'associazione"), y, 14, false) + 600;
        y += centred(data.association, y, 16, true) + 900;
        const QString served
            = QStringLiteral("ha prestato servizio presso il campo di accoglienza");
        y += centred(served, y, 14, false);
    } else {
        y += centred(QStringLiteral("Si attesta che l'associazione"), y, 14, false) + 700;
        y += centred(data.association, y, 20, true) + 900;
        const QString activities
            = QStringLiteral("ha partecipato con i propri volontari alle attività");
        y += centred(activities, y, 14, false) + 500;
        y += centred(QStringLiteral("del campo di accoglienza"), y, 14, false);
    }
    y += 700;
    if (!emergency.trimmed().isEmpty()) {
        y += centred(QStringLiteral("in occasione dell'emergenza"), y, 14, false) + 600;
        y += centred(emergency.trimmed(), y, 18, true) + 900;
    }
    const QString service = period(data);
    if (!service.isEmpty())
        centred(service, y, 14, false);

    // Place, date and the coordinator's signature.
    const int signatureY = height - 3200;
    m_printer.setFontName(fontName);
    m_printer.setFontSize(12);
    m_printer.setFontBold(false);
    m_printer.setCurrentX(1200);
    m_printer.setCurrentY(signatureY);
    m_printer.printInline(QStringLiteral("Luogo e data"));
    m_printer.fillBox(1200, signatureY + 900, 4600, signatureY + 915, Qt::black);
    const QString coordinator = QStringLiteral("Il coordinatore del campo");
    m_printer.setCurrentX(width - 1200 - m_printer.textWidth(coordinator));
    m_printer.setCurrentY(signatureY);
    m_printer.printInline(coordinator);
    m_printer.fillBox(
        width - 1200 - 3400, signatureY + 900, width - 1200, signatureY + 915, Qt::black);
}
