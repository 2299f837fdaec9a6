#pragma once

#include <QString>
#include <exception>

// A failure reported with the numbers the operator and the older desks know:
// the database engine's numbers (3022, 3024, ...) and the run-time numbers of
// file access (53 file not found, ...). Shown as "Errore N description".
class OstraleError : public std::exception
{
public:
    OstraleError(int number, QString description);

    int number() const { return m_number; }
    QString description() const { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

class DbError : public OstraleError
{
public:
    using OstraleError::OstraleError;

    static constexpr int DuplicateKey = 3022;
    static constexpr int FileNotFound = 3024;
    static constexpr int UpdateWithoutEdit = 3020;
    static constexpr int NoCurrentRecord = 3021;
    static constexpr int ReadOnly = 3051;
    static constexpr int TableNotFound = 3078;
    static constexpr int NotADatabase = 3343;
    static constexpr int Damaged = 3049;
    static constexpr int BadPassword = 3031;
    static constexpr int ItemNotFound = 3265;
    static constexpr int EngineFailure = 3000;

    // A field asked for by a name the row does not hold.
    static DbError itemNotFound(const QString& name);
};

class FileError : public OstraleError
{
public:
    using OstraleError::OstraleError;

    static constexpr int BadFileName = 52;
    static constexpr int FileNotFound = 53;
    static constexpr int PermissionDenied = 70;
    static constexpr int PathNotFound = 76;
    static constexpr int InputPastEnd = 62;
};

// "Errore " + number + " " + description, the text every trapped failure shows.
QString errorText(const OstraleError& error);
