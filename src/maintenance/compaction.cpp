// "Compatta Data Base": every register file is rebuilt compact by the engine
// and put in its own place, with its connections let go around it; a
// register held by the server is compacted there. Files saved by Access are
// left out, and named in a message after the usual one.
#include "operations.h"

#include "app/app.h"
#include "platform/busypointer.h"
#include "platform/databaseformat.h"
#include "platform/error.h"
#include "registerstore.h"
#include "store/schema.h"

#include <QDir>

namespace {

struct CompactedFile
{
    DataControl& (*connection)(Registers&);
    const char* fileName;
    const char* recordSource;
};

// The order the files are taken in, and the record source each connection
// reads once its file is back.
const CompactedFile compactedFiles[] = {
    { [](Registers& r) -> DataControl& { return r.Data3; }, "asso.mdb", "asso" },
    { [](Registers& r) -> DataControl& { return r.Data4; }, "emervol.mdb", "emervol" },
    { [](Registers& r) -> DataControl& { return r.Data1; }, "assoesp.mdb", "asso" },
    { [](Registers& r) -> DataControl& { return r.Data2; }, "voloesp.mdb", "volo" },
    { [](Registers& r) -> DataControl& { return r.Data6; }, "auto.mdb", "auto" },
    { [](Registers& r) -> DataControl& { return r.Data8; }, "car.mdb", "car" },
    { [](Registers& r) -> DataControl& { return r.Data5; }, "stor.mdb", "stor" },
    { [](Registers& r) -> DataControl& { return r.Data7; }, "pass.mdb", "pass" },
};

void reopen(App& app, DataControl& connection, const char* recordSource)
{
    QDir::setCurrent(app.g.cartellaapp);
    connection.setRecordSource(QString::fromLatin1(recordSource));
    connection.refresh();
}

} // namespace

namespace Maintenance {

void compattadatabase(App& app)
{
    QStringList accessFiles;
    {
        const BusyPointer busy;
        for (const CompactedFile& file : compactedFiles) {
            const QString name = QString::fromLatin1(file.fileName);
            DataControl& connection = file.connection(app);
            connection.closeDatabase();
            const RegisterFile& kind = *Schema::find(name);
            const QString path = app.g.cartellaapp + QLatin1Char('/') + name;
            const RegisterStore& store = RegisterStore::current();
            // A file saved by Access (TALPEX's exports) is only ever read:
            // it is left as it is, nothing written into or beside it.
            if (store.isFile(kind) && isAccessFormat(databaseFormatOfFile(path))) {
                accessFiles << name;
                continue;
            }
            // The history database opened at start-up uses the same file and
            // must let go of it too; it opens again at its next use.
            if (app.dbstor.fileName().compare(name, Qt::CaseInsensitive) == 0)
                app.dbstor.close();
            app.g.percorso1 = name;
            try {
                store.compact(kind, path);
            } catch (const OstraleError&) {
                // The file is as it was; the files after it are not compacted.
                QDir::setCurrent(app.g.cartellaapp);
                forgetReadData(app);
                throw;
            }
            reopen(app, connection, file.recordSource);
        }
        forgetReadData(app);
    }
    app.say(QStringLiteral("Data Base compattati"));
    if (!accessFiles.isEmpty())
        app.say(QStringLiteral("Non compattati, perché salvati da Access e soltanto letti dal "
                               "programma: %1.")
                    .arg(accessFiles.join(QStringLiteral(", "))));
}

} // namespace Maintenance
