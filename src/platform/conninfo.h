#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// A PostgreSQL connection string in its key=value form, as psql takes it:
// `host=/run/camp dbname=ostrale user=desk`, a value with blanks in single
// quotes (`application_name='desk uno'`). Qt's driver passes only this form
// on to libpq, and turns every ';' into a blank: a URI
// (postgresql://...) and a ';' are refused with a reason rather than
// reaching the server changed.
class ConnInfo
{
public:
    // The parsed text, or nullopt with the reason (in Italian) in `why`.
    static std::optional<ConnInfo> parse(const QString& text, QString* why);

    // The text as given, blanks around it dropped: what is handed to the driver.
    QString text() const { return m_text; }
    // The value of a key ("" when absent); the last one wins, as in libpq.
    QString value(const QString& key) const;
    // The server as a message names it: its host and database (and port),
    // never the password.
    QString server() const;

private:
    QString m_text;
    QList<QPair<QString, QString>> m_pairs;
};
