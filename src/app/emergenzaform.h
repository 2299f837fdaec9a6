#pragma once

#include "ostralewindow.h"

#include <memory>

namespace Ui {
class emergenzaform;
}

// The name of the emergency in progress, printed in front of every list
// title. Shown at the first activation of the main window and from the menu.
class EmergenzaForm : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "emergenzaform";

    EmergenzaForm(App& app, QWidget* parent);
    ~EmergenzaForm() override;

    void activate() override;

private:
    void cmdokClicked();

    std::unique_ptr<Ui::emergenzaform> ui;
};
