#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

// The drawing surface of every printout, in twips (1/1440 inch) from the
// top-left corner of the printable area. A job starts with the first thing
// drawn and ends with endDoc(). It goes to the default printer when the
// machine has one, otherwise to a PDF file in the program folder's "stampe".
// Every job is also recorded (its texts and boxes), which is how tests read
// what was printed.
class Printer
{
public:
    struct Operation
    {
        enum Kind { Text, Box, PageBreak } kind;
        QString text;
        QRect box;  // twips; for a text, its position (x, y of the top)
        QString fontName;
        double fontSize = 0;
        bool bold = false;
        QColor colour;
    };

    struct Job
    {
        QList<Operation> operations;
        QString pdfFile; // empty when it went to a printer
        int pages = 0;
        QStringList texts() const;
    };

    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Where jobs go when no printer is installed (or always, when forced).
    void setPdfFolder(const QString& folder) { m_pdfFolder = folder; }
    void setForcePdf(bool force) { m_forcePdf = force; }

    void setFontName(const QString& name) { m_fontName = name; }
    void setFontSize(double points) { m_fontSize = points; }
    void setFontBold(bool bold) { m_bold = bold; }
    QString fontName() const { return m_fontName; }
    double fontSize() const { return m_fontSize; }
    bool fontBold() const { return m_bold; }

    int currentX() const { return m_x; }
    int currentY() const { return m_y; }
    void setCurrentX(int twips) { m_x = twips; }
    void setCurrentY(int twips) { m_y = twips; }

    // Prints the text at the current position and moves to the start of the
    // next line; a line that would not fit on the page starts a new page.
    void printLine(const QString& text);
    // Prints the text at a text column ((column - 1) character widths of the
    // current font), then moves to the next line.
    void printAtColumn(int column, const QString& text);
    // Prints at the current position and stays on the line, after the text.
    void printInline(const QString& text);

    void fillBox(int x1, int y1, int x2, int y2, const QColor& colour);
    void newPage();
    void endDoc();

    // The page of the next job: portrait or landscape, and a zoom that makes
    // everything smaller (0.9) so that wider lines fit. Twips stay twips:
    // the page simply holds more of them.
    void setPageSetup(bool landscape, double zoom = 1.0);

    int textWidth(const QString& text) const;
    int lineHeight() const;
    int pageWidth() const;
    int pageHeight() const;

    int finishedJobs() const { return m_finished; }
    const Job& lastJob() const { return m_lastJob; }
    // Called with every job as it finishes, in the order added: the main
    // window tells where a PDF went; tests collect the jobs of a run.
    void addJobFinishedHandler(std::function<void(const Job&)> handler)
    {
        m_jobFinished << std::move(handler);
    }

private:
    QFont currentFont() const;
    QSize pageSize() const;
    void beginJobIfNeeded();
    void drawText(const QString& text);
    QString nextPdfName() const;

    QString m_pdfFolder;
    bool m_forcePdf = false;
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 10;
    bool m_bold = false;
    int m_x = 0;
    int m_y = 0;

    std::unique_ptr<QPrinter> m_device;
    std::unique_ptr<QPainter> m_painter;
    Job m_job;
    Job m_lastJob;
    int m_finished = 0;
    QList<std::function<void(const Job&)>> m_jobFinished;
    mutable QSize m_pageSize;
    bool m_landscape = false;
    double m_zoom = 1.0;
};
