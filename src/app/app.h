#pragma once

#include "ostralewindow.h"
#include "platform/clock.h"
#include "platform/filedialog.h"
#include "platform/help.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/programs.h"
#include "store/registers.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>

class MainWindow;

// The running program: the registers (the shared variables `g` and the data
// connections `Data1` ... `Data8`, `dbstor`), the windows and the platform
// services. Every window and shared routine reaches everything through it; a
// test builds a fresh one on a temporary program folder.
//
// The program's subsystems register themselves here before start(): their
// windows (by name, created hidden on first use), the actions of their main
// menu entries, and the steps they add to start-up.
class App : public QObject, public Registers
{
    Q_OBJECT

public:
    explicit App(QObject* parent = nullptr);
    ~App() override;

    using WindowFactory = std::function<OstraleWindow*(App&, QWidget* parent)>;
    using Action = std::function<void(App&)>;

    // A window the program can show, under its name.
    void addWindow(const QString& name, WindowFactory factory);
    template <typename W> void addWindow()
    {
        addWindow(QString::fromLatin1(W::Name),
            [](App& app, QWidget* parent) { return new W(app, parent); });
    }
    // The action of a main menu entry; an entry without one is shown disabled.
    // An entry name the menu does not have is refused at once.
    void addCommand(const QString& menuEntry, Action action);
    Action command(const QString& menuEntry) const;
    // A step of start-up that a subsystem adds, run after the emergency name
    // is read, in the order added.
    void addStartupStep(Action step);
    const QList<Action>& startupSteps() const { return m_startupSteps; }

    MessageBox& messages() { return m_messages; }
    FileDialog& fileDialog() { return m_fileDialog; }
    Clock& clock() { return m_clock; }
    Printer& printer() { return m_printer; }
    Programs& programs() { return m_programs; }
    Help& help() { return m_help; }

    // Shows a message box (OK unless told otherwise) and returns the answer.
    MessageBox::Answer say(const QString& text, MessageBox::Buttons buttons = MessageBox::Ok,
        const QString& title = QString());

    // Tests drive the program themselves: message boxes, file dialogs and
    // outside programs are recorded, printouts go to PDF, and windows are
    // activated only by the program and the test, not by the platform.
    void setTestMode(bool testMode);
    bool followsNativeEvents() const { return !m_testMode; }

    // Starts the program on the current folder: a new folder is laid down
    // first, then the main window loads (start-up) and is shown.
    void start();
    MainWindow* mainWindow() const { return m_main; }

    // The window of that name, created hidden on first use; null for a name
    // the program does not have.
    OstraleWindow* window(const QString& name);
    // The window of that class, created hidden on first use. Every window
    // class the program registered has one; asking for another is a fault
    // of the program and is reported as one.
    template <typename W> W* window()
    {
        auto* found = qobject_cast<W*>(window(QString::fromLatin1(W::Name)));
        if (!found)
            throw std::logic_error(std::string("window not registered: ") + W::Name);
        return found;
    }
    // The window of that class if it was created already, otherwise null:
    // for windows that only need telling when they exist.
    template <typename W> W* existingWindow() const
    {
        return qobject_cast<W*>(m_windows.value(QString::fromLatin1(W::Name)).data());
    }
    // Shows a window and runs its activation.
    void showWindow(OstraleWindow* window);
    // Makes the window the active one, as a click on it would.
    void activateWindow(OstraleWindow* window);
    OstraleWindow* activeWindow() const { return m_active; }
    void nativeWindowActivated(OstraleWindow* window);

    // Runs an event handler; an unexpected failure is shown as
    // "Errore N description", and what was written stays written.
    void runHandler(const std::function<void()>& handler);

    // Ends the program (the main window closed, or "Fine").
    void quit();
    bool hasEnded() const { return m_ended; }

signals:
    void ended();

private:
    void setActive(OstraleWindow* window);

    MessageBox m_messages;
    FileDialog m_fileDialog;
    Clock m_clock;
    Printer m_printer;
    Programs m_programs;
    Help m_help;
    bool m_testMode = false;
    bool m_ended = false;
    int m_handlerDepth = 0;
    bool m_titleLinePending = false;
    MainWindow* m_main = nullptr;
    std::map<QString, WindowFactory> m_factories;
    QHash<QString, Action> m_commands;
    QList<Action> m_startupSteps;
    QHash<QString, QPointer<OstraleWindow>> m_windows;
    QPointer<OstraleWindow> m_active;
};
