#pragma once

#include <QString>
#include <stdexcept>

// Why a file could not be written; the tool prints it and leaves no file.
class JetError : public std::runtime_error
{
public:
    explicit JetError(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }
};
