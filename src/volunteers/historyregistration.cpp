#include "historyregistration.h"

#include "app/app.h"
#include "platform/busypointer.h"
#include "platform/database.h"
#include "platform/error.h"
#include "store/queries.h"
#include "volunteerlookups.h"

HistoryKey HistoryKey::of(const Recordset& record)
{
    return { record.field(QStringLiteral("CODASS")), record.field(QStringLiteral("CODVOL")),
        record.field(QStringLiteral("DENOM")), record.field(QStringLiteral("COGN")),
        record.field(QStringLiteral("NOME")) };
}

bool findHistoryRecord(App& app, const HistoryKey& key)
{
    app.Data5.setRecordSource(
        Queries::historyRecordMatching, { key.codass, key.codvol, key.denom, key.cogn, key.nome });
    app.Data5.refresh();
    return !app.Data5.recordset().eof();
}

void writeArrival(Recordset& volunteer, const ArrivalRecord& arrival)
{
    volunteer.setField(QStringLiteral("DENOM"), arrival.denom);
    volunteer.setField(QStringLiteral("COGNOME"), arrival.cognome);
    volunteer.setField(QStringLiteral("NOME"), arrival.nome);
    volunteer.setField(QStringLiteral("CAMPO"), arrival.campo);
    volunteer.setField(QStringLiteral("TENDA"), arrival.tenda);
    volunteer.setField(QStringLiteral("DATAAR"), arrival.dataar);
    volunteer.setField(QStringLiteral("ORAAR"), arrival.oraar);
    volunteer.setField(QStringLiteral("DATAPA"), arrival.datapa);
    volunteer.setField(QStringLiteral("ORAPA"), arrival.orapa);
    volunteer.setField(QStringLiteral("SPEC"), arrival.spec);
}

void insertArrival(App& app, const QString& code, const ArrivalRecord& arrival)
{
    app.Data4.setRecordSource(Queries::volunteersTable);
    app.Data4.refresh();
    Recordset& volunteer = app.Data4.recordset();
    volunteer.addNew();
    volunteer.setField(QStringLiteral("CODVOL"), code);
    writeArrival(volunteer, arrival);
    try {
        volunteer.update();
    } catch (const DbError&) {
        volunteer.cancelUpdate();
        throw;
    }
    app.Data4.refresh();
}

bool confirmNamesakes(App& app, const ArrivalRecord& arrival)
{
    app.Data4.setRecordSource(
        Queries::namesakesInAssociation, { arrival.denom, arrival.cognome, arrival.nome });
    app.Data4.refresh();
    for (Recordset& namesakes = app.Data4.recordset(); !namesakes.eof(); namesakes.moveNext())
        if (app.say(QStringLiteral("Volontario già esistente. Vuoi registrarlo ugualmente?"),
                MessageBox::YesNo)
            != MessageBox::AnswerYes)
            return false;
    return true;
}

HistoryRegistration registerFromHistory(
    App& app, const ArrivalRecord& arrival, const std::function<QString()>& volunteerCode)
{
    const BusyPointer busy;
    if (!confirmNamesakes(app, arrival))
        return HistoryRegistration::Declined;

    // A volunteer of the history archive keeps his code there, and his
    // association is registered if it is not yet.
    creaassdastor(app);
    try {
        // The code is worked out inside the record's transaction: a counter
        // the engine keeps moves on in it, and only if the record is stored.
        Transaction change(app.Data4);
        insertArrival(app, volunteerCode(), arrival);
        change.commit();
    } catch (const DbError& error) {
        app.say(error.number() == DbError::DuplicateKey ? QStringLiteral("Volontario già presente")
                                                        : error.description());
        return HistoryRegistration::Refused;
    }
    return HistoryRegistration::Registered;
}
