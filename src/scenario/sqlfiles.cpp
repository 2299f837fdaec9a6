#include "sqlfiles.h"

#include "stepfailure.h"

#include "platform/engine.h"
#include "platform/error.h"
#include "store/schema.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <functional>

namespace {

// Opens the file on a connection of its own for the length of `work`.
void withDatabase(const QString& path, const std::function<void(QSqlDatabase&)>& work)
{
    static int counter = 0;
    const QString connection = QStringLiteral("ostrale-scenario-%1").arg(++counter);
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            failure = QStringLiteral("cannot open %1: %2").arg(path, db.lastError().text());
        } else {
            try {
                work(db);
            } catch (const StepFailure& stepFailure) {
                failure = stepFailure.message;
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!failure.isEmpty())
        throw StepFailure { failure };
}

bool hasTable(const QString& path, const QString& table)
{
    bool found = false;
    withDatabase(
        path, [&](QSqlDatabase& db) { found = db.tables().contains(table, Qt::CaseInsensitive); });
    return found;
}

void createIfMissing(const QString& path)
{
    const RegisterFile* definition = Schema::find(path);
    if (!definition)
        return; // any other file: SQLite creates it, the statement makes its table
    if (QFileInfo::exists(path) && hasTable(path, definition->table))
        return;
    try {
        Engine::files().createRegister(path, *definition);
    } catch (const OstraleError& error) {
        throw StepFailure { QStringLiteral("cannot create %1: %2").arg(path, errorText(error)) };
    }
}

// SQLite writes a real number with 15 significant digits and always a
// decimal point.
QString sqliteText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() != QMetaType::Double)
        return value.toString();
    QString text = QString::number(value.toDouble(), 'g', 15);
    if (text.contains(QLatin1String("inf")) || text.contains(QLatin1String("nan")))
        return text;
    const qsizetype exponent = text.indexOf(QLatin1Char('e'));
    const QString mantissa = exponent < 0 ? text : text.left(exponent);
    if (!mantissa.contains(QLatin1Char('.')))
        text.insert(exponent < 0 ? text.size() : exponent, QStringLiteral(".0"));
    return text;
}

QString queryFailure(const QSqlQuery& query)
{
    return QStringLiteral("the SQL failed: %1").arg(query.lastError().text());
}

} // namespace

namespace SqlFiles {

void execute(const QString& path, const QString& sql)
{
    createIfMissing(path);
    withDatabase(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!query.exec(sql))
            throw StepFailure { queryFailure(query) };
    });
}

QStringList rows(const QString& path, const QString& sql)
{
    if (!QFileInfo(path).isFile())
        throw StepFailure {
            QStringLiteral("expected the database file %1, found no such file").arg(path)
        };
    QStringList out;
    withDatabase(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(sql))
            throw StepFailure { queryFailure(query) };
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < query.record().count(); ++i)
                fields << sqliteText(query.value(i));
            out << fields.join(QLatin1Char('|'));
        }
    });
    return out;
}

} // namespace SqlFiles
