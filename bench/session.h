#pragma once

#include "measurement.h"
#include "seeder.h"

#include <QString>
#include <memory>

class App;
class BareSql;
class RegisterProbe;

// One seeded program folder, with the program running on it and a bare
// connection beside it. Sessions of both sizes are measured in turns, so a
// busy moment on the machine falls on both alike.
class Session
{
public:
    Session(QString label, QString folder, const ArchiveSizes& sizes);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    QString label() const { return m_label; }
    QString folder() const { return m_folder; }
    const ArchiveSizes& sizes() const { return m_sizes; }

    // Makes the folder the current one: the program opens its registers
    // there, and a register opened in another folder would be reopened.
    void enter();
    // The program, started on the folder the first time it is asked for.
    App& program();
    BareSql& bare();
    // Outside the timed work: what the registers now hold.
    RegisterProbe& probe();
    // Closes the bare and probing connections (they open again when next
    // asked for), so that a file can be replaced under no connection.
    void letGoOfFiles();

    Figures figures;

private:
    QString m_label;
    QString m_folder;
    ArchiveSizes m_sizes;
    std::unique_ptr<BareSql> m_bare;
    std::unique_ptr<RegisterProbe> m_probe;
    std::unique_ptr<App> m_program;
};
