#include "printer.h"

#include "error.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

namespace {
constexpr double TwipsPerInch = 1440.0;
constexpr int TwipsPerPoint = 20;
} // namespace

QStringList Printer::Job::texts() const
{
    QStringList out;
    for (const Operation& op : operations)
        if (op.kind == Operation::Text)
            out << op.text;
    return out;
}

Printer::Printer() = default;

Printer::~Printer()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

QFont Printer::currentFont() const
{
    QFont font(m_fontName);
    // Sized in twips, the painter's unit, so the size is right on any device.
    font.setPixelSize(std::max(1, int(std::lround(m_fontSize * TwipsPerPoint))));
    font.setBold(m_bold);
    font.setStyleHint(m_fontName.contains(QLatin1String("courier"), Qt::CaseInsensitive)
            ? QFont::TypeWriter
            : QFont::SansSerif);
    return font;
}

int Printer::textWidth(const QString& text) const
{
    return int(std::lround(QFontMetricsF(currentFont()).horizontalAdvance(text)));
}

int Printer::lineHeight() const
{
    return int(std::lround(QFontMetricsF(currentFont()).lineSpacing()));
}

QSize Printer::pageSize() const
{
    if (!m_pageSize.isValid()) {
        // The printable area of an A4 sheet on this machine's printer set-up;
        // known before a job starts, as lists need it to break their pages.
        QPrinter probe(QPrinter::HighResolution);
        probe.setOutputFormat(QPrinter::PdfFormat);
        probe.setPageSize(QPageSize(QPageSize::A4));
        probe.setPageOrientation(m_landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QRect r = probe.pageLayout().paintRectPixels(probe.resolution());
        m_pageSize = QSize(int(r.width() * TwipsPerInch / probe.resolution() / m_zoom),
            int(r.height() * TwipsPerInch / probe.resolution() / m_zoom));
    }
    return m_pageSize;
}

int Printer::pageWidth() const
{
    return pageSize().width();
}

int Printer::pageHeight() const
{
    return pageSize().height();
}

QString Printer::nextPdfName() const
{
    QDir folder(m_pdfFolder.isEmpty() ? QDir::current().filePath(QStringLiteral("stampe")) : m_pdfFolder);
    folder.mkpath(QStringLiteral("."));
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    // Numbered within the second, so the files sort in the order printed.
    QString name;
    for (int n = 1; name.isEmpty() || QFileInfo::exists(name); ++n)
        name = folder.filePath(QStringLiteral("stampa-%1-%2.pdf").arg(stamp).arg(n, 2, 10, QLatin1Char('0')));
    return name;
}

void Printer::beginJobIfNeeded()
{
    if (m_painter && m_painter->isActive())
        return;
    m_job = Job();
    m_device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_device->setPageSize(QPageSize(QPageSize::A4));
    m_device->setPageOrientation(m_landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    if (m_forcePdf || installed.isNull()) {
        m_job.pdfFile = nextPdfName();
        m_device->setOutputFormat(QPrinter::PdfFormat);
        m_device->setOutputFileName(m_job.pdfFile);
    } else {
        m_device->setPrinterName(installed.printerName());
    }
    m_device->setDocName(QStringLiteral("Ostrale"));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_device.get())) {
        m_painter.reset();
        m_device.reset();
        throw OstraleError(482, QStringLiteral("Errore della stampante: impossibile iniziare la stampa."));
    }
    const QRect area = m_device->pageLayout().paintRectPixels(m_device->resolution());
    m_pageSize = QSize(int(area.width() * TwipsPerInch / m_device->resolution() / m_zoom),
        int(area.height() * TwipsPerInch / m_device->resolution() / m_zoom));
    const double scale = m_device->resolution() / TwipsPerInch * m_zoom;
    m_painter->scale(scale, scale);
    m_job.pages = 1;
}

void Printer::drawText(const QString& text)
{
    beginJobIfNeeded();
    const QFont font = currentFont();
    m_painter->setFont(font);
    m_painter->setPen(Qt::black);
    const QFontMetricsF metrics(font);
    m_painter->drawText(QPointF(m_x, m_y + metrics.ascent()), text);
    Operation op { Operation::Text, text, QRect(m_x, m_y, textWidth(text), lineHeight()),
        m_fontName, m_fontSize, m_bold, Qt::black };
    m_job.operations << op;
}

void Printer::printLine(const QString& text)
{
    if (m_painter && m_painter->isActive() && m_y + lineHeight() > pageHeight())
        newPage();
    drawText(text);
    m_x = 0;
    m_y += lineHeight();
}

void Printer::printAtColumn(int column, const QString& text)
{
    m_x = std::max(0, column - 1) * textWidth(QStringLiteral("0"));
    printLine(text);
}

void Printer::printInline(const QString& text)
{
    drawText(text);
    m_x += textWidth(text);
}

void Printer::fillBox(int x1, int y1, int x2, int y2, const QColor& colour)
{
    beginJobIfNeeded();
    const QRect box = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
        QPoint(std::max(x1, x2), std::max(y1, y2)));
    // Filled as an exact rectangle with no outline or antialiasing, so that
    // adjacent boxes join without a hairline between them.
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->fillRect(QRectF(box.x(), box.y(), box.width(), box.height()), colour);
    Operation op { Operation::Box, QString(), box, QString(), 0, false, colour };
    m_job.operations << op;
}

void Printer::newPage()
{
    beginJobIfNeeded();
    m_device->newPage();
    ++m_job.pages;
    m_job.operations << Operation { Operation::PageBreak, QString(), QRect(), QString(), 0, false, QColor() };
    m_x = 0;
    m_y = 0;
}

void Printer::setPageSetup(bool landscape, double zoom)
{
    if (m_painter && m_painter->isActive())
        return; // a job in progress keeps its pages
    m_landscape = landscape;
    m_zoom = zoom > 0 ? zoom : 1.0;
    m_pageSize = QSize();
}

void Printer::endDoc()
{
    m_x = 0;
    m_y = 0;
    if (!m_painter || !m_painter->isActive())
        return; // nothing was drawn: no job
    m_painter->end();
    m_painter.reset();
    m_device.reset();
    m_lastJob = m_job;
    m_job = Job();
    ++m_finished;
    for (const auto& handler : std::as_const(m_jobFinished))
        handler(m_lastJob);
}
