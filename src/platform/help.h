#pragma once

#include <QPointer>

class QWidget;

// Opens the Italian user manual in a window of its own, with the search box
// ready (the manual is built into the program, so it is never missing).
class Help
{
public:
    ~Help();
    void open();

    void setRecording(bool recording) { m_recording = recording; }
    int timesOpened() const { return m_opened; }

private:
    bool m_recording = false;
    int m_opened = 0;
    QPointer<QWidget> m_window;
};
