#pragma once

#include "app/ostralewindow.h"

#include <memory>

namespace Ui {
class formspeclist;
}

// The volunteers of the emergency whose specialization contains a text,
// grouped by association, with their total; printable.
class FormSpecList : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "formspeclist";

    FormSpecList(App& app, QWidget* parent);
    ~FormSpecList() override;

    void activate() override;

private:
    void cmdcercaClicked();

    std::unique_ptr<Ui::formspeclist> ui;
};
