#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include "settings/AppSettings.h"
#include "settings/StoreSection.h"
#include "text/GbText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStoreSection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reads_data()
    {
        addColumns<QString, bool>({"ini", "server"});
        QTest::addColumn<QString>("connection"); // or the error's start
        QTest::newRow("no section: the files") << u"[School]\r\nName=甲\r\n"_s << false << QString();
        QTest::newRow("SQLite named") << u"[Store]\r\nKind=sqlite\r\n"_s << false << QString();
        QTest::newRow("server, defaults")
            << u"[store]\r\nkind=PostgreSQL\r\nHost=10.0.0.5\r\n"_s << true
            << u"host='10.0.0.5' port=5432 dbname='xiaowu' sslmode='prefer' connect_timeout=5 application_name=xiaowu"_s;
        QTest::newRow("server, every key, quotes kept apart")
            << u"[Store]\r\nKind=PostgreSQL\r\nHost=db\r\nPort=6543\r\nDatabase=校务\r\nUser=o'k\r\nSslMode=require\r\n"
               u"Password=never\r\n"_s
            << true
            << u"host='db' port=6543 dbname='校务' user='o\\'k' sslmode='require' connect_timeout=5 application_name=xiaowu"_s;
        QTest::newRow("unknown kind") << u"[Store]\r\nKind=Oracle\r\n"_s << false << u"[Store] Kind=Oracle"_s;
        QTest::newRow("bad port") << u"[Store]\r\nKind=PostgreSQL\r\nPort=99999\r\n"_s << false << u"[Store] Port"_s;
    }
    void reads()
    {
        QFETCH(QString, ini);
        QFETCH(bool, server);
        QFETCH(QString, connection);
        QTemporaryDir dir;
        QFile file(dir.filePath(u"config.ini"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(GbText::toBytes(ini));
        file.close();
        const StoreSection::Result result = StoreSection::read(AppSettings(file.fileName()));
        QCOMPARE(result.server.has_value(), server);
        if (server)
            QCOMPARE(result.server->connectionInfo(), connection); // a password there is not read
        else
            QVERIFY(result.error.startsWith(connection));
    }
};

XIAOWU_TEST(TestStoreSection)
#include "TestStoreSection.moc"
