#pragma once

#include <QString>
#include <QStringList>

// Where the desk keeps its registers: the files of its program folder (the
// default), or a PostgreSQL server named by a connection string. The server
// is named by `--server CONNINFO` on the command line, or by the first line
// of the setting file server.txt in the program folder;
// `ostrale --server CONNINFO FOLDER` also writes that setting file, so that
// later starts of the folder go to the same server.
class StoreChoice
{
public:
    static constexpr const char* SettingFile = "server.txt";

    // From the program's arguments (the program name first):
    // [--server CONNINFO] [FOLDER]; without a folder, `defaultFolder`.
    static StoreChoice fromArguments(const QStringList& arguments, const QString& defaultFolder);

    // When the command line named no server, the folder's setting file does,
    // if there is one. The folder must exist.
    void readSetting();
    // Writes the setting file of the folder (all of it or nothing), when the
    // command line asked for it.
    void keepSetting() const;

    // Why the choice cannot be used (in Italian), or "" when it can.
    QString refusal() const { return m_refusal; }
    QString folder() const { return m_folder; }
    bool onServer() const { return !m_conninfo.isEmpty(); }
    QString conninfo() const { return m_conninfo; }

private:
    void useServer(const QString& text, const QString& source);

    QString m_folder;
    QString m_conninfo;
    QString m_refusal;
    bool m_fromCommandLine = false;
    bool m_keepInFolder = false;
};
