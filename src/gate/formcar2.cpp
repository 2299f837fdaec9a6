#include "formcar2.h"

#include "app/app.h"
#include "formcar.h"
#include "passagemodel.h"
#include "platform/busypointer.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "store/gatequeries.h"
#include "ui_formcar2.h"

#include <QHeaderView>
#include <QSet>
#include <utility>
#include <vector>

namespace {

// The distinct values of one field, first seen first. A set answers "already
// there?", so a long log fills its combos in one pass.
struct DistinctValues
{
    const char* field;
    QComboBox* combo;
    QStringList values;
    QSet<QString> seen;

    void add(const QString& value)
    {
        if (!seen.contains(value)) {
            seen.insert(value);
            values << value;
        }
    }
};

} // namespace

FormCar2::FormCar2(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::Formcar2>())
{
    ui->setupUi(this);
    m_grid = new PassageModel(Data1, this);
    ui->DBGrid1->setModel(m_grid);
    ui->DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    onClicked(ui->cmdcerca, &FormCar2::cmdcercaClicked);
    onClicked(ui->cmdazzera, &FormCar2::cmdazzeraClicked);
    onClicked(ui->cmdreg, &FormCar2::cmdregClicked);
    onClicked(ui->cmdesci, [this] { hide(); });
}

FormCar2::~FormCar2() = default;

void FormCar2::activate()
{
    const BusyPointer busy;
    fillCriteria();
}

void FormCar2::fillCriteria()
{
    std::vector<DistinctValues> criteria;
    criteria.push_back({ "DATAIN", ui->cmbdatain, {}, {} });
    criteria.push_back({ "ORAIN", ui->cmborain, {}, {} });
    criteria.push_back({ "DATAOUT", ui->cmbdataout, {}, {} });
    criteria.push_back({ "ORAOUT", ui->cmboraout, {}, {} });
    criteria.push_back({ "COGNOME", ui->cmbcono, {}, {} });
    criteria.push_back({ "MOTIVAZIONE", ui->cmbmotivo, {}, {} });
    DistinctValues& reasons = criteria.back();

    // The file's reasons come first, as they are, repeats included; a
    // missing file is reported and the reasons found in the log still fill
    // the list.
    try {
        reasons.values = TextFile::readItems(app.g.filemotivi);
        reasons.seen = QSet<QString>(reasons.values.cbegin(), reasons.values.cend());
    } catch (const OstraleError& error) {
        app.say(errorText(error));
    }

    Data1.setRecordSource(GateQueries::passagesByEntry);
    Data1.refresh();
    for (Recordset& record = Data1.recordset(); !record.eof(); record.moveNext())
        for (DistinctValues& criterion : criteria)
            criterion.add(record.field(QString::fromLatin1(criterion.field)));
    for (DistinctValues& criterion : criteria) {
        criterion.combo->clear();
        criterion.combo->addItems(criterion.values);
        criterion.combo->setCurrentIndex(-1);
    }
    // The grid shows every passage, in the same order, until the first search.
    m_grid->reload();
}

void FormCar2::cmdcercaClicked()
{
    const std::pair<QComboBox*, const char*> criteria[] = {
        { ui->cmbcono, "COGNOME" },
        { ui->cmbdatain, "DATAIN" },
        { ui->cmborain, "ORAIN" },
        { ui->cmbdataout, "DATAOUT" },
        { ui->cmboraout, "ORAOUT" },
        { ui->cmbmotivo, "motivazione" },
    };
    QString field;
    QString value;
    int chosen = 0;
    for (const auto& [combo, name] : criteria) {
        if (combo->currentText().isEmpty())
            continue;
        ++chosen;
        field = QString::fromLatin1(name);
        value = combo->currentText();
    }
    if (chosen > 1) {
        app.say(QStringLiteral("Scegliere un criterio alla volta."));
        return;
    }
    const BusyPointer busy;
    if (chosen == 0)
        Data1.setRecordSource(GateQueries::passagesByName);
    else
        Data1.setRecordSource(GateQueries::passagesWhereByName(field), { value });
    m_grid->reload();
}

void FormCar2::cmdazzeraClicked()
{
    for (QComboBox* combo :
        { ui->cmbdatain, ui->cmborain, ui->cmbdataout, ui->cmboraout, ui->cmbcono, ui->cmbmotivo })
        combo->setEditText(QString());
}

void FormCar2::cmdregClicked()
{
    hide();
    app.showWindow(app.window<FormCar>());
}
