#pragma once

#include <QString>
#include <QStringList>

// Starts the outside programs (the certificate printers) by name, detached,
// with no arguments, in the program folder: first the one beside our own
// executable, then the one on the PATH. Tests record the starts instead.
class Programs
{
public:
    void start(const QString& name);

    void setRecording(bool recording) { m_recording = recording; }
    // Names started since the last call.
    QStringList takeStarted();

private:
    bool m_recording = false;
    QStringList m_started;
};
