#include "barebadgeread.h"

#include <QDateTime>
#include <QSqlRecord>
#include <QVariant>

namespace {

QSqlQuery prepared(BareConnection& connection, const QString& sql)
{
    QSqlQuery query(connection.db());
    query.setForwardOnly(true);
    requireSql(query.prepare(sql), query);
    return query;
}

} // namespace

BareBadgeRead::BareBadgeRead(const QString& folder)
    : m_history(folder, QStringLiteral("stor.mdb"))
    , m_associations(folder, QStringLiteral("asso.mdb"))
    , m_volunteers(folder, QStringLiteral("emervol.mdb"))
    , m_findHistory(
          prepared(m_history, QStringLiteral("select * from STOR where CODASS = ? And CODVOL = ?")))
    , m_findNamesakes(prepared(m_volunteers,
          QStringLiteral("select * from EMERVOL where DENOM = ? AND COGNOME = ? AND NOME = ?")))
    , m_findAssociation(
          prepared(m_associations, QStringLiteral("select * from ASSO where DENOM = ?")))
    , m_insertAssociation(prepared(m_associations,
          QStringLiteral(
              "insert into ASSO (CODASS, DENOM, INDIR, CAP, CITTA, PROV, TEL, FAX, MAIL, "
              "NUMVOL, NVOLIN) values (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, '0001')")))
    , m_insertVolunteer(prepared(m_volunteers,
          QStringLiteral(
              "insert into EMERVOL (CODVOL, DENOM, COGNOME, NOME, CAMPO, TENDA, SPEC, "
              "DATAAR, ORAAR, DATAPA, ORAPA) values (?, ?, ?, ?, '', '', ?, ?, ?, '', '')")))
{
    const QDateTime now = QDateTime::currentDateTime();
    m_arrivalDate = now.toString(QStringLiteral("dd/MM/yyyy"));
    m_arrivalTime = now.toString(QStringLiteral("HH:mm"));
}

bool BareBadgeRead::read(const QString& code)
{
    m_findHistory.bindValue(0, code.left(6));
    m_findHistory.bindValue(1, code.mid(6, 4));
    requireSql(m_findHistory.exec(), m_findHistory);
    if (!m_findHistory.next()) {
        m_findHistory.finish();
        return false;
    }
    const QSqlRecord history = m_findHistory.record();
    m_findHistory.finish();
    const QVariant denom = history.value(QStringLiteral("DENOM"));
    const QVariant surname = history.value(QStringLiteral("COGN"));
    const QVariant name = history.value(QStringLiteral("NOME"));

    m_findNamesakes.bindValue(0, denom);
    m_findNamesakes.bindValue(1, surname);
    m_findNamesakes.bindValue(2, name);
    requireSql(m_findNamesakes.exec(), m_findNamesakes);
    int namesakes = 0;
    while (m_findNamesakes.next())
        ++namesakes;
    if (namesakes > 0)
        return false;

    registerAssociation(history);

    m_insertVolunteer.bindValue(0, code);
    m_insertVolunteer.bindValue(1, denom);
    m_insertVolunteer.bindValue(2, surname);
    m_insertVolunteer.bindValue(3, name);
    m_insertVolunteer.bindValue(4, history.value(QStringLiteral("SPEC")));
    m_insertVolunteer.bindValue(5, m_arrivalDate);
    m_insertVolunteer.bindValue(6, m_arrivalTime);
    requireSql(m_insertVolunteer.exec(), m_insertVolunteer);
    return true;
}

void BareBadgeRead::registerAssociation(const QSqlRecord& history)
{
    m_findAssociation.bindValue(0, history.value(QStringLiteral("DENOM")));
    requireSql(m_findAssociation.exec(), m_findAssociation);
    const bool known = m_findAssociation.next();
    m_findAssociation.finish();
    if (known)
        return;
    int i = 0;
    for (const char* field :
        { "CODASS", "DENOM", "INDIR", "CAP", "CITTA", "PROV", "TEL", "FAX", "MAIL" })
        m_insertAssociation.bindValue(i++, history.value(QString::fromLatin1(field)));
    requireSql(m_insertAssociation.exec(), m_insertAssociation);
}
