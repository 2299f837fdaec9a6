#include "exportvolunteers.h"

#include "platform/database.h"
#include "platform/datacontrol.h"
#include "platform/error.h"
#include "statusprogress.h"
#include "store/historyqueries.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

char16_t folded(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// Surnames in the order of the export's text fields: A to Z taken as a to z
// (so "_" comes before "A"), character by character, the shorter first.
bool surnameBefore(const ExportVolunteer& a, const ExportVolunteer& b)
{
    const QString& x = a.cogn;
    const QString& y = b.cogn;
    const qsizetype common = std::min(x.size(), y.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t p = folded(x.at(i).unicode());
        const char16_t q = folded(y.at(i).unicode());
        if (p != q)
            return p < q;
    }
    return x.size() < y.size();
}

} // namespace

QString textFieldKey(const QString& text)
{
    const auto lowerCase = [](QChar c) { return c >= u'a' && c <= u'z'; };
    if (std::none_of(text.cbegin(), text.cend(), lowerCase))
        return text;
    QString key = text;
    for (QChar& c : key)
        if (lowerCase(c))
            c = QChar(c.unicode() - (u'a' - u'A'));
    return key;
}

ExportVolunteers::ExportVolunteers(DataControl& volo, StatusProgress& progress)
{
    Database& database = volo.database();
    QSqlQuery query(database.handle());
    query.setForwardOnly(true);
    if (!query.exec(HistoryQueries::talpexVolunteers))
        throw volo.database().translate(query.lastError());
    qint64 read = 0;
    while (query.next()) {
        progress.step(++read);
        const QVariant codass = query.value(0);
        if (codass.isNull())
            continue;
        m_byAssociation[textFieldKey(codass.toString())].append({ query.value(1).toString(),
            query.value(2).toString(), query.value(3).toString(), query.value(4).toString() });
    }
    if (query.lastError().isValid())
        throw volo.database().translate(query.lastError());
    for (QList<ExportVolunteer>& volunteers : m_byAssociation)
        std::stable_sort(volunteers.begin(), volunteers.end(), surnameBefore);
}

const QList<ExportVolunteer>& ExportVolunteers::ofAssociation(const QString& codass) const
{
    static const QList<ExportVolunteer> none;
    const auto found = m_byAssociation.constFind(textFieldKey(codass));
    return found == m_byAssociation.cend() ? none : *found;
}
