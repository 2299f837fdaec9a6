#pragma once

#include "app/ostralewindow.h"

#include <memory>

namespace Ui {
class Formpresenti;
}

// Who was in the camp at a date and time, in one camp or in all: checks the
// date and time typed and hands over to the volunteer list in its presence
// mode ("PV"), which reads the three boxes as they stand while it builds the
// list. The window keeps what was typed; it has no activation logic.
class Formpresenti : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "Formpresenti";

    Formpresenti(App& app, QWidget* parent);
    ~Formpresenti() override;

private:
    void cmdelaboraClicked();

    std::unique_ptr<Ui::Formpresenti> ui;
};
