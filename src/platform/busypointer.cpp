#include "busypointer.h"

#include <QApplication>
#include <QCursor>

// Inside an operation that already shows the hourglass (a scan's every step
// asks for it) nothing is stacked: setting the pointer reaches every window,
// which at a hundred thousand rows costs more than the rows.
BusyPointer::BusyPointer()
{
    if (qApp && !QApplication::overrideCursor()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_set = true;
    }
}

BusyPointer::~BusyPointer()
{
    if (m_set && QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

bool BusyPointer::isBusy()
{
    return qApp && QApplication::overrideCursor() != nullptr;
}

BusyPointer::Pause::Pause()
{
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
        ++m_suspended;
    }
}

BusyPointer::Pause::~Pause()
{
    for (int i = 0; i < m_suspended; ++i)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}
