#pragma once

#include "app/ostralewindow.h"

#include <memory>

namespace Ui {
class Formspec;
}

// The specializations file shown and edited as one text, one item a line;
// "Aggiorna" saves it, "Stampa" prints it.
class FormSpec : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "Formspec";

    FormSpec(App& app, QWidget* parent);
    ~FormSpec() override;

    void activate() override;

private:
    void cmdaggiornaClicked();
    void cmdstampaClicked();

    std::unique_ptr<Ui::Formspec> ui;
};
