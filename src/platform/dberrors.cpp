#include "dberrors.h"

namespace DbErrors {

DbError duplicateKey()
{
    return DbError(DbError::DuplicateKey,
        QStringLiteral("Le modifiche richieste alla tabella non sono state apportate perché "
                       "creerebbero valori duplicati nell'indice o nella chiave primaria."));
}

DbError tableNotFound(const QString& table, const QString& name)
{
    return DbError(DbError::TableNotFound,
        QStringLiteral("Impossibile trovare la tabella o la query di input '%1' nel file '%2'.")
            .arg(table, name));
}

DbError readOnly(const QString& name)
{
    return DbError(DbError::ReadOnly,
        QStringLiteral("Impossibile aprire o scrivere il file '%1': il file è di sola "
                       "lettura o non accessibile.")
            .arg(name));
}

DbError engineFailure(const QString& name, const QString& text)
{
    return DbError(DbError::EngineFailure,
        QStringLiteral("Errore del motore di database sul file '%1': %2").arg(name, text));
}

} // namespace DbErrors
