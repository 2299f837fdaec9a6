#include "formcar.h"

#include "ui_formcar.h"

FormCar::FormCar(App& app, QWidget* parent)
    : OstraleWindow(app, QString::fromLatin1(Name), parent)
    , ui(std::make_unique<Ui::formcar>())
{
    ui->setupUi(this);
}

FormCar::~FormCar() = default;

QComboBox* FormCar::cmbmot() const
{
    return ui->cmbmot;
}
