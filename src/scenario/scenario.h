#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>

class App;
class MainWindow;
class QAction;
class OstraleWindow;
class QWidget;

// The state of one scenario file while it runs: its program folder, the
// program, and what the runner tracks on the program's behalf (the control
// each window has the focus on, the messages already checked, the outside
// programs started and not yet checked).
class Scenario
{
public:
    // scriptFolder: the folder of the scenario file, for the paths it names.
    Scenario(const QString& folder, const QString& scriptFolder);
    ~Scenario();
    Scenario(const Scenario&) = delete;
    Scenario& operator=(const Scenario&) = delete;

    QString folder() const { return m_folder; }
    // A name of the program folder as an absolute path.
    QString path(const QString& name) const;
    // A path named by the scenario file, as an absolute path.
    QString scriptPath(const QString& path) const;

    App& app() { return *m_app; }
    bool isStarted() const { return m_started; }
    void setStarted() { m_started = true; }

    // These fail the step when the program is not running or the name is
    // unknown.
    MainWindow* mainWindow();
    OstraleWindow* window(const QString& name);
    // A window the operator can reach: it must be on screen.
    OstraleWindow* shownWindow(const QString& name);
    // "WINDOW.CONTROL": the control, a widget of that window itself.
    QWidget* control(const QString& reference, OstraleWindow** window = nullptr);
    // "ostrale.ENTRY": the main window's menu entries are among its controls
    // for the checks; null when the reference is not one.
    QAction* menuEntry(const QString& reference);

    // What a driving step does first: make the window the active one.
    void bringForward(OstraleWindow* window);
    // The operator moves into the control: the control the window had the
    // focus on gets its lose-focus event first.
    void focus(OstraleWindow* window, QWidget* control);
    // The control's lose-focus event; the window then has no focused control.
    void leave(OstraleWindow* window, QWidget* control);

    int checkedMessages = 0;
    QStringList uncheckedStarts;

    // Runs the work the program queued (timers due, posted events).
    static void settle();

private:
    QString m_folder;
    QString m_scriptFolder;
    std::unique_ptr<App> m_app;
    bool m_started = false;
    QHash<OstraleWindow*, QPointer<QWidget>> m_focused;
};
