#include "formvollist.h"

#include "app/app.h"
#include "app/listlines.h"
#include "formvol.h"
#include "platform/busypointer.h"
#include "platform/textfile.h"
#include "presencerule.h"
#include "stampavol.h"
#include "store/queries.h"
#include "store/scans.h"
#include "ui_formvollist.h"
#include "volunteerlines.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace {

const QString campTitle = QStringLiteral(" ELENCO VOLONTARI ");
const QString historyTitle = QStringLiteral(" ELENCO STORICO VOLONTARI ");
const QString blankLine = QStringLiteral("     ");

PresenceRecord presenceRecord(const Recordset& volunteer)
{
    return { volunteer.field(QStringLiteral("CAMPO")), volunteer.field(QStringLiteral("DATAAR")),
        volunteer.field(QStringLiteral("ORAAR")), volunteer.field(QStringLiteral("DATAPA")),
        volunteer.field(QStringLiteral("ORAPA")) };
}

QString plusOne(const QString& count)
{
    return QString::number(count.toLongLong() + 1);
}

} // namespace

FormVolList::FormVolList(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::formvollist>())
{
    ui->setupUi(this);
    ui->List1->setFont(QFont(QStringLiteral("Courier New"), 10));
    onClicked(ui->cmdcerca, &FormVolList::cmdcercaClicked);
    onClicked(ui->cmdstampa, &FormVolList::cmdstampaClicked);
    onClicked(ui->cmdstampasel, [this] { this->app.programs().start(QStringLiteral("tavresv")); });
    onClicked(ui->cmdesci, [this] {
        ui->List1->clear();
        hide();
    });
    onListPick(ui->List1, &FormVolList::List1Clicked);
}

FormVolList::~FormVolList() = default;

QListWidget* FormVolList::List1() const
{
    return ui->List1;
}

void FormVolList::setSelectionPrintVisible(bool visible)
{
    ui->cmdstampasel->setVisible(visible);
}

void FormVolList::setPrintCaption(const QString& caption)
{
    ui->cmdstampa->setText(caption);
}

void FormVolList::setPresenceSource(std::function<PresenceQuery()> source)
{
    m_presenceSource = std::move(source);
}

QString FormVolList::formVolAssociation() const
{
    auto* form = app.existingWindow<FormVol>();
    return form ? form->cmbass()->currentText() : QString();
}

void FormVolList::activate()
{
    // Back from the volunteer form after a pick: the list stays as it was.
    if (ui->List1->currentItem() && m_builtMode == app.g.modolistvol)
        return;
    ui->cerca->clear();
    ui->List1->clear();
    setWindowTitle(QStringLiteral("Elenco Volontari"));
    const BusyPointer busy;
    const QString mode = app.g.modolistvol;
    m_builtMode = mode;
    QStringList lines;
    if (mode == QLatin1String("SV"))
        buildHistoryList(lines);
    else if (mode == QLatin1String("GV") || mode == QLatin1String("VA")
        || mode == QLatin1String("VE") || mode == QLatin1String("PV"))
        buildGroupedList(lines);
    else if (mode != QLatin1String("CV"))
        buildSimpleList(lines);
    ui->List1->addItems(lines);
    if (mode == QLatin1String("VE"))
        TextFile::truncate(app.g.fileprotciv);
}

void FormVolList::buildHistoryList(QStringList& lines)
{
    Globals& g = app.g;
    const QString association = formVolAssociation();
    lines << historyTitle << blankLine;
    g.contarighe = QStringLiteral("0");
    // With an association chosen, only its records are read; the name must
    // still match exactly, as the list always compared it.
    const QString sql
        = association.isEmpty() ? Queries::historyInOrder : Queries::historyOfAssociationInOrder;
    const QVariantList parameters
        = association.isEmpty() ? QVariantList() : QVariantList { association };
    scanAll(
        g.esitostor, [&] { scanStep(app.Data5, g.esitostor, sql, parameters); },
        [&] {
            const Recordset& record = app.Data5.recordset();
            if (!association.isEmpty() && record.field(QStringLiteral("DENOM")) != association)
                return;
            lines << VolunteerLines::history(record);
            g.contarighe = plusOne(g.contarighe);
        });
    lines << QStringLiteral(" ") << VolunteerLines::total(g.contarighe);
}

void FormVolList::buildGroupedList(QStringList& lines)
{
    Globals& g = app.g;
    const bool oneAssociation
        = g.modolistvol == QLatin1String("VA") || g.modolistvol == QLatin1String("VE");
    const QString association = oneAssociation ? chosenAssociation() : QString();
    lines << ListLines::title(app, campTitle) << blankLine;
    g.contarighe = QStringLiteral("0");
    // Counted in numbers and written to the shared count at each group's
    // total: a text count made anew at every line of a long list adds up.
    qint64 inGroup = 0;
    qint64 grandTotal = 0;
    const QString sql = oneAssociation ? Queries::volunteersOfAssociationByAssociationAndName
                                       : Queries::volunteersByAssociationAndName;
    const QVariantList parameters = oneAssociation ? QVariantList { association } : QVariantList();
    const std::optional<PresenceQuery> presence = presenceQuery();
    bool first = true;
    QString group;
    scanAll(
        g.esitovol, [&] { scanStep(app.Data4, g.esitovol, sql, parameters); },
        [&] {
            const Recordset& volunteer = app.Data4.recordset();
            const QString denom = volunteer.field(QStringLiteral("DENOM"));
            if (oneAssociation && denom != association)
                return;
            if (presence && !isPresent(presenceRecord(volunteer), *presence))
                return;
            if (first) {
                lines << denom;
                first = false;
            } else if (denom != group) {
                g.contarighe = QString::number(inGroup);
                lines << VolunteerLines::total(g.contarighe);
                inGroup = 0;
                lines << QStringLiteral(" ") << denom;
            }
            group = denom;
            lines << VolunteerLines::grouped(volunteer);
            ++inGroup;
            ++grandTotal;
        });
    g.contarighe = QString::number(inGroup);
    lines << VolunteerLines::total(g.contarighe) << QStringLiteral(" ")
          << VolunteerLines::grandTotal(QString::number(grandTotal));
}

void FormVolList::buildSimpleList(QStringList& lines)
{
    Globals& g = app.g;
    const QString association = formVolAssociation();
    lines << ListLines::title(app, campTitle) << blankLine;
    g.contarighe = QStringLiteral("0");
    scanAll(
        g.esitovol, [&] { leggivol(app); },
        [&] {
            const Recordset& volunteer = app.Data4.recordset();
            if (!association.isEmpty() && volunteer.field(QStringLiteral("DENOM")) != association)
                return;
            lines << VolunteerLines::simple(volunteer);
            g.contarighe = plusOne(g.contarighe);
        });
    lines << QStringLiteral(" ") << VolunteerLines::total(g.contarighe);
}

void FormVolList::cmdcercaClicked()
{
    const BusyPointer busy;
    Globals& g = app.g;
    ui->List1->clear();
    setWindowTitle(QStringLiteral("Elenco Volontari"));
    const QString wanted = ui->cerca->text().toUpper();
    QStringList lines { ListLines::title(app, campTitle), blankLine };
    g.contarighe = QStringLiteral("0");
    scanAll(
        g.esitovol, [&] { leggivol(app); },
        [&] {
            const Recordset& volunteer = app.Data4.recordset();
            if (!volunteer.field(QStringLiteral("COGNOME")).contains(wanted, Qt::CaseSensitive))
                return;
            lines << VolunteerLines::search(volunteer);
            g.contarighe = plusOne(g.contarighe);
        });
    lines << QStringLiteral(" ") << VolunteerLines::total(g.contarighe);
    ui->List1->addItems(lines);
}

void FormVolList::List1Clicked()
{
    Globals& g = app.g;
    const QString mode = g.modolistvol;
    auto* form = app.window<FormVol>();
    struct Pick
    {
        const char* listMode;
        const char* formMode;
        const char* label; // nullptr: left as it is
        bool actionShown;
    };
    static const Pick picks[] = {
        { "MV", "R", " Modifica di un volontario", true },
        { "AV", "C", " Cancellazione di un volontario", true },
        { "SV", "T", " Inserimento di un volontario", true },
        { "CV", "L", nullptr, false },
        { "GV", "V", nullptr, false },
        { "VA", "V", nullptr, false },
        { "PV", "V", nullptr, false },
    };
    if (mode == QLatin1String("VE")) {
        // A certificate for this volunteer is added to those chosen so far.
        g.modostampavol = QStringLiteral("V");
        stampavol(app, chosenAssociation(),
            ui->List1->currentItem() ? ui->List1->currentItem()->text() : QString());
        return;
    }
    for (const Pick& pick : picks) {
        if (mode != QLatin1String(pick.listMode))
            continue;
        g.modovol = QString::fromLatin1(pick.formMode);
        if (pick.label)
            form->setTitle(QString::fromUtf8(pick.label));
        const QString caption = mode == QLatin1String("MV") ? QStringLiteral("Modifica")
            : mode == QLatin1String("SV")                   ? QStringLiteral("Registra")
                                                            : QStringLiteral("Elimina");
        form->setActionButton(caption, pick.actionShown);
        form->setSurnameButtonVisible(pick.actionShown);
        hide();
        app.showWindow(form);
        return;
    }
}

void FormVolList::cmdstampaClicked()
{
    if (app.g.modolistvol == QLatin1String("VE")) {
        app.g.modostampavol = QStringLiteral("T");
        stampavol(app, chosenAssociation(), QString());
        return;
    }
    stampalista(app, ui->List1);
}

std::optional<PresenceQuery> FormVolList::presenceQuery() const
{
    if (app.g.modolistvol != QLatin1String("PV"))
        return std::nullopt;
    // The presence window's boxes, read as they stand; nothing asked for
    // while there is no presence window.
    return m_presenceSource ? m_presenceSource() : PresenceQuery {};
}

QString FormVolList::chosenAssociation() const
{
    // The line of the association clicked in the association list.
    return app.g.assscelta;
}
