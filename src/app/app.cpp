#include "app.h"

#include "initialfolder.h"
#include "mainwindow.h"
#include "menutree.h"
#include "platform/error.h"
#include "shellcommands.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

App::App(QObject* parent)
    : QObject(parent)
{
    installShellCommands(*this);
}

App::~App()
{
    for (const QPointer<OstraleWindow>& window : std::as_const(m_windows))
        if (window && window != m_main)
            delete window.data();
    delete m_main;
}

void App::addWindow(const QString& name, WindowFactory factory)
{
    m_factories[name] = std::move(factory);
}

void App::addCommand(const QString& menuEntry, Action action)
{
    if (!isMenuCommand(menuEntry))
        throw std::logic_error("no such menu command: " + menuEntry.toStdString());
    m_commands.insert(menuEntry, std::move(action));
}

App::Action App::command(const QString& menuEntry) const
{
    return m_commands.value(menuEntry);
}

void App::addStartupStep(Action step)
{
    m_startupSteps << std::move(step);
}

MessageBox::Answer App::say(const QString& text, MessageBox::Buttons buttons, const QString& title)
{
    return m_messages.show(text, buttons, title);
}

void App::setTestMode(bool testMode)
{
    m_testMode = testMode;
    m_messages.setRecording(testMode);
    m_fileDialog.setRecording(testMode);
    m_programs.setRecording(testMode);
    m_help.setRecording(testMode);
    m_printer.setForcePdf(testMode);
}

void App::start()
{
    runHandler([] { InitialFolder::layDownIfNew(QDir::currentPath()); });
    m_main = new MainWindow(*this);
    m_windows.insert(m_main->objectName(), m_main);
    m_messages.setParentWindow(m_main);
    m_fileDialog.setParentWindow(m_main);
    m_main->load();
    showWindow(m_main);
    // While the desk is idle the line under the title follows the clock and
    // what other programs commit: looked at once a second, which costs a look
    // at the registers' files when nothing changed. A handler waiting on a
    // message box is not interrupted.
    auto* ticker = new QTimer(this);
    connect(ticker, &QTimer::timeout, this, [this] {
        if (m_handlerDepth == 0 && m_main && !m_ended)
            m_main->refreshTitleLine();
    });
    ticker->start(1000);
}

OstraleWindow* App::window(const QString& name)
{
    if (const QPointer<OstraleWindow> existing = m_windows.value(name))
        return existing;
    const auto factory = m_factories.find(name);
    if (factory == m_factories.end())
        return nullptr;
    OstraleWindow* created = factory->second(*this, m_main);
    if (created) {
        created->hide();
        m_windows.insert(name, created);
    }
    return created;
}

void App::showWindow(OstraleWindow* window)
{
    // The first time, a window opens over the middle of the main window.
    if (window != m_main && m_main && !window->property("ostraleShown").toBool()) {
        window->setProperty("ostraleShown", true);
        QRect frame = window->frameGeometry();
        frame.moveCenter(m_main->frameGeometry().center());
        window->move(frame.topLeft().x() < 0 ? 0 : frame.topLeft().x(),
            frame.topLeft().y() < 0 ? 0 : frame.topLeft().y());
    }
    window->show();
    window->raise();
    if (!m_testMode)
        window->activateWindow();
    setActive(window);
    runHandler([window] { window->activate(); });
}

void App::activateWindow(OstraleWindow* window)
{
    if (window == m_active)
        return;
    setActive(window);
    runHandler([window] { window->activate(); });
}

void App::nativeWindowActivated(OstraleWindow* window)
{
    if (!m_testMode)
        activateWindow(window);
}

void App::setActive(OstraleWindow* window)
{
    m_active = window;
    m_messages.setParentWindow(window);
    m_fileDialog.setParentWindow(window);
}

void App::runHandler(const std::function<void()>& handler)
{
    ++m_handlerDepth;
    try {
        handler();
    } catch (const OstraleError& error) {
        say(errorText(error));
    } catch (const std::exception& error) {
        say(QStringLiteral("Errore 0 %1").arg(QString::fromLocal8Bit(error.what())));
    }
    --m_handlerDepth;
    // Whatever the operation changed shows on the main window as soon as the
    // desk is idle: the operator's next key (a badge reader types ten of them
    // at once) is never kept waiting for it, and a burst of operations reads
    // the registers once. After "Fine" the registers stay closed.
    if (m_handlerDepth == 0 && m_main && !m_ended && !m_titleLinePending) {
        m_titleLinePending = true;
        QTimer::singleShot(0, this, [this] {
            m_titleLinePending = false;
            if (m_main && !m_ended)
                m_main->refreshTitleLine();
        });
    }
}

void App::quit()
{
    if (m_ended)
        return;
    m_ended = true;
    for (const QPointer<OstraleWindow>& window : std::as_const(m_windows))
        if (window)
            window->hide();
    // Nothing is left to save, but every register file is made complete by
    // itself at once, even if the program is then killed.
    closeAll();
    emit ended();
}
