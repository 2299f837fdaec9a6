#pragma once

#include <QString>

class ServerDatabases;

// Runs one scenario file in a program folder of its own; with a server, on
// a fresh database of that server.
class FileRunner
{
public:
    struct Result
    {
        bool passed = false;
        int line = 0; // of the failing step; 0 when the file could not be read
        QString message;
        // A file about the files themselves ("# files only" in its first
        // comment line), not run on a server.
        bool skipped = false;
    };

    // With a keep folder, the program folder is keepFolder/<file name
    // without .scn>, emptied first and left there afterwards.
    explicit FileRunner(QString keepFolder = QString(), ServerDatabases* server = nullptr);

    Result run(const QString& fileName) const;

private:
    QString m_keepFolder;
    ServerDatabases* m_server;
};
