// Backup, restore and compaction on the files: whole copies, refusals that leave the live file.
#include "app/accessconversion.h"
#include "maintenance/dialogfilter.h"
#include "maintenance/registercopy.h"
#include "platform/accessfile.h"
#include "platform/error.h"
#include "platform/fileengine.h"
#include "store/accesscopy.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const RegisterFile& kind(const char* fileName)
{
    return *Schema::find(QString::fromLatin1(fileName));
}

// Runs statements on a file through a connection of the test's own.
class Connection
{
public:
    // Writers work in the program's write-ahead mode; a reader leaves the file's mode alone.
    explicit Connection(const QString& path, bool writer = true)
        : m_name(QStringLiteral("test-%1").arg(++s_count))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        if (writer)
            QSqlQuery(db).exec(QStringLiteral("pragma journal_mode=WAL"));
    }
    ~Connection()
    {
        QSqlDatabase::database(m_name).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    void exec(const QString& sql)
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        if (!query.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    }
    QString value(const QString& sql)
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        if (!query.exec(sql) || !query.next())
            return QStringLiteral("<failed>");
        return query.value(0).toString();
    }

private:
    static inline int s_count = 0;
    QString m_name;
};

void makeAssociations(const QString& path, int rows, int firstCode = 0)
{
    FileEngine::createRegister(path, kind("asso.mdb"));
    Connection db(path);
    db.exec(QStringLiteral("begin"));
    for (int i = 0; i < rows; ++i)
        db.exec(QStringLiteral("insert into ASSO (CODASS, DENOM, INDIR, NUMVOL) values "
                               "('%1', 'ASSOCIAZIONE %1', '%2', 0)")
                    .arg(firstCode + i)
                    .arg(QString(200, QLatin1Char('x'))));
    db.exec(QStringLiteral("commit"));
}

// A register whose first table page after the schema is overwritten.
void makeDamaged(const QString& path)
{
    makeAssociations(path, 300);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || !file.seek(4096 + 8)
        || file.write(QByteArray(3000, 'Z')) != 3000)
        qFatal("cannot damage %s", qPrintable(path));
}

QString rowsOf(const QString& path)
{
    Connection db(path, false);
    return db.value(QStringLiteral("select count(*) || '/' || min(CODASS) from ASSO"));
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

int failureNumber(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const OstraleError& error) {
        return error.number();
    }
    return 0;
}

bool run(const QStringList& command)
{
    return QProcess::execute(command.first(), command.mid(1)) == 0;
}

int modeOf(const QString& path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

} // namespace

class TestRegisterCopy : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void copyHoldsChangesStillInTheLiveJournal();
    void fullDiskOrReadOnlyStickKeepsTheEarlierBackup();
    void copiesTakeTheModeOfTheFileTheyReplace();
    void restoreRefusesFilesThatAreNotTheRegister_data();
    void restoreRefusesFilesThatAreNotTheRegister();
    void accessCopyRefusesAMissingField();
    void startupConvertsAccessRegistersAllOrNothing();
    void compactionKeepsTheDataAndLeavesNoWorkFile();
    void sameFileSeesThroughOtherSpellings();
    void dialogFiltersTakeThePlatformForm();

private:
    QStringList filesIn(const QString& folder) const;
    QTemporaryDir m_dir;
};

void TestRegisterCopy::init()
{
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
}

QStringList TestRegisterCopy::filesIn(const QString& folder) const
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void TestRegisterCopy::copyHoldsChangesStillInTheLiveJournal()
{
    const QString live = m_dir.filePath(QStringLiteral("asso.mdb"));
    makeAssociations(live, 3);
    Connection writer(live);
    // An open writer leaves its last records in the WAL: a byte copy of the file would miss them.
    writer.exec(QStringLiteral("pragma wal_autocheckpoint=0"));
    writer.exec(QStringLiteral("insert into ASSO (CODASS, DENOM) values ('Z', 'IN CODA')"));
    QVERIFY(QFileInfo(live + QStringLiteral("-wal")).size() > 0);

    const QString saved = m_dir.filePath(QStringLiteral("copia è salvata.mdb"));
    RegisterCopy::copy(live, saved);
    QCOMPARE(rowsOf(saved), QStringLiteral("4/0"));
    // The saved file travels alone: no journal mode that needs files beside it.
    QCOMPARE(bytesOf(saved).mid(18, 2), QByteArray("\x01\x01", 2));
    QVERIFY(!QFileInfo::exists(saved + QStringLiteral("-wal")));
    QCOMPARE(filesIn(m_dir.path()).filter(QStringLiteral(".tmp")), QStringList());
}

void TestRegisterCopy::fullDiskOrReadOnlyStickKeepsTheEarlierBackup()
{
    if (::geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    const QString stick = m_dir.filePath(QStringLiteral("chiavetta"));
    QDir().mkpath(stick);
    if (!run({ QStringLiteral("mount"), QStringLiteral("-t"), QStringLiteral("tmpfs"),
            QStringLiteral("-o"), QStringLiteral("size=300k"), QStringLiteral("tmpfs"), stick }))
        QSKIP("this machine does not let a test mount a file system");
    struct Unmount
    {
        QString folder;
        ~Unmount() { run({ QStringLiteral("umount"), folder }); }
    } unmount { stick };

    const QString live = m_dir.filePath(QStringLiteral("asso.mdb"));
    makeAssociations(live, 2, 500);
    const QString saved = stick + QStringLiteral("/assosalvo.mdb");
    RegisterCopy::copy(live, saved);
    const QByteArray earlier = bytesOf(saved);
    QCOMPARE(rowsOf(saved), QStringLiteral("2/500"));
    // The register has grown past what the stick holds.
    makeAssociations(live, 3000, 10000);
    const QByteArray liveBefore = bytesOf(live);
    QCOMPARE(failureNumber([&] { RegisterCopy::copy(live, saved); }), 61);
    QCOMPARE(bytesOf(saved), earlier);
    QCOMPARE(filesIn(stick), QStringList { QStringLiteral("assosalvo.mdb") });
    QCOMPARE(bytesOf(live), liveBefore);
    // A stick that is write-protected.
    QVERIFY(run(
        { QStringLiteral("mount"), QStringLiteral("-o"), QStringLiteral("remount,ro"), stick }));
    makeAssociations(live, 0);
    QCOMPARE(
        failureNumber([&] { RegisterCopy::copy(live, saved); }), int(FileError::PermissionDenied));
    QCOMPARE(bytesOf(saved), earlier);
    QCOMPARE(filesIn(stick), QStringList { QStringLiteral("assosalvo.mdb") });
    // A stick with no room left, even for a small register.
    QVERIFY(run(
        { QStringLiteral("mount"), QStringLiteral("-o"), QStringLiteral("remount,rw"), stick }));
    const int fd = ::open(QFile::encodeName(stick + QStringLiteral("/riempitivo")).constData(),
        O_WRONLY | O_CREAT, 0644);
    const QByteArray block(4096, 'x');
    while (fd >= 0 && ::write(fd, block.constData(), block.size()) > 0) { }
    ::close(fd);
    QCOMPARE(failureNumber([&] { RegisterCopy::copy(live, saved); }), 61);
    QCOMPARE(bytesOf(saved), earlier);
    QCOMPARE(filesIn(stick),
        (QStringList { QStringLiteral("assosalvo.mdb"), QStringLiteral("riempitivo") }));
}

// Another account or a backup tool must read the copies as it read the files they replace.
void TestRegisterCopy::copiesTakeTheModeOfTheFileTheyReplace()
{
    struct Mask
    {
        mode_t earlier = ::umask(0002);
        ~Mask() { ::umask(earlier); }
    } mask;
    const QString live = m_dir.filePath(QStringLiteral("asso.mdb"));
    makeAssociations(live, 3);
    QCOMPARE(::chmod(QFile::encodeName(live).constData(), 0640), 0);
    RegisterCopy::compact(live);
    QCOMPARE(modeOf(live), 0640);

    const QString saved = m_dir.filePath(QStringLiteral("assosalvo.mdb"));
    RegisterCopy::copy(live, saved);
    QCOMPARE(modeOf(saved), 0664);
    QCOMPARE(::chmod(QFile::encodeName(saved).constData(), 0604), 0);
    RegisterCopy::copy(live, saved);
    QCOMPARE(modeOf(saved), 0604);

    RegisterCopy::restore(saved, live, kind("asso.mdb"));
    QCOMPARE(modeOf(live), 0640);
    QCOMPARE(rowsOf(live), QStringLiteral("3/0"));
}

void TestRegisterCopy::restoreRefusesFilesThatAreNotTheRegister_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("number");
    QTest::newRow("text file") << "text" << 3343;
    QTest::newRow("empty file") << "empty" << 3343;
    QTest::newRow("damaged database") << "damaged" << 3049;
    QTest::newRow("volunteers register") << "volunteers" << 3078;
    QTest::newRow("exported associations") << "exported" << 3265;
    QTest::newRow("a field renamed") << "renamed" << 3265;
    QTest::newRow("missing file") << "missing" << 3024;
}

void TestRegisterCopy::restoreRefusesFilesThatAreNotTheRegister()
{
    QFETCH(QString, content);
    QFETCH(int, number);
    const QString live = m_dir.filePath(QStringLiteral("asso.mdb"));
    makeAssociations(live, 5, 100);
    const QString chosen = m_dir.filePath(QStringLiteral("scelto.mdb"));
    QFile file(chosen);
    if (content == QLatin1String("text") || content == QLatin1String("empty")) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (content == QLatin1String("text"))
            file.write("CODASS;DENOM\r\n001;ALFA\r\n");
        file.close();
    } else if (content == QLatin1String("damaged")) {
        makeDamaged(chosen);
    } else if (content == QLatin1String("volunteers")) {
        FileEngine::createRegister(chosen, kind("emervol.mdb"));
    } else if (content == QLatin1String("exported")) {
        FileEngine::createRegister(chosen, kind("assoesp.mdb"));
    } else if (content == QLatin1String("renamed")) {
        // Same field count, one renamed and in no key or index, so copying keys alone would fit.
        Connection db(chosen);
        for (const QString& statement : FileEngine::createStatements(kind("asso.mdb")))
            db.exec(QString(statement).replace(QStringLiteral(" INDIR "), QStringLiteral(" VIA ")));
        db.exec(QStringLiteral("insert into ASSO (CODASS, DENOM) values ('9', 'NOVE')"));
    }
    const QByteArray before = bytesOf(live);
    const QByteArray chosenBefore = bytesOf(chosen);
    const QStringList filesBefore = filesIn(m_dir.path());

    QCOMPARE(failureNumber([&] { RegisterCopy::restore(chosen, live, kind("asso.mdb")); }), number);
    QCOMPARE(bytesOf(live), before);
    QCOMPARE(bytesOf(chosen), chosenBefore);
    QCOMPARE(rowsOf(live), QStringLiteral("5/100"));
    QCOMPARE(filesIn(m_dir.path()), filesBefore);
}

void TestRegisterCopy::accessCopyRefusesAMissingField()
{
    const AccessFile access(QStringLiteral(OSTRALE_TEST_DATA "/access/V2000-test.mdb"));
    const RegisterFile lacking { QStringLiteral("prova.mdb"), QStringLiteral("TABLE1"),
        { "A", "ZZ" }, {}, {}, {} };
    const QString target = m_dir.filePath(QStringLiteral("prova.mdb"));
    QCOMPARE(failureNumber([&] { AccessCopy::copy(access, target, lacking); }), 3265);
    QVERIFY(!QFile::exists(target));
}

void TestRegisterCopy::startupConvertsAccessRegistersAllOrNothing()
{
    const QString files = QStringLiteral(OSTRALE_TEST_SCENARIOS "/files/access/");
    const QByteArray volunteers = bytesOf(files + "emervol-access.mdb");
    const QByteArray history = bytesOf(files + "stor-access.mdb");
    const auto put = [&](const char* name, const QByteArray& bytes) {
        QFile file(m_dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    };
    const auto converted = [&] {
        QStringList names;
        for (const AccessConversion::Converted& file :
            AccessConversion::convertFolder(m_dir.path()))
            names << file.fileName + '>' + file.originalName;
        return names;
    };
    put("emervol.mdb", volunteers);
    put("stor.mdb", bytesOf(QStringLiteral(OSTRALE_TEST_DATA "/access/V2000-test.mdb")));
    // One file that cannot be converted: nothing is, and no file is left.
    const QStringList before = filesIn(m_dir.path());
    QCOMPARE(failureNumber(converted), 3078);
    QCOMPARE(filesIn(m_dir.path()), before);
    // A start killed mid-rename left a link and a copy; a same-named non-original is left alone.
    put("stor.mdb", history);
    put("stor-access-originale.mdb", "altro");
    put("stor-access-originale-2.mdb", history);
    QCOMPARE(::link(QFile::encodeName(m_dir.filePath("emervol.mdb")).constData(),
                 QFile::encodeName(m_dir.filePath("emervol-access-originale.mdb")).constData()),
        0);
    QCOMPARE(converted(),
        QStringList({ "emervol.mdb>emervol-access-originale.mdb",
            "stor.mdb>stor-access-originale-2.mdb" }));
    QCOMPARE(bytesOf(m_dir.filePath("emervol-access-originale.mdb")), volunteers);
    QCOMPARE(bytesOf(m_dir.filePath("stor-access-originale.mdb")), QByteArray("altro"));
    QCOMPARE(filesIn(m_dir.path()).size(), 5);
}

void TestRegisterCopy::compactionKeepsTheDataAndLeavesNoWorkFile()
{
    const QString live = m_dir.filePath(QStringLiteral("asso.mdb"));
    makeAssociations(live, 2000);
    {
        Connection db(live);
        db.exec(QStringLiteral("delete from ASSO where CAST(CODASS AS INTEGER) >= 10"));
    }
    const qint64 before = QFileInfo(live).size();
    RegisterCopy::compact(live);
    RegisterCopy::compact(live);
    QVERIFY2(QFileInfo(live).size() < before / 10,
        qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(QFileInfo(live).size())));
    QCOMPARE(rowsOf(live), QStringLiteral("10/0"));
    QCOMPARE(filesIn(m_dir.path()), QStringList { QStringLiteral("asso.mdb") });
    // A file another connection holds is not swapped under it.
    Connection holder(live);
    holder.exec(QStringLiteral("begin"));
    holder.exec(QStringLiteral("insert into ASSO (CODASS, DENOM) values ('X', 'X')"));
    QCOMPARE(failureNumber([&] { RegisterCopy::compact(live); }), 3045);
    holder.exec(QStringLiteral("commit"));
    QCOMPARE(rowsOf(live), QStringLiteral("11/0"));
}

void TestRegisterCopy::sameFileSeesThroughOtherSpellings()
{
    const QString live = m_dir.filePath(QStringLiteral("asso.mdb"));
    makeAssociations(live, 1);
    QVERIFY(QFile::link(live, m_dir.filePath(QStringLiteral("link.mdb"))));
    QVERIFY(RegisterCopy::sameFile(m_dir.filePath(QStringLiteral("link.mdb")), live));
    QVERIFY(!RegisterCopy::sameFile(m_dir.filePath(QStringLiteral("assosalvo.mdb")), live));
    RegisterCopy::copy(live, m_dir.filePath(QStringLiteral("assosalvo.mdb")));
    QVERIFY(!RegisterCopy::sameFile(m_dir.filePath(QStringLiteral("assosalvo.mdb")), live));
}

void TestRegisterCopy::dialogFiltersTakeThePlatformForm()
{
    QCOMPARE(DialogFilter::toPlatform(DialogFilter::backup),
        QStringLiteral("File access (*.MDB) (*.mdb);;Tutti i file (*.*)"));
    QCOMPARE(DialogFilter::toPlatform(DialogFilter::restore),
        QStringLiteral("(*.mdb);;Tutti i file (*.*)"));
}

QTEST_GUILESS_MAIN(TestRegisterCopy)
#include "tst_registercopy.moc"
