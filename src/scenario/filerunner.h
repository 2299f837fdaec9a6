#pragma once

#include <QString>

// Runs one scenario file in a program folder of its own.
class FileRunner
{
public:
    struct Result
    {
        bool passed = false;
        int line = 0; // of the failing step; 0 when the file could not be read
        QString message;
    };

    // With a keep folder, the program folder is keepFolder/<file name
    // without .scn>, emptied first and left there afterwards.
    explicit FileRunner(QString keepFolder = QString());

    Result run(const QString& fileName) const;

private:
    QString m_keepFolder;
};
