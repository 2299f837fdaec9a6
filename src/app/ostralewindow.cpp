#include "ostralewindow.h"

#include "app.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QLabel>

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

void OstraleWindow::setControlVisible(const QString& control, bool visible)
{
    if (auto* widget = findChild<QWidget*>(control))
        widget->setVisible(visible);
}

void OstraleWindow::setControlText(const QString& control, const QString& text)
{
    QWidget* widget = findChild<QWidget*>(control);
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
}

void OstraleWindow::setControlToolTip(const QString& control, const QString& tip)
{
    if (auto* widget = findChild<QWidget*>(control))
        widget->setToolTip(tip);
}

void OstraleWindow::watchLeave(QWidget* control)
{
    control->installEventFilter(this);
    // The text box inside an editable combo holds the focus for it.
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) {
        combo->lineEdit()->installEventFilter(this);
        m_leaveOwners.insert(combo->lineEdit(), combo);
    }
}

void OstraleWindow::connectClick(QWidget* button, std::function<void()> handler)
{
    auto* clickable = qobject_cast<QAbstractButton*>(button);
    Q_ASSERT(clickable);
    connect(clickable, &QAbstractButton::clicked, this, [this, handler] { handle(handler); });
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
