#include "help.h"

#include "textfile.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QString manualText()
{
    QFile file(QStringLiteral(":/manual/manuale.md"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("# Manuale non disponibile");
    return TextFile::decode(file.readAll());
}

QWidget* buildWindow()
{
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setObjectName(QStringLiteral("guida"));
    window->setWindowTitle(QStringLiteral("Guida di Ostrale"));
    window->resize(760, 620);

    auto* search = new QLineEdit(window);
    search->setObjectName(QStringLiteral("cercaguida"));
    search->setPlaceholderText(QStringLiteral("Parola da cercare nella guida"));
    auto* find = new QPushButton(QStringLiteral("Cerca"), window);
    auto* browser = new QTextBrowser(window);
    browser->setOpenExternalLinks(false);
    browser->setMarkdown(manualText());

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Cerca:"), window));
    searchRow->addWidget(search, 1);
    searchRow->addWidget(find);
    auto* layout = new QVBoxLayout(window);
    layout->addLayout(searchRow);
    layout->addWidget(browser, 1);

    // Searching again moves on to the next place; at the end it starts over.
    auto findNext = [browser, search]() {
        const QString word = search->text();
        if (word.isEmpty())
            return;
        if (!browser->find(word)) {
            browser->moveCursor(QTextCursor::Start);
            browser->find(word);
        }
    };
    QObject::connect(find, &QPushButton::clicked, window, findNext);
    QObject::connect(search, &QLineEdit::returnPressed, window, findNext);
    return window;
}

} // namespace

Help::~Help()
{
    delete m_window.data();
}

void Help::open()
{
    ++m_opened;
    if (m_recording)
        return;
    if (!m_window)
        m_window = buildWindow();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    if (auto* search = m_window->findChild<QLineEdit*>(QStringLiteral("cercaguida")))
        search->setFocus();
}
