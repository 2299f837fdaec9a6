#pragma once

#include "volunteers/presencerule.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <memory>

class ChangeSource;
class DataControl;

// How many records of one register (volunteers or vehicles) are in the camp
// at a moment, by the presence rule, without reading the register each
// time. The stays are read once; afterwards only the rows changed through
// the program's connection are read again, and the whole register when any
// other connection (another program, another desk) committed to the file,
// or the file was opened anew. The stays are read through a connection of
// the counter's own, so an open reading of the program's connection never
// hides what was committed. On an engine that tells the rows committed (a
// server), only those are read again, whoever committed them, through the
// source's own connection.
class StayCounter
{
public:
    struct Queries
    {
        QString table;
        QString all;
        QString oneRow;
    };

    StayCounter(DataControl& connection, Queries queries);
    ~StayCounter();
    StayCounter(const StayCounter&) = delete;
    StayCounter& operator=(const StayCounter&) = delete;

    // Brings the stays up to date with the register; true when anything
    // changed.
    bool sync();
    // The records present at the date (dd/mm/yyyy) and time (hh:mm). The
    // count is kept for that moment: a changed row corrects it, and only
    // another moment counts every stay again.
    int countAt(const QString& date, const QString& time);

    // A stay as an interval of moments yyyymmdd * 10000 + minutes, both
    // ends included; false when the record's texts are not plain dates and
    // times, and the rule must then read the texts themselves.
    struct Stay
    {
        qint64 from = 0;
        qint64 to = 0;
        bool plain = false;
        PresenceRecord texts;
    };
    static Stay stayOf(const PresenceRecord& record);
    static qint64 momentOf(const QString& date, const QString& time);

private:
    bool presentAt(const Stay& stay) const;
    bool syncTold();
    ChangeSource* changeSource();
    void reloadAll();
    void reloadRow(qint64 row);
    void watchChanges();
    QSqlDatabase reader();
    QList<qint64> fileStamp() const;
    // The data version of the program's connection (it moves only when
    // another connection commits) and the count of rows that connection
    // changed itself since it was opened.
    struct Versions
    {
        qint64 others = -1;
        qint64 own = -1;
        bool operator==(const Versions& o) const { return others == o.others && own == o.own; }
    };
    Versions versions();

    DataControl& m_connection;
    Queries m_queries;
    std::unique_ptr<ChangeSource> m_changes;
    bool m_changesAsked = false;
    QHash<qint64, Stay> m_stays;
    int m_generation = -1;
    QList<qint64> m_stamp;
    Versions m_versions;
    QSqlQuery m_versionsQuery;
    QSqlQuery m_changedRows;
    QSqlQuery m_forgetChangedRows;
    QSqlQuery m_row; // one stay by its row, on the program's connection
    bool m_rowPrepared = false;
    QString m_readerName;
    bool m_loaded = false;
    // The moment last counted and its count; m_counted false when none is.
    PresenceQuery m_moment;
    qint64 m_momentValue = -1;
    int m_count = 0;
    bool m_counted = false;
};
