#pragma once

#include <QFile>
#include <QString>
#include <sqlite3.h>
#include <stdexcept>

// One connection of the engine's own C API for the bare measurements, closed
// however the work ends; failures are thrown with the engine's message.
class SqliteHandle
{
public:
    explicit SqliteHandle(const QString& path)
    {
        const QByteArray name = QFile::encodeName(path);
        if (sqlite3_open_v2(
                name.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
            != SQLITE_OK)
            fail(path);
    }
    ~SqliteHandle() { sqlite3_close_v2(m_db); }
    SqliteHandle(const SqliteHandle&) = delete;
    SqliteHandle& operator=(const SqliteHandle&) = delete;

    sqlite3* get() const { return m_db; }
    void exec(const QString& sql) const
    {
        if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(sql);
    }
    [[noreturn]] void fail(const QString& what) const
    {
        throw std::runtime_error(
            (what + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(m_db))).toStdString());
    }

private:
    sqlite3* m_db = nullptr;
};
