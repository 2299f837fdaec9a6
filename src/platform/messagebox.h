#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// Every message to the operator is a modal box with an exact text. Tests
// switch the box to recording: answers are queued beforehand, and every box
// shown is logged instead of waiting for a click.
class MessageBox
{
public:
    enum Buttons { Ok, OkCancel, YesNo };
    enum Answer { AnswerOk, AnswerCancel, AnswerYes, AnswerNo };

    struct Shown
    {
        QString text;
        Buttons buttons;
        QString title;
    };

    static QString defaultTitle() { return QStringLiteral("Ostrale"); }

    Answer show(const QString& text, Buttons buttons = Ok, const QString& title = QString());

    // The window the boxes belong to, so they appear above it.
    void setParentWindow(QWidget* parent) { m_parent = parent; }

    // Test seam.
    void setRecording(bool recording) { m_recording = recording; }
    bool isRecording() const { return m_recording; }
    void queueAnswer(Answer answer) { m_answers << answer; }
    int queuedAnswers() const { return int(m_answers.size()); }
    const QList<Shown>& shown() const { return m_shown; }
    // Questions that found no queued answer (they were answered No / Cancel).
    QStringList unansweredQuestions() const { return m_unanswered; }

private:
    QWidget* m_parent = nullptr;
    bool m_recording = false;
    QList<Answer> m_answers;
    QList<Shown> m_shown;
    QStringList m_unanswered;
};
