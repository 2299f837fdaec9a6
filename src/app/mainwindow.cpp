#include "mainwindow.h"

#include "app.h"
#include "emergenzaform.h"
#include "menutree.h"
#include "startup.h"
#include "ui_ostrale.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

MainWindow::MainWindow(App& app)
    : OstraleWindow(app, QStringLiteral("ostrale"), nullptr)
    , ui(std::make_unique<Ui::ostrale>())
{
    ui->setupUi(this);
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("menu"));
    // A menu inside the window on every desktop, as the operator knows it.
    m_menuBar->setNativeMenuBar(false);
    layout()->setMenuBar(m_menuBar);
    buildMenu();
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("statusbar"));
    layout()->addWidget(m_statusBar);
    // With no printer a printout becomes a PDF file: the operator is told
    // where, without a box to close.
    app.printer().addJobFinishedHandler([this](const Printer::Job& job) {
        if (!job.pdfFile.isEmpty())
            m_statusBar->showMessage(
                QStringLiteral("Stampa salvata in %1").arg(QDir::current().relativeFilePath(job.pdfFile)));
    });
    m_titleLine = new QLabel(this);
    m_titleLine->setObjectName(QStringLiteral("lblpresenti"));
    m_titleLine->setAlignment(Qt::AlignCenter);
    m_titleLine->hide();
    ui->mainLayout->insertWidget(1, m_titleLine);
}

void MainWindow::setTitleLineSource(std::function<QString()> source)
{
    m_titleLineSource = std::move(source);
    m_titleLine->setVisible(bool(m_titleLineSource));
}

void MainWindow::refreshTitleLine()
{
    if (!m_titleLineSource)
        return;
    // A line that cannot be read (a register being replaced) keeps its last
    // text; the operation that ran is not disturbed.
    try {
        const QString text = m_titleLineSource();
        if (text != m_titleLine->text())
            m_titleLine->setText(text);
    } catch (const std::exception&) {
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu()
{
    QHash<QString, QMenu*> menus;
    QSet<QString> parents;
    for (const MenuItem& item : menuTree())
        parents.insert(QString::fromLatin1(item.parent));

    for (const MenuItem& item : menuTree()) {
        const QString name = QString::fromLatin1(item.name);
        const QString caption = QString::fromUtf8(item.caption);
        const QString parentName = QString::fromLatin1(item.parent);
        QMenu* parentMenu = menus.value(parentName);
        QAction* action = nullptr;
        if (parents.contains(name)) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : m_menuBar->addMenu(caption);
            menu->setObjectName(name);
            menus.insert(name, menu);
            action = menu->menuAction();
        } else {
            action = parentMenu ? parentMenu->addAction(caption) : m_menuBar->addAction(caption);
            const App::Action command = app.command(name);
            action->setEnabled(bool(command));
            if (command)
                connect(action, &QAction::triggered, this,
                    [this, command] { handle([this, command] { command(app); }); });
        }
        action->setObjectName(name);
        m_entries.insert(name, action);
    }
}

QAction* MainWindow::menuEntry(const QString& name) const
{
    return m_entries.value(name);
}

void MainWindow::load()
{
    runStartup(app);
}

void MainWindow::activate()
{
    refreshTitleLine();
    // The emergency name is asked for once, at the first activation.
    if (app.g.primoavvio.toInt() == 0) {
        app.g.primoavvio = QStringLiteral("1");
        app.showWindow(app.window<EmergenzaForm>());
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    app.quit();
}
