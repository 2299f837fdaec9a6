#pragma once

#include <QString>
#include <QStringList>

// The lines of the specialist search: for each association an empty line
// and its name, then its volunteers (surname and name in 50 characters, six
// blanks, the specialization); at the end a line " " and the total. There
// is no title line.
class SpecialistLines
{
public:
    // A volunteer found; they come in association order, so a new name
    // starts a new group.
    void add(
        const QString& denom, const QString& surname, const QString& name, const QString& spec);
    // The lines so far with the closing total.
    QStringList finished() const;
    int count() const { return m_count; }

private:
    QStringList m_lines;
    QString m_group;
    int m_count = 0;
};
