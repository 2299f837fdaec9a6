#include "ostralewindow.h"

#include "app.h"
#include "combopick.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

OstraleWindow::OstraleWindow(App& app, const QString& name, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , app(app)
{
    setObjectName(name);
}

void OstraleWindow::handle(const std::function<void()>& handler)
{
    app.runHandler(handler);
}

void OstraleWindow::controlLeft(QWidget* control)
{
    const auto found = m_leaveHandlers.constFind(control);
    if (found != m_leaveHandlers.cend())
        found.value()();
}

void OstraleWindow::wireClicked(QAbstractButton* button, std::function<void()> handler)
{
    connect(button, &QAbstractButton::clicked, this, [this, handler] { handle(handler); });
}

void OstraleWindow::wirePicked(QComboBox* combo, std::function<void()> handler)
{
    auto* pick = new ComboPick(combo);
    connect(pick, &ComboPick::picked, this, [this, handler] { handle(handler); });
}

void OstraleWindow::wireListPick(
    QAbstractItemView* view, std::function<void()> handler, bool doubleClick)
{
    if (doubleClick)
        connect(
            view, &QAbstractItemView::doubleClicked, this, [this, handler] { handle(handler); });
    else
        connect(view, &QAbstractItemView::clicked, this, [this, handler] { handle(handler); });
}

void OstraleWindow::wireTextChanged(QLineEdit* box, std::function<void()> handler)
{
    connect(box, &QLineEdit::textChanged, this, [this, handler] { handle(handler); });
}

void OstraleWindow::wireTextChanged(QComboBox* combo, std::function<void()> handler)
{
    connect(combo, &QComboBox::editTextChanged, this, [this, handler] { handle(handler); });
}

void OstraleWindow::wireEnter(QLineEdit* box, std::function<void()> handler)
{
    connect(box, &QLineEdit::returnPressed, this, [this, handler] { handle(handler); });
}

void OstraleWindow::wireLeave(QWidget* control, std::function<void()> handler)
{
    m_leaveHandlers.insert(control, std::move(handler));
    control->installEventFilter(this);
    // The text box inside an editable combo holds the focus for it.
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) {
        combo->lineEdit()->installEventFilter(this);
        m_leaveOwners.insert(combo->lineEdit(), combo);
    }
}

bool OstraleWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        app.nativeWindowActivated(this);
    return QWidget::event(event);
}

bool OstraleWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && app.followsNativeEvents()) {
        auto* control = m_leaveOwners.value(watched, qobject_cast<QWidget*>(watched));
        // A focus lost to a popup of the same control (a combo's list) or to
        // another application is not the operator leaving the control.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (control && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            handle([this, control] { controlLeft(control); });
    }
    return QWidget::eventFilter(watched, event);
}

void OstraleWindow::closeEvent(QCloseEvent* event)
{
    // The frame button only hides the window, as "Esci" does.
    event->ignore();
    hide();
}

void OstraleWindow::onNowClicked(QAbstractButton* button, QLineEdit* date, QLineEdit* time)
{
    onClicked(button, [this, date, time] {
        if (date)
            date->setText(app.clock().dateText());
        time->setText(app.clock().timeText());
    });
}
