#include "disegnacodbar.h"

#include "app/app.h"
#include "code39.h"
#include "platform/printer.h"

#include <QColor>

namespace {

// The printer's colour 1: RGB value 1, practically black.
const QColor BarColour = QColor::fromRgb(1, 0, 0);

// Walks the modules at a pitch of w. The first module spans x to x + w and
// each later one starts one unit after the end of the one before. A run of
// adjacent bar modules is painted as one box, so a wide bar never shows a
// seam between its two modules whatever the resolution.
class ModuleWriter
{
public:
    ModuleWriter(Printer& surface, int x, int y, int h, int w)
        : m_surface(surface)
        , m_x1(x)
        , m_x2(x + w)
        , m_y1(y)
        , m_y2(y + h)
        , m_w(w)
    {
    }

    void draw(const QString& modules)
    {
        for (const QChar module : modules) {
            if (module == QLatin1Char('1')) {
                if (!m_inRun)
                    m_runStart = m_x1;
                m_inRun = true;
                m_runEnd = m_x2;
            } else {
                finishRun();
            }
            m_x1 = m_x2 + 1;
            m_x2 = m_x1 + m_w - 1;
        }
    }

    void finish()
    {
        finishRun();
        if (m_drewBar) {
            m_surface.setCurrentX(m_runEnd);
            m_surface.setCurrentY(m_y2);
        }
    }

private:
    void finishRun()
    {
        if (!m_inRun)
            return;
        m_surface.fillBox(m_runStart, m_y1, m_runEnd, m_y2, BarColour);
        m_inRun = false;
        m_drewBar = true;
    }

    Printer& m_surface;
    int m_x1;
    int m_x2;
    const int m_y1;
    const int m_y2;
    const int m_w;
    bool m_inRun = false;
    bool m_drewBar = false;
    int m_runStart = 0;
    int m_runEnd = 0;
};

} // namespace

void disegnacodbar(
    App& app, Printer& surface, qint16 x, qint16 y, qint16 h, qint16 w, const QString& text)
{
    ModuleWriter writer(surface, x, y, h, w);
    writer.draw(Code39::pattern(Code39::StartStopIndex));
    for (const QChar c : text) {
        int index = Code39::lookup(c);
        if (index < 0) {
            app.say(QStringLiteral("Carattere non trovato in tabella ") + c);
            index = Code39::SpaceIndex;
        }
        writer.draw(Code39::pattern(index));
    }
    writer.draw(Code39::pattern(Code39::StartStopIndex));
    writer.finish();
}
