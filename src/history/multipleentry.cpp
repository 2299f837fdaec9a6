#include "multipleentry.h"

#include "app/app.h"
#include "app/listlines.h"
#include "historyscans.h"
#include "store/counters.h"
#include "volunteers/formvollist.h"
#include "volunteers/historyregistration.h"

#include <QListWidget>
#include <optional>

namespace {

// Moves Data5 onto the first history record of `denomass` whose line is the
// wanted one; false when there is none.
bool findTickedVolunteer(App& app, const QString& wanted)
{
    Globals& g = app.g;
    g.esitostor = QStringLiteral("0");
    for (;;) {
        leggistorass(app);
        if (g.esitostor == QLatin1String("9"))
            return false;
        const Recordset& history = app.Data5.recordset();
        const QString candidate = ListLines::field(history.field(QStringLiteral("DENOM")), 50)
            + QLatin1Char(' ') + history.field(QStringLiteral("COGN")) + QLatin1Char(' ')
            + history.field(QStringLiteral("NOME"));
        if (candidate == wanted)
            return true;
    }
}

// The message for a history record that cannot be registered with this
// arrival, or an empty text.
QString refusal(App& app, const Recordset& history, const MultipleEntry& entry)
{
    if (history.field(QStringLiteral("DENOM")).isEmpty())
        return QStringLiteral("Manca denominazione.");
    ctrldataarsto(app, entry.dataar);
    if (app.g.esitocontrollo == QLatin1String("1"))
        return QStringLiteral("Data arrivo errata.");
    ctrloraarsto(app, entry.oraar);
    if (app.g.esitocontrollo == QLatin1String("1"))
        return QStringLiteral("Ora arrivo errata.");
    return QString();
}

// The volunteer counter as four digits; empty when it is not a number (a
// missing or empty counter counts as 0000 and is created).
QString volunteerNumber(App& app)
{
    const QString counter
        = Counters::read(app.Data4.database(), app.g.fileprossvol, Counters::VolunteerDigits);
    if (!Counters::isNumber(counter))
        return QString();
    return Counters::padded(counter, Counters::VolunteerDigits);
}

} // namespace

QString deskVolunteerCode(const QString& associationCode, const QString& number)
{
    if (associationCode.left(1) >= QLatin1String("A"))
        return associationCode + QLatin1Char('B') + number.mid(1, 3);
    return associationCode + number;
}

void inserisciMultiplo(App& app, const MultipleEntry& entry)
{
    Globals& g = app.g;
    qint64 inserted = 0;
    g.contarighe = QStringLiteral("0");
    for (const QString& line : entry.tickedLines) {
        const QString wanted = ListLines::field(entry.association, 50) + QLatin1Char(' ') + line;
        if (!findTickedVolunteer(app, wanted)) {
            app.say(QStringLiteral("Volontario non trovato"));
            return;
        }
        const Recordset& history = app.Data5.recordset();
        const QString refused = refusal(app, history, entry);
        if (!refused.isEmpty()) {
            app.say(refused);
            continue;
        }
        const bool hasHistoryCode = !history.field(QStringLiteral("CODASS")).isEmpty();
        const QString number = hasHistoryCode ? QString() : volunteerNumber(app);
        if (!hasHistoryCode && number.isEmpty()) {
            // The counter cannot move on from a number that is not a number.
            app.say(QStringLiteral("Codice volontario errato."));
            return;
        }
        const ArrivalRecord arrival { history.field(QStringLiteral("DENOM")),
            history.field(QStringLiteral("COGN")), history.field(QStringLiteral("NOME")), QString(),
            QString(), history.field(QStringLiteral("SPEC")), entry.dataar, entry.oraar, QString(),
            QString() };
        std::optional<CounterAdvance> counter;
        const HistoryRegistration outcome = registerFromHistory(app, arrival, [&] {
            const Recordset& record = app.Data5.recordset();
            if (hasHistoryCode)
                return record.field(QStringLiteral("CODASS"))
                    + record.field(QStringLiteral("CODVOL"));
            // The association he is registered under, found or created by now.
            const QString associationCode = app.Data3.recordset().field(QStringLiteral("CODASS"));
            // Inside the record's transaction (see registerFromHistory).
            counter.emplace(app.Data4, g.fileprossvol, number, Counters::VolunteerDigits,
                CounterAdvance::Counted);
            return deskVolunteerCode(associationCode, counter->number());
        });
        if (outcome == HistoryRegistration::Refused)
            return;
        if (outcome == HistoryRegistration::Declined)
            continue;
        if (counter)
            counter->keep();
        g.contarighe = QString::number(++inserted);
        if (auto* list = app.existingWindow<FormVolList>())
            list->List1()->clear();
    }
    app.say(QStringLiteral("Volontari inseriti:  ") + g.contarighe);
}
