#pragma once

#include "platform/conninfo.h"

#include <QString>

// The runner's databases on a server: each scenario file gets a fresh one,
// cloned from a template that holds the registers' schema (made once per
// run, on the first file), and dropped after the file. The template goes
// when the runner ends. A shared server is the database the connection
// string names, used as it stands by every file (the desk lays its registers
// down there when they are missing) and never dropped: several runners act on
// it at once as several desks of one camp.
class ServerDatabases
{
public:
    explicit ServerDatabases(ConnInfo server, bool shared = false);
    ~ServerDatabases();
    ServerDatabases(const ServerDatabases&) = delete;
    ServerDatabases& operator=(const ServerDatabases&) = delete;

    // A new database; its connection string, or "" with the reason in `why`.
    QString create(QString* why);
    void drop(const QString& conninfo);

private:
    // Runs one statement on the server's own database ("" or the reason).
    QString run(const QString& sql);
    QString nameFor(int number) const;

    ConnInfo m_server;
    bool m_shared;
    QString m_template;
    int m_created = 0;
};
