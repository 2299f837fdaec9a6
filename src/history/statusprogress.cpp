#include "statusprogress.h"

#include "app/app.h"
#include "app/mainwindow.h"

#include <QStatusBar>

namespace {

constexpr qint64 RepaintEveryMs = 200;

} // namespace

StatusProgress::StatusProgress(App& app, QString what, qint64 total)
    : m_app(app)
    , m_what(std::move(what))
    , m_total(total)
{
    show(0);
}

StatusProgress::~StatusProgress()
{
    if (MainWindow* main = m_app.mainWindow())
        main->statusBar()->clearMessage();
}

void StatusProgress::step(qint64 done)
{
    if (m_sinceShown.isValid() && m_sinceShown.elapsed() < RepaintEveryMs)
        return;
    show(done);
}

void StatusProgress::show(qint64 done)
{
    m_sinceShown.start();
    MainWindow* main = m_app.mainWindow();
    if (!main)
        return;
    main->statusBar()->showMessage(
        QStringLiteral("%1: %2 di %3").arg(m_what).arg(done).arg(m_total));
    main->statusBar()->repaint();
}
