#pragma once

#include <QRandomGenerator>
#include <QString>

// Italian-looking people, places and associations for the benchmark's
// archives. A fixed seed gives the same archives on every run, so figures
// from two runs compare.
class SyntheticData
{
public:
    struct Place
    {
        QString city;
        QString province;
        QString postCode;
    };

    explicit SyntheticData(quint32 seed);

    int below(int bound) { return int(m_random.bounded(bound)); }

    QString surname();
    QString givenName();
    Place place();
    QString street();
    QString phone();
    QString mail(const QString& user);
    QString specialization();
    QString date();
    QString time();
    QString taxCode();
    // Unique for every index: a kind of group, a town and, past the first
    // round of towns, a section number.
    static QString associationName(int index);
    static Place placeOf(int index);

private:
    QRandomGenerator m_random;
};
