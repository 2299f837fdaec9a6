#pragma once

#include "app/ostralewindow.h"
#include "platform/datacontrol.h"

#include <memory>

class QListWidget;
class VehicleGridModel;

namespace Ui {
class Formautolist;
}

// The vehicle list: the register as text lines grouped by association, with
// a total, narrowed by part of the description and printed; or the whole
// table `AUTO` as a grid, where a click on a row opens the vehicle in
// `Formauto` for a change.
class Formautolist : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "Formautolist";

    Formautolist(App& app, QWidget* parent);
    ~Formautolist() override;

    void activate() override;

    // What the menu sets before showing the window: the list, not the grid.
    void showListView();

    QListWidget* List1() const;

private:
    void buildList();
    void cmdgrigliaClicked();
    void DBGrid1Clicked();

    std::unique_ptr<Ui::Formautolist> ui;
    // The window's own connection to the register, feeding the grid.
    DataControl Data1;
    VehicleGridModel* m_grid = nullptr;
};
