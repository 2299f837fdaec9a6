#pragma once

// A desk on a temporary program folder driving the badge windows; every print job is kept.
#include "app/app.h"
#include "platform/database.h"
#include "shell/shell.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class BadgeDesk
{
public:
    BadgeDesk()
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
        app = std::make_unique<App>();
        installSubsystems(*app);
        app->setTestMode(true);
        app->start();
        app->printer().addJobFinishedHandler([this](const Printer::Job& job) { jobs << job; });
    }

    ~BadgeDesk()
    {
        app.reset();
        QDir::setCurrent(m_previous);
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    bool exec(const QString& file, const QString& sql, const QVariantList& values = {})
    {
        Database db(file);
        QSqlQuery query(db.handle());
        query.prepare(sql);
        for (const QVariant& value : values)
            query.addBindValue(value);
        return query.exec();
    }
    // The volunteer, and his association when it is not registered yet.
    bool addVolunteer(const QString& code, const QString& association, const QString& surname,
        const QString& name = QStringLiteral("MARIO"))
    {
        return exec(QStringLiteral("asso.mdb"),
                   QStringLiteral("insert or ignore into ASSO (CODASS, DENOM) values (?, ?)"),
                   { association, association })
            && exec(QStringLiteral("emervol.mdb"),
                QStringLiteral("insert into EMERVOL (CODVOL, DENOM, COGNOME, NOME, DATAAR, DATAPA) "
                               "values (?, ?, ?, ?, '01/01/2024', '')"),
                { code, association, surname, name });
    }

    OstraleWindow* show(const QString& window)
    {
        OstraleWindow* shown = app->window(window);
        app->showWindow(shown);
        return shown;
    }
    // Picks a formpass combo item from its drop-down list: open, highlight, Enter.
    bool choose(const QString& combo, const QString& item)
    {
        auto* box = app->window(QStringLiteral("formpass"))->findChild<QComboBox*>(combo);
        const int index = box ? box->findText(item, Qt::MatchExactly) : -1;
        if (index < 0)
            return false;
        box->showPopup();
        box->view()->setCurrentIndex(box->model()->index(index, box->modelColumn()));
        QTest::keyClick(box->view(), Qt::Key_Return);
        box->hidePopup();
        return true;
    }

    void click(const QString& window, const QString& button)
    {
        app->window(window)->findChild<QPushButton*>(button)->click();
    }

    std::unique_ptr<App> app;
    QList<Printer::Job> jobs;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
