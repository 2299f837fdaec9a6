#pragma once

#include "app/ostralewindow.h"

#include <memory>

class QListWidget;

namespace Ui {
class formlist;
}

// The association list: plain ("AL"), with the number of volunteers and a
// total ("IA"), or to choose an association whose volunteers are listed
// ("AV") or whose volunteer certificates are printed ("EV"), as
// `modolistass` says. A click hands the association on.
class FormList : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "formlist";

    FormList(App& app, QWidget* parent);
    ~FormList() override;

    void activate() override;
    QListWidget* List1() const;

private:
    void buildList(bool filtered);
    void cmdcercaClicked();
    void List1Clicked();
    void cmdstampaClicked();

    std::unique_ptr<Ui::formlist> ui;
    // Whether the lines shown carry the number of volunteers (the full list
    // in mode "IA").
    bool m_withCounts = false;
};
