#include "formspec.h"

#include "app/app.h"
#include "platform/busypointer.h"
#include "specializations.h"
#include "ui_formspec.h"

FormSpec::FormSpec(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::Formspec>())
{
    ui->setupUi(this);
    ui->textspec->setFont(QFont(QStringLiteral("Courier New"), 10));
    onClicked(ui->cmdaggiorna, &FormSpec::cmdaggiornaClicked);
    onClicked(ui->cmdstampa, &FormSpec::cmdstampaClicked);
    onClicked(ui->cmdesci, [this] { hide(); });
}

FormSpec::~FormSpec() = default;

void FormSpec::activate()
{
    const BusyPointer busy;
    // One item a line, each ended by a line end, as the file is read item
    // by item: a line holding commas shows as several lines.
    QString text;
    for (const QString& item : leggispec(app))
        text += item + QLatin1Char('\n');
    ui->textspec->setPlainText(text);
}

void FormSpec::cmdaggiornaClicked()
{
    scrivispec(app, ui->textspec->toPlainText());
    app.say(QStringLiteral("Archivio specializzazioni aggiornato."));
}

void FormSpec::cmdstampaClicked()
{
    QStringList lines = ui->textspec->toPlainText().split(QLatin1Char('\n'));
    // The line end after the last item ends that line; it starts no empty one.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    stampalinee(app, lines);
}
