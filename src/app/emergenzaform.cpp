#include "emergenzaform.h"

#include "app.h"
#include "platform/textfile.h"
#include "ui_emergenzaform.h"

EmergenzaForm::EmergenzaForm(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::emergenzaform>())
{
    ui->setupUi(this);
    onClicked(ui->cmdok, &EmergenzaForm::cmdokClicked);
    // Enter confirms the name, as "OK" does.
    onEnter(ui->emergenzat, &EmergenzaForm::cmdokClicked);
    ui->emergenzat->setText(app.g.nomeemergenza);
}

EmergenzaForm::~EmergenzaForm() = default;

void EmergenzaForm::activate()
{
    ui->emergenzat->setText(app.g.nomeemergenza);
}

void EmergenzaForm::cmdokClicked()
{
    // Kept exactly as typed: leading blanks and an empty name included.
    app.g.nomeemergenza = ui->emergenzat->text();
    TextFile::writeLines(app.g.fileemergenza, { app.g.nomeemergenza });
    hide();
}
