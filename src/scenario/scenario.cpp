#include "scenario.h"

#include "stepfailure.h"

#include "app/app.h"
#include "app/mainwindow.h"
#include "shell/shell.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QWidget>

Scenario::Scenario(const QString& folder, const QString& scriptFolder)
    : m_folder(folder)
    , m_scriptFolder(scriptFolder)
    , m_app(std::make_unique<App>())
{
    installSubsystems(*m_app);
    m_app->setTestMode(true);
    m_app->clock().fix(QDateTime(QDate(2024, 1, 1), QTime(9, 0)));
}

Scenario::~Scenario()
{
    m_focused.clear();
    m_app.reset();
    settle();
}

QString Scenario::path(const QString& name) const
{
    return QDir(m_folder).absoluteFilePath(name);
}

QString Scenario::scriptPath(const QString& path) const
{
    return QDir(m_scriptFolder).absoluteFilePath(path);
}

void Scenario::settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

MainWindow* Scenario::mainWindow()
{
    if (!m_started || !m_app->mainWindow())
        throw StepFailure { QStringLiteral("the program has not been started") };
    return m_app->mainWindow();
}

OstraleWindow* Scenario::window(const QString& name)
{
    mainWindow();
    OstraleWindow* found = m_app->window(name);
    if (!found)
        throw StepFailure { QStringLiteral("the program has no window named %1").arg(name) };
    return found;
}

OstraleWindow* Scenario::shownWindow(const QString& name)
{
    OstraleWindow* found = window(name);
    if (!found->isVisible())
        throw StepFailure { QStringLiteral("expected window %1 shown, found it hidden").arg(name) };
    return found;
}

QWidget* Scenario::control(const QString& reference, OstraleWindow** window)
{
    const qsizetype dot = reference.indexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == reference.size() - 1)
        throw StepFailure { QStringLiteral("expected WINDOW.CONTROL, found %1").arg(reference) };
    const QString windowName = reference.left(dot);
    const QString controlName = reference.mid(dot + 1);
    OstraleWindow* owner = this->window(windowName);
    if (window)
        *window = owner;
    // A window's child windows hold controls of their own: skip them.
    const QList<QWidget*> candidates = owner->findChildren<QWidget*>(controlName);
    for (QWidget* candidate : candidates)
        if (candidate->window() == owner)
            return candidate;
    throw StepFailure {
        QStringLiteral("window %1 has no control named %2").arg(windowName, controlName)
    };
}

QAction* Scenario::menuEntry(const QString& reference)
{
    MainWindow* main = mainWindow();
    const QString prefix = main->objectName() + QLatin1Char('.');
    if (!reference.startsWith(prefix))
        return nullptr;
    return main->menuEntry(reference.mid(prefix.size()));
}

void Scenario::bringForward(OstraleWindow* window)
{
    if (m_app->activeWindow() != window)
        m_app->activateWindow(window);
}

void Scenario::focus(OstraleWindow* window, QWidget* control)
{
    const QPointer<QWidget> previous = m_focused.value(window);
    m_focused.insert(window, control);
    if (previous && previous != control)
        window->handle([window, previous] {
            if (previous)
                window->controlLeft(previous);
        });
}

void Scenario::leave(OstraleWindow* window, QWidget* control)
{
    if (m_focused.value(window) == control)
        m_focused.remove(window);
    // The toolkit's own part of losing the focus runs too: a text box ends
    // its editing, and an editable combo then matches its text against its
    // list, as it does when the operator tabs away.
    QWidget* box = control;
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        box = combo->lineEdit();
    if (qobject_cast<QLineEdit*>(box)) {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &focusOut);
    }
    window->handle([window, control] { window->controlLeft(control); });
    settle();
}
