#include "schema.h"

#include <QFileInfo>

namespace {

QStringList split(const char* fields)
{
    return QString::fromLatin1(fields).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QList<RegisterFile> buildRegisterFiles()
{
    const QStringList assoFields = split("CODASS DENOM INDIR CAP CITTA PROV TEL FAX MAIL CAMPO "
                                         "NVOLIN NUMVOL CFISC SPEC DATA1 DATAU RESP TELRESP NOTE3");
    const QStringList volunteerFields
        = split("CODVOL DENOM COGNOME NOME CAMPO TENDA SPEC DATAAR ORAAR DATAPA ORAPA");
    const QStringList counts = split("NVOLIN NUMVOL");

    QList<RegisterFile> files;
    files << RegisterFile { QStringLiteral("assoesp.mdb"), QStringLiteral("ASSO"),
        assoFields + split("NOTE NOTE2 NUMPROG"), counts, {}, { split("CODASS"), split("DENOM") },
        true };
    files << RegisterFile { QStringLiteral("voloesp.mdb"), QStringLiteral("VOLO"),
        split("CODVOL CODASS COGN NOME INDIR CAP CITTA PROV TEL FAX MAIL SPEC CODFISC DATANA "
              "LUOGONA PROVNA NOTE NOTE2 NOTE3"),
        {}, {}, { split("CODASS COGN") }, true };
    files << RegisterFile { QStringLiteral("asso.mdb"), QStringLiteral("ASSO"), assoFields, counts,
        { split("DENOM"), split("CODASS") }, {} };
    // The volunteers are read in association order by most lists and counts:
    // that index holds every field, so those reads never leave it.
    files << RegisterFile { QStringLiteral("emervol.mdb"), QStringLiteral("EMERVOL"),
        volunteerFields, {}, { split("CODVOL") },
        { split("DENOM COGNOME NOME CODVOL CAMPO TENDA SPEC DATAAR ORAAR DATAPA ORAPA"),
            split("COGNOME NOME") },
        false, true };
    files << RegisterFile { QStringLiteral("stor.mdb"), QStringLiteral("STOR"),
        split("CODASS CODVOL DENOM COGN NOME INDIR CAP CITTA PROV TEL FAX MAIL SPEC"), {}, {},
        { split("CODASS CODVOL"), split("DENOM COGN NOME") } };
    files << RegisterFile { QStringLiteral("auto.mdb"), QStringLiteral("AUTO"),
        split("CODASS DENOM DESCR STATO CAMPO DATAAR ORAAR DATAPA ORAPA NOTE"), {},
        { split("DENOM DESCR") }, {}, false, true };
    files << RegisterFile { QStringLiteral("pass.mdb"), QStringLiteral("PASS"), volunteerFields, {},
        {}, {} };
    files << RegisterFile { QStringLiteral("car.mdb"), QStringLiteral("CAR"),
        split("CODVOL COGNOME ASSOCIAZIONE PORTA MOTIVAZIONE NOTE DATAIN ORAIN DATAOUT ORAOUT"), {},
        {}, { split("CODVOL"), split("DATAOUT DATAIN ORAIN"), split("DATAIN DATAOUT ORAOUT") } };
    return files;
}

} // namespace

namespace Schema {

const QList<RegisterFile>& registerFiles()
{
    static const QList<RegisterFile> files = buildRegisterFiles();
    return files;
}

const RegisterFile* find(const QString& fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    for (const RegisterFile& file : registerFiles())
        if (file.fileName.compare(name, Qt::CaseInsensitive) == 0)
            return &file;
    return nullptr;
}

DbError tableMissing(const QString& path, const RegisterFile& file)
{
    return DbError(DbError::TableNotFound,
        QStringLiteral("Il file '%1' non contiene la tabella %2: non è un archivio '%3'.")
            .arg(path, file.table, file.fileName));
}

DbError fieldMissing(const QString& path, const RegisterFile& file, const QString& field)
{
    return DbError(DbError::ItemNotFound,
        QStringLiteral("Nella tabella %2 del file '%1' manca il campo %4: non è un archivio '%3'.")
            .arg(path, file.table, file.fileName, field));
}

} // namespace Schema
