#include "error.h"

OstraleError::OstraleError(int number, QString description)
    : m_number(number)
    , m_description(std::move(description))
{
    m_what = errorText(*this).toUtf8();
}

QString errorText(const OstraleError& error)
{
    return QStringLiteral("Errore %1 %2").arg(error.number()).arg(error.description());
}

DbError DbError::itemNotFound(const QString& name)
{
    return DbError(
        ItemNotFound, QStringLiteral("Elemento non trovato in questo insieme: '%1'.").arg(name));
}
