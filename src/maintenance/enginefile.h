#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

// A private engine connection to one database file, for the maintenance work
// that the program's data connections do not offer (online backup, VACUUM
// INTO, reading a file's layout). It runs statements without results and
// turns every engine failure into the numbers the program reports.
class EngineFile
{
public:
    enum Mode { ReadOnly, ReadWrite, Create };

    EngineFile(const QString& path, Mode mode);
    ~EngineFile();
    EngineFile(const EngineFile&) = delete;
    EngineFile& operator=(const EngineFile&) = delete;

    sqlite3* handle() const { return m_db; }
    QString path() const { return m_path; }

    // Runs one statement, `text` bound to its '?' if given, stepping it to its end.
    void exec(const char* sql, const QString& text = QString());
    // The first column of each row of a statement, `text` bound to its '?' if given.
    QStringList column(const char* sql, const QString& text = QString());
    // Ends the connection; reports a failure to close (a file still busy).
    void close();

    // Throws the program's error for an engine result code on a file.
    [[noreturn]] static void fail(int resultCode, const QString& detail, const QString& path);
    [[noreturn]] void fail(int resultCode) const;

private:
    sqlite3* m_db = nullptr;
    QString m_path;
};
