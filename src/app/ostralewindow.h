#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

class App;

// The base of every window of the program. Windows are created hidden the
// first time they are needed, hidden again by "Esci" or by the frame button,
// and never destroyed while the program runs, so they keep what the operator
// typed. activate() runs whenever the window becomes the active one coming
// from another of our windows, or is shown by the program; not when a
// message box it opened itself closes.
class OstraleWindow : public QWidget
{
    Q_OBJECT

public:
    OstraleWindow(App& app, const QString& name, QWidget* parent = nullptr);

    virtual void activate() {}
    // The lose-focus event of one of the controls registered with watchLeave().
    virtual void controlLeft(QWidget* control) { Q_UNUSED(control); }

    // What menus and lists set on a window before showing it.
    void setControlVisible(const QString& control, bool visible);
    void setControlText(const QString& control, const QString& text);
    void setControlToolTip(const QString& control, const QString& tip);

    // Runs an event handler: an unexpected failure is shown as
    // "Errore N description" and the operation stops there.
    void handle(const std::function<void()>& handler);

protected:
    App& app;

    void watchLeave(QWidget* control);
    // Connects a button's click to a handler run through handle().
    template <typename W> void onClicked(QWidget* button, void (W::*handler)())
    {
        connectClick(button, [this, handler] { (static_cast<W*>(this)->*handler)(); });
    }

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QHash<QObject*, QWidget*> m_leaveOwners;
    void connectClick(QWidget* button, std::function<void()> handler);
};
