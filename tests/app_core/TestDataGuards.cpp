#include "app/DataCheck.h"
#include "app/DataLock.h"
#include "platform/SafeFile.h"
#include "support/DataRows.h"
#include "support/TempProgramDir.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDataGuards : public QObject
{
    Q_OBJECT

private:
    static void put(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

private Q_SLOTS:
    void lockNamesItsHolderAndTakesOverStaleOnes_data()
    {
        QTest::addColumn<QByteArray>("left"); // what an earlier copy left in the lock file
        QTest::addColumn<bool>("taken");
        // flock is gone with a killed process: a lock naming this host is stale whatever its pid.
        QTest::newRow("killed copy here") << (DataLock::thisHost().toUtf8() + "\n999999\n") << true;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("garbage") << QByteArray("\x01\x02") << true;
        // Another machine's copy cannot be seen in the flock of a share: it counts as running.
        QTest::newRow("another machine") << QByteArray("教务室电脑\n4242\n") << false;
    }

    void lockNamesItsHolderAndTakesOverStaleOnes()
    {
        QFETCH(QByteArray, left);
        QFETCH(bool, taken);
        QTemporaryDir root;
        put(root.filePath(u"xiaowu.lock"_s), left);
        DataLock lock(root.path());
        QCOMPARE(lock.acquire(), taken);
        if (!taken) {
            QCOMPARE(lock.holder().host, u"教务室电脑"_s);
            QCOMPARE(lock.holder().pid, 4242);
            QVERIFY(lock.inUseMessage().contains(u"计算机 教务室电脑，进程 4242"_s));
            QVERIFY(lock.inUseMessage().contains(QDir::toNativeSeparators(lock.path())));
            return;
        }
        // A second copy here, while this one runs, is refused and told who has the data.
        DataLock second(root.path());
        QVERIFY(!second.acquire());
        QCOMPARE(second.holder().pid, QCoreApplication::applicationPid());
        QCOMPARE(second.holder().host, DataLock::thisHost());
        lock.release();
        QVERIFY(second.acquire());
    }

    void missingFilesCountOnlyBesideTheirSiblings()
    {
        TempProgramDir dir;
        const AppPaths paths(dir.path());
        QVERIFY(DataCheck::missingFiles(paths).isEmpty());
        QVERIFY(QFile::remove(paths.database(DatabaseKind::Teacher)));
        QVERIFY(QFile::remove(paths.path(u"\\data\\003.xsk")));
        QCOMPARE(DataCheck::missingFiles(paths),
            (QStringList {paths.database(DatabaseKind::Teacher), paths.path(u"\\data\\003.xsk")}));
        // None at all is a first start.
        QTemporaryDir fresh;
        QVERIFY(DataCheck::missingFiles(AppPaths(fresh.path())).isEmpty());
    }

    void databaseHealth_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: the fresh template
        addColumns<int, int>({"kind", "health"});
        QTest::newRow("sound") << QByteArray() << int(DatabaseKind::Student) << int(DataCheck::Health::Sound);
        QTest::newRow("not a database") << QByteArray("scrambled") << int(DatabaseKind::Student)
                                        << int(DataCheck::Health::NotOurs);
        // The teachers' file under the students' name: the password stamp does not match.
        QTest::newRow("another password")
            << QByteArray("teachers") << int(DatabaseKind::Student) << int(DataCheck::Health::NotOurs);
    }

    void databaseHealth()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, kind);
        QFETCH(int, health);
        TempProgramDir dir;
        const AppPaths paths(dir.path());
        const QString file = paths.database(DatabaseKind(kind));
        if (content == "teachers") {
            QVERIFY(QFile::remove(file));
            QVERIFY(QFile::copy(paths.database(DatabaseKind::Teacher), file));
        } else if (!content.isEmpty()) {
            put(file, content);
        }
        QCOMPARE(int(DataCheck::database(file, DatabaseKind(kind))), health);
    }

    void leftoverScratchFilesGoAtTheStart()
    {
        TempProgramDir dir;
        const AppPaths paths(dir.path());
        QVERIFY(QDir().mkpath(paths.backupDir()));
        const QString killedBackup = paths.backupDir() + u"/006.xsk.part"_s;
        const QString killedWrite = paths.path(u"\\data\\001.xsk.3fa9c1.part");
        put(killedBackup, "half a backup");
        put(killedWrite, "half a sheet");
        QCOMPARE(DataCheck::removeLeftovers(paths), (QStringList {killedWrite, killedBackup}));
        QVERIFY(!QFile::exists(killedBackup) && !QFile::exists(killedWrite));
        QVERIFY(QFile::exists(paths.path(u"\\data\\001.xsk")));
    }
};

XIAOWU_TEST(TestDataGuards)
#include "TestDataGuards.moc"
