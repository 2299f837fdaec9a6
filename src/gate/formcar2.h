#pragma once

#include "app/ostralewindow.h"
#include "platform/datacontrol.h"

#include <memory>

class PassageModel;

namespace Ui {
class Formcar2;
}

// The search of the gate passages: one criterion at a time, each offered
// with the values found in CAR, and the passages found in a read-only grid.
// It has a connection of its own on car.mdb and never writes.
class FormCar2 : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "Formcar2";

    FormCar2(App& app, QWidget* parent);
    ~FormCar2() override;

    void activate() override;

private:
    void fillCriteria();
    void cmdcercaClicked();
    void cmdazzeraClicked();
    void cmdregClicked();

    std::unique_ptr<Ui::Formcar2> ui;
    DataControl Data1 { QStringLiteral("Data1"), QStringLiteral("car.mdb"), QStringLiteral("CAR"),
        QStringLiteral("CAR") };
    PassageModel* m_grid = nullptr;
};
