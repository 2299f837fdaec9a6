#pragma once

#include "app/ostralewindow.h"

#include <QList>
#include <memory>

class QLineEdit;

namespace Ui {
class formsetpass;
}

// "Setup stampa pass": the vertical position of each of the four printed rows
// of each of the four badges on a sheet, kept in setpass.prm. Nothing typed
// is checked; printing reads the values as numbers.
class FormSetPass : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "formsetpass";

    FormSetPass(App& app, QWidget* parent);
    ~FormSetPass() override;

    void activate() override;

private:
    void cmddefaultClicked();
    void cmdmodificaClicked();

    // sr11 ... sr44 in the file's order: position 1 rows 1 to 4, position 2, ...
    QList<QLineEdit*> boxes() const;
    void showValues(const QStringList& values);

    std::unique_ptr<Ui::formsetpass> ui;
};
