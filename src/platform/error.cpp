#include "error.h"

OstraleError::OstraleError(int number, QString description)
    : m_number(number), m_description(std::move(description))
{
    m_what = errorText(*this).toUtf8();
}

QString errorText(const OstraleError& error)
{
    return QStringLiteral("Errore %1 %2").arg(error.number()).arg(error.description());
}
