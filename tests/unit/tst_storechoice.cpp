// The connection string as libpq reads it, and the store chosen by command line and setting.
#include "app/storechoice.h"
#include "platform/conninfo.h"
#include "platform/textfile.h"

#include <QTemporaryDir>
#include <QtTest>

class TestStoreChoice : public QObject
{
    Q_OBJECT

private slots:
    void parsed_data();
    void parsed();
    void refused_data();
    void refused();
    void commandLineAndSetting();
};

void TestStoreChoice::parsed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("server");
    QTest::newRow("plain") << " host=/tmp/pg dbname=camp user=desk "
                           << "user"
                           << "desk"
                           << "host=/tmp/pg dbname=camp";
    QTest::newRow("quoted, blanks round =") << "application_name = 'desk uno' dbname=camp"
                                            << "application_name"
                                            << "desk uno"
                                            << "dbname=camp";
    QTest::newRow("escapes") << R"(password='it\'s \\ x' host=h port=5433)"
                             << "password"
                             << R"(it's \ x)"
                             << "host=h port=5433";
    QTest::newRow("last one wins") << "dbname=a dbname=b"
                                   << "dbname"
                                   << "b"
                                   << "dbname=b";
}

void TestStoreChoice::parsed()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, server);
    QString why;
    const std::optional<ConnInfo> info = ConnInfo::parse(text, &why);
    QVERIFY2(info, qPrintable(why));
    QCOMPARE(info->text(), text.trimmed());
    QCOMPARE(info->value(key), value);
    QCOMPARE(info->server(), server);
}

void TestStoreChoice::refused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");
    QTest::newRow("uri") << "postgresql://desk@server1/camp"
                         << "chiave=valore";
    QTest::newRow("semicolon") << "host=h password=a;b"
                               << "';'";
    QTest::newRow("no =") << "host=h camp"
                          << "manca \"=\" dopo \"camp\"";
    QTest::newRow("open quote") << "dbname='camp"
                                << "non chiude l'apice";
    QTest::newRow("blank") << "  "
                           << "vuota";
}

void TestStoreChoice::refused()
{
    QFETCH(QString, text);
    QFETCH(QString, reason);
    QString why;
    QVERIFY(!ConnInfo::parse(text, &why));
    QVERIFY2(why.contains(reason), qPrintable(why));
}

void TestStoreChoice::commandLineAndSetting()
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString setting = folder + QStringLiteral("/server.txt");
    const QString home = QStringLiteral("/home/x/Ostrale");
    // The files, in the home folder or the one named.
    StoreChoice files = StoreChoice::fromArguments({ "ostrale" }, home);
    files.readSetting();
    QCOMPARE(files.folder(), home);
    QVERIFY(!files.onServer());
    QVERIFY(files.refusal().isEmpty());
    // A server for this start only: nothing is kept in the folder.
    StoreChoice once
        = StoreChoice::fromArguments({ "ostrale", "--server", "host=/s dbname=c" }, folder);
    once.keepSetting();
    QCOMPARE(once.conninfo(), QStringLiteral("host=/s dbname=c"));
    QVERIFY(!QFileInfo::exists(setting));
    // The command line wins over the setting file (its keeping and reading are start_on_server's).
    TextFile::writeLines(setting, { "host=/s dbname=c" });
    StoreChoice other
        = StoreChoice::fromArguments({ "ostrale", "--server", "dbname=other" }, folder);
    other.readSetting();
    QCOMPARE(other.conninfo(), QStringLiteral("dbname=other"));
    // A setting file without a connection string never falls back on the files.
    TextFile::writeLines(setting, { QString() });
    StoreChoice empty = StoreChoice::fromArguments({ "ostrale", folder }, home);
    empty.readSetting();
    QVERIFY2(empty.refusal().contains(setting), qPrintable(empty.refusal()));

    StoreChoice missing = StoreChoice::fromArguments({ "ostrale", "--server" }, home);
    QVERIFY(missing.refusal().contains("--server"));
    StoreChoice uri
        = StoreChoice::fromArguments({ "ostrale", "--server", "postgresql://h/c" }, home);
    QVERIFY(uri.refusal().contains("chiave=valore"));
    QVERIFY(!uri.onServer());
}

QTEST_GUILESS_MAIN(TestStoreChoice)
#include "tst_storechoice.moc"
