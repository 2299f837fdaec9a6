#pragma once

#include "changesource.h"

#include <QObject>
#include <QString>
#include <memory>

class Engine;

// The rows committed to a table as the server notifies them: a connection of
// the source's own listens on the table's channel, where a trigger made with
// the schema sends each committed row's number. Notifications arrive through
// the event loop; a look first makes one round trip on that connection, so
// every commit made before the look has been told by its end.
class NotifiedChanges : public ChangeSource
{
public:
    NotifiedChanges(const Engine& engine, QString location, QString channel);
    ~NotifiedChanges() override;
    NotifiedChanges(const NotifiedChanges&) = delete;
    NotifiedChanges& operator=(const NotifiedChanges&) = delete;

    std::optional<QSet<qint64>> takeChanges() override;
    QSqlDatabase reader() override;
    void setOnArrival(std::function<void()> onArrival) override;

private:
    void listen();
    void close();
    void arrived(const QString& channel, const QVariant& payload);
    // Hands the notifications the connection has received to arrived().
    void deliver();

    const Engine& m_engine;
    QString m_location;
    QString m_channel;
    QString m_name;
    // The receiver of one connection's notifications, gone with it.
    std::unique_ptr<QObject> m_receiver;
    QSet<qint64> m_rows;
    bool m_all = true;
    bool m_looking = false;
    std::function<void()> m_onArrival;
};
