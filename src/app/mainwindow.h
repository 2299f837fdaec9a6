#pragma once

#include "ostralewindow.h"

#include <QHash>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenuBar;
class QStatusBar;

namespace Ui {
class ostrale;
}

// The main window "Gestione anagrafica volontari di Protezione Civile": the
// menu every operation starts from. Its load is the program's start-up.
class MainWindow : public OstraleWindow
{
    Q_OBJECT

public:
    explicit MainWindow(App& app);
    ~MainWindow() override;

    void load();
    void activate() override;

    // The menu entry (a command or a submenu) of that name, or null.
    QAction* menuEntry(const QString& name) const;
    QMenuBar* menuBar() const { return m_menuBar; }
    QStatusBar* statusBar() const { return m_statusBar; }
    // The line under the title (`lblpresenti`), given by a subsystem: it is
    // asked again at every activation and after every operation. No source,
    // no line.
    void setTitleLineSource(std::function<QString()> source);
    void refreshTitleLine();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();

    std::unique_ptr<Ui::ostrale> ui;
    QMenuBar* m_menuBar = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QHash<QString, QAction*> m_entries;
    QLabel* m_titleLine = nullptr;
    std::function<QString()> m_titleLineSource;
};
