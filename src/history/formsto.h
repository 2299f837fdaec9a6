#pragma once

#include "app/ostralewindow.h"

#include <memory>

class QListWidget;

namespace Ui {
class formsto;
}

// The multiple entry from the history archive: the operator picks an
// association of the archive, ticks the volunteers who arrived, sets one
// arrival date and time and registers them all with "Inserimento multiplo".
class FormSto : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "formsto";

    FormSto(App& app, QWidget* parent);
    ~FormSto() override;

    void activate() override;

    QListWidget* List1() const;

private:
    void cmdcercaClicked();
    void Combo1Clicked();
    void cmdinsClicked();
    void addLine(const QString& text);

    std::unique_ptr<Ui::formsto> ui;
};
