#pragma once

#include "app/ostralewindow.h"

#include <memory>

class QComboBox;

namespace Ui {
class formcar;
}

// The vehicle gate window. Start-up fills its list of passage reasons.
class FormCar : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "formcar";

    FormCar(App& app, QWidget* parent);
    ~FormCar() override;

    QComboBox* cmbmot() const;

private:
    std::unique_ptr<Ui::formcar> ui;
};
