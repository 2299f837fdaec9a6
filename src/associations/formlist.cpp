#include "formlist.h"

#include "app/app.h"
#include "app/listlines.h"
#include "formass.h"
#include "platform/busypointer.h"
#include "store/scans.h"
#include "ui_formlist.h"
#include "volunteers/formvollist.h"

#include <QListWidget>

FormList::FormList(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::formlist>())
{
    ui->setupUi(this);
    ui->List1->setFont(QFont(QStringLiteral("Courier New"), 10));
    onClicked(ui->cmdcerca, &FormList::cmdcercaClicked);
    onClicked(ui->cmdstampa, &FormList::cmdstampaClicked);
    onClicked(ui->cmdlistesci, &QWidget::hide);
    onListPick(ui->List1, &FormList::List1Clicked);
}

FormList::~FormList() = default;

QListWidget* FormList::List1() const
{
    return ui->List1;
}

void FormList::activate()
{
    buildList(false);
}

void FormList::cmdcercaClicked()
{
    buildList(true);
}

void FormList::buildList(bool filtered)
{
    const BusyPointer busy;
    Globals& g = app.g;
    const bool withCounts = !filtered && g.modolistass == QLatin1String("IA");
    const QString wanted = ui->cerca->text().toUpper();
    ui->List1->clear();
    setWindowTitle(QStringLiteral("Elenco Associazioni"));
    g.rigastampa = ListLines::title(app, QStringLiteral(" ELENCO ASSOCIAZIONI "));
    QStringList lines { g.rigastampa, QStringLiteral("     ") };

    qint64 total = 0;
    scanAll(
        g.esitoass, [&] { leggiass(app); },
        [&] {
            const Recordset& association = app.Data3.recordset();
            const QString denom = association.field(QStringLiteral("DENOM"));
            if (filtered) {
                if (wanted.isEmpty() || denom.contains(wanted, Qt::CaseSensitive))
                    lines << denom;
                return;
            }
            const QString numvol = association.field(QStringLiteral("NUMVOL"));
            g.rigastampa = ListLines::field(denom, 50) + QLatin1Char(' ') + numvol;
            total += numvol.toLongLong();
            lines << (withCounts ? g.rigastampa : denom);
        });
    m_withCounts = withCounts;
    if (withCounts) {
        g.contarighe = QString::number(total);
        g.rigastampa = ListLines::total(g.contarighe);
        lines << QStringLiteral(" ") << g.rigastampa;
    }
    ui->List1->addItems(lines);
}

void FormList::List1Clicked()
{
    const QListWidgetItem* clicked = ui->List1->currentItem();
    if (!clicked)
        return;
    Globals& g = app.g;
    const QString mode = g.modolistass;
    // Only a line with a count after its first 50 characters is cut: the
    // other lines hold the whole name.
    g.assscelta = m_withCounts ? ListLines::leadingField(clicked->text(), 50) : clicked->text();
    if (mode == QLatin1String("AL") || mode == QLatin1String("IA")) {
        g.modoass = QStringLiteral("L");
        auto* form = app.window<Formass>();
        form->setTitle(QStringLiteral(" Dati di una associazione"));
        form->hideActionButton();
        app.showWindow(form);
    } else if (mode == QLatin1String("AV") || mode == QLatin1String("EV")) {
        const bool certificates = mode == QLatin1String("EV");
        g.modolistvol = certificates ? QStringLiteral("VE") : QStringLiteral("VA");
        auto* volunteers = app.window<FormVolList>();
        volunteers->setSelectionPrintVisible(certificates);
        volunteers->setPrintCaption(
            certificates ? QStringLiteral("Stampa tutti") : QStringLiteral("Stampa"));
        // The list is built anew for the association just clicked.
        volunteers->List1()->clear();
        app.showWindow(volunteers);
    }
}

void FormList::cmdstampaClicked()
{
    stampalista(app, ui->List1);
}
