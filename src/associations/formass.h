#pragma once

#include "app/ostralewindow.h"

#include <memory>

namespace Ui {
class Formass;
}

// The association register: insert ("I"), modify ("M"), delete with the
// association's volunteers and vehicles ("A"), hand the certificate to the
// certificate program ("E"), or show one association read-only ("L"), as
// `modoass` says when the window is activated.
class Formass : public OstraleWindow
{
    Q_OBJECT

public:
    static constexpr const char* Name = "Formass";

    Formass(App& app, QWidget* parent);
    ~Formass() override;

    void activate() override;

    // What the menu and the association list set before showing the window.
    void setTitle(const QString& label1);
    void setActionButton(const QString& caption, bool visible);
    void hideActionButton();

private:
    // The code the counter gave the form (the operator may type another).
    QString m_counted;

    void prepare();
    void loadClickedAssociation();
    void cmbassdenomClicked();
    void cmbassdenomLeft();
    void cmdcercaassClicked();
    void cmdassregistraClicked();
    void cmdassesciClicked();

    void insertAssociation();
    void modifyAssociation();
    void deleteAssociation();
    void printCertificate();

    void writeFields(const QString& code);
    void showAssociation(bool withCode);
    void clearFields();
    // Deletes every record a scan by `denomass` finds, after asking; false
    // when the operator refused.
    bool deleteAll(void (*scan)(class Registers&), QString& status, class DataControl& data,
        const QString& question);
    QString denomination() const;

    std::unique_ptr<Ui::Formass> ui;
    // The association last loaded by a click on the name list: only its code
    // may be changed by "Modifica".
    QString m_loadedDenom;
};
