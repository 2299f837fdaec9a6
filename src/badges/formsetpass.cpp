#include "formsetpass.h"

#include "app/app.h"
#include "setpassfile.h"
#include "ui_formsetpass.h"

FormSetPass::FormSetPass(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::formsetpass>())
{
    ui->setupUi(this);
    onClicked(ui->cmddefault, &FormSetPass::cmddefaultClicked);
    onClicked(ui->cmdmodifica, &FormSetPass::cmdmodificaClicked);
    onClicked(ui->cmdesci, &QWidget::hide);
}

FormSetPass::~FormSetPass() = default;

QList<QLineEdit*> FormSetPass::boxes() const
{
    return { ui->sr11, ui->sr12, ui->sr13, ui->sr14, ui->sr21, ui->sr22, ui->sr23, ui->sr24,
        ui->sr31, ui->sr32, ui->sr33, ui->sr34, ui->sr41, ui->sr42, ui->sr43, ui->sr44 };
}

void FormSetPass::showValues(const QStringList& values)
{
    const QList<QLineEdit*> all = boxes();
    for (int i = 0; i < all.size(); ++i)
        all[i]->setText(values.value(i));
}

void FormSetPass::activate()
{
    showValues(SetPass::readFirstRecord(app.g.filesetpass));
}

void FormSetPass::cmddefaultClicked()
{
    showValues(SetPass::defaultTexts());
}

void FormSetPass::cmdmodificaClicked()
{
    QStringList texts;
    for (const QLineEdit* box : boxes())
        texts << box->text();
    SetPass::write(app.g.filesetpass, texts);
}
