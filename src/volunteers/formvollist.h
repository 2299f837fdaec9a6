#pragma once

#include "app/ostralewindow.h"
#include "presencerule.h"

#include <functional>
#include <memory>
#include <optional>

class QListWidget;

namespace Ui {
class formvollist;
}

// The volunteer list: grouped by association ("GV", "VA", "VE", "PV"),
// searched by surname ("CV"), or simple lists from which the volunteer form
// picks a volunteer to change ("MV"), delete ("AV") or register from the
// history archive ("SV"), as `modolistvol` says.
class FormVolList : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "formvollist";

    FormVolList(App& app, QWidget* parent);
    ~FormVolList() override;

    void activate() override;
    QListWidget* List1() const;
    // What the menu and the association list set before showing the list.
    void setSelectionPrintVisible(bool visible); // "Stampa selezionati"
    void setPrintCaption(const QString& caption);
    // Where the presence list ("PV") reads the date, time and camp asked for,
    // each time it builds the list: the presence window's boxes.
    void setPresenceSource(std::function<PresenceQuery()> source);

private:
    void buildHistoryList(QStringList& lines);
    void buildGroupedList(QStringList& lines);
    void buildSimpleList(QStringList& lines);
    void cmdcercaClicked();
    void List1Clicked();
    void cmdstampaClicked();
    QString formVolAssociation() const;
    // In the presence list: the date, time and camp asked for.
    std::optional<PresenceQuery> presenceQuery() const;
    // The association clicked in the association list.
    QString chosenAssociation() const;
    std::function<PresenceQuery()> m_presenceSource;

    std::unique_ptr<Ui::formvollist> ui;
    // The mode the shown list was built for: coming back in that mode with a
    // line selected keeps it; another mode gets its own list.
    QString m_builtMode;
};
