#include "filedialog.h"

#include "busypointer.h"

#include <QFileDialog>

QString FileDialog::nextAnswer()
{
    if (m_answers.isEmpty()) {
        ++m_unanswered;
        return QString();
    }
    return m_answers.takeFirst();
}

QString FileDialog::getOpenFileName(const QString& title, const QString& folder, const QString& filter)
{
    ++m_asked;
    if (m_recording)
        return nextAnswer();
    BusyPointer::Pause normalPointer;
    return QFileDialog::getOpenFileName(m_parent, title, folder, filter);
}

QString FileDialog::getSaveFileName(const QString& title, const QString& suggested, const QString& filter)
{
    ++m_asked;
    if (m_recording)
        return nextAnswer();
    BusyPointer::Pause normalPointer;
    return QFileDialog::getSaveFileName(m_parent, title, suggested, filter);
}
