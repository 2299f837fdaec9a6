#pragma once

#include <QSet>
#include <QSqlDatabase>
#include <optional>

// What an engine tells of the rows of one register committed by anyone (this
// desk, another desk, another program) since the last look, for the readers
// that keep what they read and read again only what changed.
class ChangeSource
{
public:
    virtual ~ChangeSource() = default;

    // The rows committed since the last call, or nothing when any row may
    // have changed (the first look, or a look after the engine could not
    // follow: a connection made anew). Throws DbError.
    virtual std::optional<QSet<qint64>> takeChanges() = 0;
    // A connection of the source's own that reads the register as committed.
    virtual QSqlDatabase reader() = 0;
};
