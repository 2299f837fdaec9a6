#pragma once

#include "app/ostralewindow.h"

#include <memory>

namespace Ui {
class formpartenza;
}

// The departure of an association, or of all of them: its volunteers and
// vehicles still in the camp get the departure date and time typed.
class FormPartenza : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "formpartenza";

    FormPartenza(App& app, QWidget* parent);
    ~FormPartenza() override;

    void activate() override;

private:
    void cmdelaboraClicked();

    std::unique_ptr<Ui::formpartenza> ui;
};
