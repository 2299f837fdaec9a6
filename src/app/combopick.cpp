#include "combopick.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QTimer>

ComboPick::ComboPick(QComboBox* combo)
    : QObject(combo)
    , m_combo(combo)
{
    // The drop-down list filters its own events and turns a release or an
    // Enter into the combo's selection. Filters run last-installed first, so
    // installing ours after the list exists lets it see the event before the
    // selection it causes.
    QAbstractItemView* list = combo->view();
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    connect(combo, &QComboBox::activated, this, [this] {
        if (!m_picking)
            return;
        m_picking = false;
        emit picked();
    });
}

bool ComboPick::eventFilter(QObject* watched, QEvent* event)
{
    bool mayPick = false;
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        mayPick = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        mayPick = key == Qt::Key_Return || key == Qt::Key_Enter;
        break;
    }
    default:
        break;
    }
    if (mayPick && !m_picking) {
        // The selection follows within this same event, or not at all.
        m_picking = true;
        QTimer::singleShot(0, this, [this] { m_picking = false; });
    }
    return QObject::eventFilter(watched, event);
}
