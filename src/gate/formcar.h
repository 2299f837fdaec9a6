#pragma once

#include "app/ostralewindow.h"
#include "passages.h"

#include <memory>

class QComboBox;

namespace Ui {
class formcar;
}

// The vehicle gate's registration window: each volunteer passing through
// the gate is recalled by his code, and his entry or exit is logged in CAR;
// two lists show the passages still waiting for their other half.
// Start-up fills its list of passage reasons.
class FormCar : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "formcar";

    FormCar(App& app, QWidget* parent);
    ~FormCar() override;

    void activate() override;
    QComboBox* cmbmot() const;

    // Rebuilds the lists of open entries and exits and their counts.
    void aggiornaliste();

private:
    // Who asks for the code recall: the operator's typing (or a pick) gets
    // the date and time and the "not found" message; the window's activation
    // and a registration only read the volunteer again.
    enum class Recall { Typed, Activation, Registration };

    void fillAssociationsAndVolunteers();
    bool recallCode(Recall caller);
    void assignCode(const QString& code);
    void cmbassClicked();
    void cmbconoClicked();
    void cmddataClicked();
    void cmdoraClicked();
    void registerPassage(Passages::Direction direction);
    void reloadOpenPassage(bool entry);
    void cmdazzeraClicked();
    void cmdcercaClicked();
    void stampNow(bool withDate);
    void showDeparture(const QString& departureDate);

    std::unique_ptr<Ui::formcar> ui;
};
