#include "servercounters.h"

#include "platform/database.h"
#include "platform/engine.h"
#include "store/counters.h"

namespace {

// The counter a file name stands for, by its digits (0: none).
int digitsOf(const QString& name)
{
    if (!Engine::registers().keepsCounters())
        return 0;
    if (name.compare(QLatin1String("prossimo_codice_associazione.txt"), Qt::CaseInsensitive) == 0)
        return Counters::AssociationDigits;
    if (name.compare(QLatin1String("prossimo_codice_volontario.txt"), Qt::CaseInsensitive) == 0)
        return Counters::VolunteerDigits;
    return 0;
}

} // namespace

namespace ServerCounters {

bool write(const QString& name, const QString& text)
{
    if (digitsOf(name) == 0)
        return false;
    Database registers(QStringLiteral("asso.mdb"));
    Counters::reset(registers, name, text.section(QLatin1Char('\n'), 0, 0).trimmed());
    return true;
}

std::optional<QStringList> lines(const QString& name)
{
    const int digits = digitsOf(name);
    if (digits == 0)
        return std::nullopt;
    Database registers(QStringLiteral("asso.mdb"));
    return QStringList { Counters::read(registers, name, digits) };
}

} // namespace ServerCounters
