#pragma once

#include <QHash>
#include <QWidget>
#include <functional>
#include <type_traits>

class App;
class QAbstractButton;
class QAbstractItemView;
class QComboBox;
class QLineEdit;

// The base of every window of the program. Windows are created hidden the
// first time they are needed, hidden again by "Esci" or by the frame button,
// and never destroyed while the program runs, so they keep what the operator
// typed. activate() runs whenever the window becomes the active one coming
// from another of our windows, or is shown by the program; not when a
// message box it opened itself closes.
//
// Event handlers are wired with the on...() hookups below, and only with
// them: each runs its handler inside handle(), so an unexpected failure is
// shown to the operator and never escapes into the event loop. A handler is
// a method of the window (&Formass::cmdassesciClicked) or any callable.
class OstraleWindow : public QWidget
{
    Q_OBJECT

public:
    OstraleWindow(App& app, const QString& name, QWidget* parent = nullptr);

    virtual void activate() { }

    // The lose-focus event of a control wired with onLeave(); other controls
    // have none. The platform's focus events and the scenario runner both
    // come here.
    void controlLeft(QWidget* control);

    // Runs an event handler: an unexpected failure is shown as
    // "Errore N description" and the operation stops there.
    void handle(const std::function<void()>& handler);

protected:
    App& app;

    // A click on a button.
    template <typename H> void onClicked(QAbstractButton* button, H handler)
    {
        wireClicked(button, bind(handler));
    }
    // A button that writes the clock's date and time into two boxes, or its
    // time only when `date` is null.
    void onNowClicked(QAbstractButton* button, QLineEdit* date, QLineEdit* time);
    // A pick from a combo box's drop-down list, by mouse or keyboard. Typing
    // a text that matches an item, or leaving the box, is not a pick.
    template <typename H> void onPicked(QComboBox* combo, H handler)
    {
        wirePicked(combo, bind(handler));
    }
    // A click on a line of a list box or a row of a grid.
    template <typename H> void onListPick(QAbstractItemView* view, H handler)
    {
        wireListPick(view, bind(handler), false);
    }
    // A double click on a line of a list box or a row of a grid.
    template <typename H> void onDoubleClicked(QAbstractItemView* view, H handler)
    {
        wireListPick(view, bind(handler), true);
    }
    // Every change of the text, typed or set by the program.
    template <typename H> void onTextChanged(QLineEdit* box, H handler)
    {
        wireTextChanged(box, bind(handler));
    }
    template <typename H> void onTextChanged(QComboBox* combo, H handler)
    {
        wireTextChanged(combo, bind(handler));
    }
    // Enter pressed in a text box.
    template <typename H> void onEnter(QLineEdit* box, H handler) { wireEnter(box, bind(handler)); }
    // The operator leaving the control (its lose-focus event).
    template <typename H> void onLeave(QWidget* control, H handler)
    {
        wireLeave(control, bind(handler));
    }

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    template <typename M> struct MemberOf;
    template <typename C> struct MemberOf<void (C::*)()>
    {
        using Class = C;
    };
    template <typename H> std::function<void()> bind(H handler)
    {
        if constexpr (std::is_member_function_pointer_v<H>) {
            using Window = typename MemberOf<H>::Class;
            return [this, handler] { (static_cast<Window*>(this)->*handler)(); };
        } else {
            return std::function<void()>(std::move(handler));
        }
    }

    void wireClicked(QAbstractButton* button, std::function<void()> handler);
    void wirePicked(QComboBox* combo, std::function<void()> handler);
    void wireListPick(QAbstractItemView* view, std::function<void()> handler, bool doubleClick);
    void wireTextChanged(QLineEdit* box, std::function<void()> handler);
    void wireTextChanged(QComboBox* combo, std::function<void()> handler);
    void wireEnter(QLineEdit* box, std::function<void()> handler);
    void wireLeave(QWidget* control, std::function<void()> handler);

    // Lose-focus handlers by control, and the inner text box of an editable
    // combo (which holds the focus for it) mapped to its combo.
    QHash<QWidget*, std::function<void()>> m_leaveHandlers;
    QHash<QObject*, QWidget*> m_leaveOwners;
};
