#include "accessfile.h"

#include "accesshandle.h"
#include "accessheader.h"
#include "accessproperties.h"
#include "error.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int Jet3PageSize = 2048;
constexpr int PageSize = 4096;
// The header page, the first page map and the definition of the catalog.
constexpr int FewestPages = 3;

} // namespace

DbError damagedAccessFile(const QString& path)
{
    return DbError(DbError::Damaged,
        QStringLiteral("Impossibile aprire il database '%1': il file è danneggiato o incompleto.")
            .arg(path));
}

AccessFile::AccessFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw DbError(
            DbError::FileNotFound, QStringLiteral("Impossibile trovare il file '%1'.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(DbError::ReadOnly,
            QStringLiteral("Impossibile aprire il file '%1': il file non è accessibile.")
                .arg(path));
    const QByteArray header = file.read(PageSize);
    file.close();

    const DatabaseFormat format = databaseFormat(header);
    if (!isAccessFormat(format))
        throw DbError(DbError::NotADatabase,
            QStringLiteral("Formato di database non riconosciuto '%1'.").arg(path));
    // Access writes whole pages: a file of any other length was cut short.
    const qint64 pageSize = format == DatabaseFormat::Jet3 ? Jet3PageSize : PageSize;
    if (info.size() < FewestPages * pageSize || info.size() % pageSize != 0)
        throw damagedAccessFile(path);

    switch (accessProtection(header, format)) {
    case AccessProtection::Password:
        throw DbError(DbError::BadPassword,
            QStringLiteral("Il database '%1' è protetto da una password di database: per leggerlo "
                           "occorre prima togliere la password con Access.")
                .arg(path));
    case AccessProtection::Encrypted:
        throw DbError(DbError::BadPassword,
            QStringLiteral("Il database '%1' è crittografato con una password: per leggerlo "
                           "occorre prima decrittografarlo con Access.")
                .arg(path));
    case AccessProtection::None:
        break;
    }

    // libmdb hands texts over in the character set this names, UTF-8 unless
    // it is set otherwise; the reader takes them as UTF-8.
    qunsetenv("MDBICONV");
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb)
        throw damagedAccessFile(path);
    m_handle = std::make_shared<AccessHandle>(mdb, path, info.size(), format);
    mdb_set_boolean_fmt_numbers(mdb);
    // libmdb would loop for ever on some damaged property records: they are
    // checked before it reads them.
    if (!AccessProperties::catalogReadable(mdb) || !mdb_read_catalog(mdb, MDB_TABLE))
        throw damagedAccessFile(path);
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (mdb_is_user_table(entry))
            m_tables << QString::fromUtf8(entry->object_name);
    }
}

AccessFile::~AccessFile() = default;

QString AccessFile::path() const
{
    return m_handle->path;
}

DatabaseFormat AccessFile::format() const
{
    return m_handle->format;
}
