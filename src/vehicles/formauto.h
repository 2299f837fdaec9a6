#pragma once

#include "app/ostralewindow.h"

#include <memory>

namespace Ui {
class Formauto;
}

// The vehicle register: insert ("I"), change ("M") or delete ("A") one
// vehicle of an association, as `modoauto` says when the window is
// activated. "G" is the vehicle list's pick: the vehicle named in the
// association and description boxes is loaded for a change.
class Formauto : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "Formauto";

    Formauto(App& app, QWidget* parent);
    ~Formauto() override;

    void activate() override;

    // What the menu sets before showing the window: its mode, caption and
    // action button.
    void prepareFor(const QString& mode, const QString& caption, const QString& button);
    // What the vehicle list sets for a picked vehicle: loaded for a change at
    // the next activation.
    void prepareForPicked(const QString& denom, const QString& descr);

private:
    void fillStates();
    void clearForNewOperation();
    void cmdcercaassClicked();
    void cmbassClicked();
    void cmbdesClicked();
    void cmdregistraClicked();

    void fillDescriptions();
    bool inputIsValid();
    bool refuse(const QString& message);
    void insertVehicle();
    void changeVehicle();
    void deleteVehicle();
    // Puts the vehicle loaded by the last choice of a description back on
    // Data6; false (and the operator told) when there is none any more.
    bool findLoadedVehicle();
    void writeFields();
    void prepareNextVehicle();

    std::unique_ptr<Ui::Formauto> ui;
    // The DENOM and DESCR of the vehicle loaded by choosing a description or
    // by the list's pick, as stored; empty when none is loaded. "Modifica"
    // and "Elimina" act on that vehicle only.
    QString m_loadedDenom;
    QString m_loadedDescr;
    bool m_loaded = false;
};
