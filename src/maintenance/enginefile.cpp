#include "enginefile.h"

#include "platform/error.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <sqlite3.h>

namespace {

// Run-time numbers of file access the engine's results map to.
constexpr int DiskFull = 61;
constexpr int DeviceError = 57;
// The engine's "file already in use".
constexpr int FileInUse = 3045;

} // namespace

EngineFile::EngineFile(const QString& path, Mode mode)
    : m_path(path)
{
    int flags = SQLITE_OPEN_NOMUTEX;
    flags |= mode == ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (mode == Create)
        flags |= SQLITE_OPEN_CREATE;
    QByteArray name = QFile::encodeName(path);
    // A file only read, with no log of its own beside it, is opened as
    // unchanging: the engine then leaves no work files beside it, which it
    // could not remove from a read-only connection or a write-protected stick.
    if (mode == ReadOnly && QFileInfo(path + QStringLiteral("-wal")).size() == 0) {
        flags |= SQLITE_OPEN_URI;
        name = "file:" + QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/")
            + "?immutable=1";
    }
    const int rc = sqlite3_open_v2(name.constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString detail = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
        sqlite3_close(m_db);
        m_db = nullptr;
        fail(rc, detail, path);
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 2000);
}

EngineFile::~EngineFile()
{
    if (m_db)
        sqlite3_close_v2(m_db);
}

void EngineFile::exec(const char* sql, const QString& text)
{
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
    if (rc == SQLITE_OK && !text.isNull()) {
        const QByteArray bound = text.toUtf8();
        rc = sqlite3_bind_text(statement, 1, bound.constData(), bound.size(), SQLITE_TRANSIENT);
    }
    while (rc == SQLITE_OK || rc == SQLITE_ROW)
        rc = sqlite3_step(statement);
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        fail(rc);
}

QStringList EngineFile::column(const char* sql, const QString& text)
{
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
    if (rc == SQLITE_OK && !text.isNull()) {
        const QByteArray bound = text.toUtf8();
        rc = sqlite3_bind_text(statement, 1, bound.constData(), bound.size(), SQLITE_TRANSIENT);
    }
    QStringList values;
    while (rc == SQLITE_OK || rc == SQLITE_ROW) {
        rc = sqlite3_step(statement);
        if (rc == SQLITE_ROW)
            values << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        fail(rc);
    return values;
}

void EngineFile::close()
{
    if (!m_db)
        return;
    const int rc = sqlite3_close(m_db);
    if (rc != SQLITE_OK) {
        const QString detail = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        fail(rc, detail, m_path);
    }
    m_db = nullptr;
}

void EngineFile::fail(int resultCode) const
{
    fail(resultCode, QString::fromUtf8(sqlite3_errmsg(m_db)), m_path);
}

void EngineFile::fail(int resultCode, const QString& detail, const QString& path)
{
    switch (resultCode & 0xff) {
    case SQLITE_FULL:
        throw FileError(DiskFull,
            QStringLiteral("Disco pieno: spazio insufficiente per scrivere '%1'.").arg(path));
    case SQLITE_NOTADB:
        throw DbError(DbError::NotADatabase,
            QStringLiteral("Formato di database non riconosciuto '%1'.").arg(path));
    case SQLITE_CORRUPT:
        throw DbError(DbError::Damaged, QStringLiteral("Il file '%1' è danneggiato.").arg(path));
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_PERM:
        throw FileError(FileError::PermissionDenied,
            QStringLiteral("Permesso negato: impossibile aprire o scrivere '%1'.").arg(path));
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw DbError(FileInUse,
            QStringLiteral("Impossibile utilizzare il file '%1': è già in uso.").arg(path));
    case SQLITE_IOERR:
        throw FileError(DeviceError,
            QStringLiteral("Errore di I/O del dispositivo su '%1': %2").arg(path, detail));
    default:
        throw DbError(DbError::EngineFailure,
            QStringLiteral("Errore del motore di database sul file '%1': %2").arg(path, detail));
    }
}
