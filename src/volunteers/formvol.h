#pragma once

#include "app/ostralewindow.h"
#include "historyregistration.h"

#include <memory>
#include <optional>

class QComboBox;

namespace Ui {
class formvol;
}

// The volunteer form: insert by hand ("I"), from the history archive ("S",
// then "T"), by badge barcode ("B"); change ("M", "R"), delete ("A", "C"),
// or show ("L", "V") a volunteer picked in the volunteer list, as `modovol`
// says when the window is activated.
class FormVol : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "formvol";

    FormVol(App& app, QWidget* parent);
    ~FormVol() override;

    void activate() override;

    QComboBox* cmbass() const;
    // What the menu and the volunteer list set before showing the form.
    void setTitle(const QString& label1);
    void setActionButton(const QString& caption, bool visible);
    void setSurnameButtonVisible(bool visible);
    void setAssociationSearchVisible(bool visible);
    // The barcode box and its label.
    void setBarcodeVisible(bool visible);

private:
    void loadPickedVolunteer(const QString& notFoundMessage);
    void loadPickedHistoryRecord();
    void prepareInsertFromHistory();
    void prepare();

    void cmbassClicked();
    void cmdcercaassClicked();
    void cmdcognomeClicked();
    void cmdregistraClicked();
    void codbarChanged();
    void codbarLeft();
    void lookUpBadge(bool registerAtOnce);

    bool checkFields();
    void insertVolunteer();
    void insertFromHistory();
    void insertByHand();
    ArrivalRecord arrival() const;
    void deleteVolunteer();
    void changeVolunteer();
    void afterSaving();
    void forgetVolunteerList();
    bool findLoadedVolunteer();
    void clearPersonFields();
    void clearForArrival();
    QString selectedListLine() const;

    std::unique_ptr<Ui::formvol> ui;
    // The volunteer loaded by a pick in the list: the only one "Modifica" and
    // "Elimina" may act on.
    QString m_loadedCode;
    // The number the counter gave the form (the operator may type another).
    QString m_counted;
    // The history record a history or badge insert registers.
    std::optional<HistoryKey> m_history;
};
