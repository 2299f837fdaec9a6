#include "notifiedchanges.h"

#include "engine.h"
#include "error.h"

#include <QCoreApplication>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <optional>

NotifiedChanges::NotifiedChanges(const Engine& engine, QString location, QString channel)
    : m_engine(engine)
    , m_location(std::move(location))
    , m_channel(std::move(channel))
    , m_name(QStringLiteral("ostrale-changes-%1").arg(quintptr(this)))
{
}

NotifiedChanges::~NotifiedChanges()
{
    close();
}

void NotifiedChanges::close()
{
    m_receiver.reset();
    if (QSqlDatabase::contains(m_name)) {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
}

void NotifiedChanges::listen()
{
    close();
    std::optional<DbError> failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(m_engine.driverName(), m_name);
        try {
            m_engine.open(db, m_location, false);
            m_receiver = std::make_unique<QObject>();
            QObject::connect(db.driver(), &QSqlDriver::notification, m_receiver.get(),
                [this](const QString& channel, QSqlDriver::NotificationSource,
                    const QVariant& payload) { arrived(channel, payload); });
            if (!db.driver()->subscribeToNotification(m_channel))
                throw m_engine.translate(db.driver()->lastError(), m_channel);
        } catch (const DbError& error) {
            failure = error;
        }
    }
    if (failure) {
        close();
        throw *failure;
    }
    // Nothing told before the connection listened is known.
    m_all = true;
}

void NotifiedChanges::arrived(const QString& channel, const QVariant& payload)
{
    // Whoever committed (this desk's connections are others to this one).
    if (channel != m_channel)
        return;
    bool number = false;
    const qint64 row = payload.toString().toLongLong(&number);
    if (number)
        m_rows.insert(row);
    else
        m_all = true;
}

void NotifiedChanges::deliver()
{
    // The driver reads what the connection received when it handles its
    // posted calls: run them now rather than at the next turn of the loop.
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    QCoreApplication::sendPostedEvents(db.driver(), QEvent::MetaCall);
}

std::optional<QSet<qint64>> NotifiedChanges::takeChanges()
{
    QSqlDatabase db
        = QSqlDatabase::contains(m_name) ? QSqlDatabase::database(m_name, false) : QSqlDatabase();
    if (!db.isOpen()) {
        // First look, or the connection was lost: what happened meanwhile
        // is unknown.
        listen();
    } else {
        QSqlQuery roundTrip(db);
        if (!roundTrip.exec(QStringLiteral("select 1"))) {
            // A failure that took the connection with it is a server gone.
            const QSqlError error = roundTrip.lastError();
            const DbError failure = m_engine.translate(db.isOpen()
                    ? error
                    : QSqlError(error.driverText(), error.databaseText(),
                        QSqlError::ConnectionError, error.nativeErrorCode()),
                m_channel);
            roundTrip = QSqlQuery();
            db = QSqlDatabase();
            close();
            throw failure;
        }
    }
    deliver();
    if (m_all) {
        m_all = false;
        m_rows.clear();
        return std::nullopt;
    }
    return std::exchange(m_rows, {});
}

QSqlDatabase NotifiedChanges::reader()
{
    if (!QSqlDatabase::contains(m_name) || !QSqlDatabase::database(m_name, false).isOpen())
        listen();
    return QSqlDatabase::database(m_name, false);
}
