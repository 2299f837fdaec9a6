#include "messagebox.h"

#include "busypointer.h"

#include <QMessageBox>

MessageBox::Answer MessageBox::show(const QString& text, Buttons buttons, const QString& title)
{
    const QString caption = title.isEmpty() ? defaultTitle() : title;
    m_shown << Shown { text, buttons, caption };
    if (m_recording) {
        // A box with only OK needs no answer: it takes a queued one only
        // when that answer is OK, so the questions after it get theirs.
        if (buttons == Ok) {
            if (!m_answers.isEmpty() && m_answers.first() == AnswerOk)
                m_answers.removeFirst();
            return AnswerOk;
        }
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        m_unanswered << text;
        return buttons == YesNo ? AnswerNo : AnswerCancel;
    }

    // The operator must be able to click the box even while an operation
    // holds the hourglass.
    BusyPointer::Pause normalPointer;
    QMessageBox box(m_parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (buttons) {
    case Ok:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case OkCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case YesNo:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return AnswerYes;
    case QMessageBox::No:
        return AnswerNo;
    case QMessageBox::Cancel:
        return AnswerCancel;
    default:
        return buttons == Ok ? AnswerOk : (buttons == YesNo ? AnswerNo : AnswerCancel);
    }
}
