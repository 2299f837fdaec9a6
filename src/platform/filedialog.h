#pragma once

#include <QList>
#include <QString>

class QWidget;

// The open and save dialogs. Tests queue the answers: a file name, or a
// cancel (an empty name).
class FileDialog
{
public:
    // An empty result means the operator cancelled.
    QString getOpenFileName(const QString& title, const QString& folder, const QString& filter);
    QString getSaveFileName(const QString& title, const QString& suggested, const QString& filter);

    void setParentWindow(QWidget* parent) { m_parent = parent; }

    // Test seam.
    void setRecording(bool recording) { m_recording = recording; }
    void queueFileName(const QString& name) { m_answers << name; }
    void queueCancel() { m_answers << QString(); }
    int asked() const { return m_asked; }
    int unanswered() const { return m_unanswered; }

private:
    QString nextAnswer();

    QWidget* m_parent = nullptr;
    bool m_recording = false;
    QList<QString> m_answers;
    int m_asked = 0;
    int m_unanswered = 0;
};
