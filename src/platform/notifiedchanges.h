#pragma once

#include "changesource.h"

#include <QObject>
#include <QString>
#include <memory>

class Engine;

// The rows committed to a table as the server notifies them: a connection of
// the source's own listens on the table's channel, where a trigger made with
// the schema sends each committed row's number. The driver hands them over
// from the event loop; a look first makes one round trip on that connection
// and has the driver hand over what it received, so every commit made before
// the look is told by its end, with no turn of the event loop.
class NotifiedChanges : public ChangeSource
{
public:
    NotifiedChanges(const Engine& engine, QString location, QString channel);
    ~NotifiedChanges() override;
    NotifiedChanges(const NotifiedChanges&) = delete;
    NotifiedChanges& operator=(const NotifiedChanges&) = delete;

    std::optional<QSet<qint64>> takeChanges() override;
    QSqlDatabase reader() override;

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
};
