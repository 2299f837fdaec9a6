#include "conninfo.h"

#include <QStringList>

namespace {

bool isKeyChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

std::optional<ConnInfo> ConnInfo::parse(const QString& text, QString* why)
{
    auto refuse = [why](const QString& reason) -> std::optional<ConnInfo> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    ConnInfo info;
    info.m_text = text.trimmed();
    const QString& s = info.m_text;
    if (s.isEmpty())
        return refuse(QStringLiteral("La stringa di connessione al server è vuota."));
    if (s.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || s.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive))
        return refuse(QStringLiteral("La stringa di connessione va scritta nella forma "
                                     "chiave=valore (per esempio \"host=server1 dbname=ostrale "
                                     "user=segreteria\"): la forma postgresql://... non è "
                                     "accettata."));
    if (s.contains(QLatin1Char(';')))
        return refuse(QStringLiteral(
            "Il carattere ';' non è ammesso nella stringa di connessione al server."));

    int i = 0;
    const int n = int(s.size());
    while (i < n) {
        if (s.at(i).isSpace()) {
            ++i;
            continue;
        }
        const int keyStart = i;
        while (i < n && isKeyChar(s.at(i)))
            ++i;
        const QString key = s.mid(keyStart, i - keyStart);
        while (i < n && s.at(i).isSpace())
            ++i;
        if (key.isEmpty() || i >= n || s.at(i) != QLatin1Char('='))
            return refuse(QStringLiteral("Nella stringa di connessione al server manca "
                                         "\"=\" dopo \"%1\".")
                              .arg(key.isEmpty() ? s.mid(keyStart, 1) : key));
        ++i;
        while (i < n && s.at(i).isSpace())
            ++i;
        QString value;
        if (i < n && s.at(i) == QLatin1Char('\'')) {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = s.at(i++);
                if (c == QLatin1Char('\\') && i < n) {
                    value += s.at(i++);
                } else if (c == QLatin1Char('\'')) {
                    closed = true;
                    break;
                } else {
                    value += c;
                }
            }
            if (!closed)
                return refuse(QStringLiteral("Nella stringa di connessione al server il valore "
                                             "di \"%1\" non chiude l'apice.")
                                  .arg(key));
        } else {
            while (i < n && !s.at(i).isSpace()) {
                const QChar c = s.at(i++);
                if (c == QLatin1Char('\\') && i < n)
                    value += s.at(i++);
                else
                    value += c;
            }
        }
        info.m_pairs.append({ key, value });
    }
    return info;
}

QString ConnInfo::value(const QString& key) const
{
    for (auto it = m_pairs.crbegin(); it != m_pairs.crend(); ++it)
        if (it->first == key)
            return it->second;
    return QString();
}

QString ConnInfo::server() const
{
    QStringList parts;
    for (const char* key : { "host", "hostaddr", "port", "dbname" }) {
        const QString v = value(QLatin1String(key));
        if (!v.isEmpty())
            parts << QStringLiteral("%1=%2").arg(QLatin1String(key), v);
    }
    return parts.isEmpty() ? QStringLiteral("(server predefinito)") : parts.join(QLatin1Char(' '));
}
