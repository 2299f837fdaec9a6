#include "session.h"

#include "app/app.h"
#include "baresql.h"
#include "programruns.h"
#include "registerprobe.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <stdexcept>

Session::Session(QString label, QString folder, const ArchiveSizes& sizes)
    : m_label(std::move(label))
    , m_folder(std::move(folder))
    , m_sizes(sizes)
    , m_bare(std::make_unique<BareSql>(m_folder))
    , m_probe(std::make_unique<RegisterProbe>(m_folder))
{
}

Session::~Session()
{
    if (m_program) {
        enter();
        m_program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Session::enter()
{
    if (!QDir::setCurrent(m_folder))
        throw std::runtime_error(("cannot enter " + m_folder).toStdString());
}

App& Session::program()
{
    enter();
    if (!m_program) {
        m_program = ProgramRuns::newProgram();
        m_program->start();
        // The work start-up leaves queued (the headcount's first count) runs
        // now, as it does at the desk as soon as the window is up: every
        // operation is then measured with the headcount live.
        QCoreApplication::processEvents();
        const QString error = ProgramRuns::firstError(*m_program);
        if (!error.isEmpty())
            throw std::runtime_error(("start-up: " + error).toStdString());
    }
    return *m_program;
}

BareSql& Session::bare()
{
    if (!m_bare)
        m_bare = std::make_unique<BareSql>(m_folder);
    return *m_bare;
}

RegisterProbe& Session::probe()
{
    if (!m_probe)
        m_probe = std::make_unique<RegisterProbe>(m_folder);
    return *m_probe;
}

void Session::letGoOfFiles()
{
    m_bare.reset();
    m_probe.reset();
}
