#pragma once

#include "globals.h"
#include "platform/clock.h"
#include "platform/database.h"
#include "platform/datacontrol.h"
#include "platform/filedialog.h"
#include "platform/help.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/programs.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class MainWindow;
#include "ostralewindow.h"

// The running program: the shared variables, the main window's eight data
// connections, the history database, the windows and the platform services.
// Every window and shared routine reaches everything through it; a test
// builds a fresh one on a temporary program folder.
class App : public QObject
{
    Q_OBJECT

public:
    explicit App(QObject* parent = nullptr);
    ~App() override;

    Globals g;

    DataControl Data1 { QStringLiteral("Data1"), QStringLiteral("assoesp.mdb"), QStringLiteral("ASSO"), QStringLiteral("ASSO") };
    DataControl Data2 { QStringLiteral("Data2"), QStringLiteral("voloesp.mdb"), QStringLiteral("VOLO"), QStringLiteral("VOLO") };
    DataControl Data3 { QStringLiteral("Data3"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"), QStringLiteral("ASSO") };
    DataControl Data4 { QStringLiteral("Data4"), QStringLiteral("emervol.mdb"), QStringLiteral("EMERVOL"), QStringLiteral("emervol") };
    DataControl Data5 { QStringLiteral("Data5"), QStringLiteral("stor.mdb"), QStringLiteral("STOR"), QStringLiteral("STOR") };
    DataControl Data6 { QStringLiteral("Data6"), QStringLiteral("auto.mdb"), QStringLiteral("AUTO"), QStringLiteral("AUTO") };
    DataControl Data7 { QStringLiteral("Data7"), QStringLiteral("pass.mdb"), QStringLiteral("PASS"), QStringLiteral("pass") };
    DataControl Data8 { QStringLiteral("Data8"), QStringLiteral("car.mdb"), QStringLiteral("CAR"), QStringLiteral("CAR") };
    // The history archive, opened once at start-up.
    Database dbstor { QStringLiteral("stor.mdb") };

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
    template <typename T> T* windowAs(const QString& name) { return qobject_cast<T*>(window(name)); }
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
    MainWindow* m_main = nullptr;
    QHash<QString, QPointer<OstraleWindow>> m_windows;
    QPointer<OstraleWindow> m_active;
};
