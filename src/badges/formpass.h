#pragma once

#include "app/ostralewindow.h"

#include <memory>

class QComboBox;

namespace Ui {
class formpass;
}

// "Stampa Pass": queues the badges of volunteers picked one at a time and
// prints them four to a sheet or one to a sheet, or prints those of a whole
// association. The queue is emptied at every activation.
class FormPass : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "formpass";

    FormPass(App& app, QWidget* parent);
    ~FormPass() override;

    void activate() override;

private:
    void cmbassClicked();
    void cmbvolClicked();
    void cmdpassassClicked();
    void cmdpassvolClicked();
    void cmdpasssingClicked();

    std::unique_ptr<Ui::formpass> ui;
};
