#include "bareimport.h"

#include "barecopy.h"
#include "platform/fileengine.h"
#include "sqlitehandle.h"
#include "store/schema.h"
#include "timing.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

namespace {

class Statement
{
public:
    Statement(const SqliteHandle& engine, const char* sql)
        : m_engine(engine)
    {
        if (sqlite3_prepare_v2(engine.get(), sql, -1, &m_statement, nullptr) != SQLITE_OK)
            engine.fail(QString::fromLatin1(sql));
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return m_statement; }
    [[noreturn]] void fail() const { m_engine.fail(QString::fromUtf8(sqlite3_sql(m_statement))); }

private:
    const SqliteHandle& m_engine;
    sqlite3_stmt* m_statement = nullptr;
};

// Each association's volunteers with the association's part of the record,
// in the archive's field order.
const char* exportRecords
    = "select a.CODASS, v.CODVOL, a.DENOM, a.INDIR, a.CAP, a.CITTA, a.PROV, a.TEL, a.FAX, "
      "a.MAIL, v.COGN, v.NOME, v.SPEC from talpexa.ASSO a join talpexv.VOLO v "
      "on v.CODASS = a.CODASS";
const char* insertRecord = "insert into STOR (CODASS, CODVOL, DENOM, INDIR, CAP, CITTA, PROV, "
                           "TEL, FAX, MAIL, COGN, NOME, SPEC) values (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                           "?, ?, ?, ?)";

} // namespace

namespace BareImport {

double measure(const QString& folder, qint64& loaded)
{
    const QDir dir(folder);
    const QString copy = dir.filePath(QStringLiteral("storbare.mdb"));
    for (const char* suffix : { "", "-wal", "-shm" })
        QFile::remove(copy + QLatin1String(suffix));
    BareCopy::backup(dir.filePath(QStringLiteral("stor.mdb")), copy);
    const RegisterFile& stor = *Schema::find(QStringLiteral("stor.mdb"));
    const QStringList indexes = FileEngine::createStatements(stor).mid(1);

    loaded = 0;
    return Timing::milliseconds([&] {
        const SqliteHandle engine(copy);
        // The settings the program works with, and the cache its import takes.
        engine.exec(QStringLiteral("pragma journal_mode=WAL"));
        engine.exec(QStringLiteral("pragma synchronous=FULL"));
        engine.exec(QStringLiteral("pragma cache_size=-1048576"));
        engine.exec(QStringLiteral("attach database '%1' as talpexa")
                        .arg(dir.filePath(QStringLiteral("assoesp.mdb"))));
        engine.exec(QStringLiteral("attach database '%1' as talpexv")
                        .arg(dir.filePath(QStringLiteral("voloesp.mdb"))));
        engine.exec(QStringLiteral("begin"));
        engine.exec(QStringLiteral(
            "delete from main.STOR where DENOM in (select DENOM from talpexa.ASSO)"));
        Statement names(engine,
            "select name from main.sqlite_master where type = 'index' and tbl_name = 'STOR' "
            "and sql is not null");
        QStringList dropped;
        while (sqlite3_step(names.get()) == SQLITE_ROW)
            dropped << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(names.get(), 0)));
        for (const QString& index : dropped)
            engine.exec(QStringLiteral("drop index main.%1").arg(index));
        {
            const Statement read(engine, exportRecords);
            const Statement insert(engine, insertRecord);
            int rc;
            while ((rc = sqlite3_step(read.get())) == SQLITE_ROW) {
                for (int field = 0; field < 13; ++field)
                    sqlite3_bind_value(
                        insert.get(), field + 1, sqlite3_column_value(read.get(), field));
                if (sqlite3_step(insert.get()) != SQLITE_DONE)
                    insert.fail();
                sqlite3_reset(insert.get());
                ++loaded;
            }
            if (rc != SQLITE_DONE)
                read.fail();
        }
        for (const QString& statement : indexes)
            engine.exec(statement);
        engine.exec(QStringLiteral("commit"));
        engine.exec(QStringLiteral("detach talpexa"));
        engine.exec(QStringLiteral("detach talpexv"));
    });
}

} // namespace BareImport
