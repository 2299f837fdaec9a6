#pragma once

#include <QDateTime>
#include <QString>

// Today and now. Tests fix them.
class Clock
{
public:
    QDateTime current() const;
    QString dateText() const; // "DD/MM/YYYY"
    QString timeText() const; // "hh:mm", 24-hour

    void fix(const QDateTime& moment) { m_fixed = moment; }
    void release() { m_fixed = QDateTime(); }

private:
    QDateTime m_fixed;
};
