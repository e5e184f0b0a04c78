#include "maintenance/DataMaintenance.h"
#include "maintenance/DatabaseBackup.h"
#include "maintenance/SystemInitialisation.h"
#include "store/DatabaseTemplate.h"
#include "store/DbConnection.h"
#include "store/PinyinCollation.h"
#include "support/DataRows.h"
#include "support/FakeServices.h"
#include "support/TestRegistry.h"
#include "wages/WageTableFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <algorithm>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Rows per table, to compare a copy with its original.
QMap<QString, qint64> rowCounts(const QString& path)
{
    QMap<QString, qint64> counts;
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QStringList tables;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type='table'", -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW)
        tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    for (const QString& table : std::as_const(tables)) {
        const QByteArray sql = "SELECT count(*) FROM \"" + table.toUtf8() + '"';
        sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr);
        if (sqlite3_step(statement) == SQLITE_ROW)
            counts.insert(table, sqlite3_column_int64(statement, 0));
        sqlite3_finalize(statement);
    }
    sqlite3_close_v2(db);
    return counts;
}

// What a crash in the middle of a large transaction leaves beside a database: a hot journal.
QByteArray hotJournal(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    PinyinCollation::registerOn(db);
    sqlite3_exec(db, "PRAGMA cache_size=1; BEGIN; DELETE FROM 评语表;", nullptr, nullptr, nullptr);
    const QByteArray journal = bytesOf(path + u"-journal"_s);
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return journal;
}

// A program directory with its students and teachers open, as the main window holds them.
struct School
{
    School()
    {
        studentDb.openSchool(DatabaseKind::Student, desk.paths.database(DatabaseKind::Student));
        teacherDb.openSchool(DatabaseKind::Teacher, desk.paths.database(DatabaseKind::Teacher));
    }
    QString data(int part) const { return desk.paths.path(DataMaintenance::dataRelativePath(part)); }
    QString backup(int part) const { return desk.paths.path(DataMaintenance::backupRelativePath(part)); }
    QList<QByteArray> files(QString (School::*where)(int) const) const
    {
        QList<QByteArray> all;
        for (int part = 0; part < DataMaintenance::PartCount; ++part)
            all << bytesOf((this->*where)(part));
        return all;
    }
    DataMaintenance maintenance() { return DataMaintenance(desk.paths, desk.fileOps, studentDb, teacherDb, adminDb); }
    void changeData()
    {
        QVERIFY(studentDb.execute(u"DELETE FROM 评语表 WHERE 编号 = (SELECT min(编号) FROM 评语表)"_s));
    }

    FakeServices desk;
    DbConnection studentDb;
    DbConnection teacherDb;
    DbConnection adminDb;
};

const QList<int> allParts {0, 1, 2, 3, 4, 5, 6, 7};

} // namespace

class TestDataMaintenance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void backupWritesOnlyTickedParts_data()
    {
        addColumns<QList<int>, QString>({"parts", "steps"});
        QTest::newRow("administrators") << QList<int> {2}
                                        << u"正在备份管理员数据文件...\r\n√完成管理员数据文件的备份\r\n"_s;
        QTest::newRow("wage table 2") << QList<int> {4}
                                      << u"正在备份教员工资表2的数据...\r\n√完成教员工资表2数据的备份\r\n"_s;
        QTest::newRow("students, teachers") << QList<int> {0, 1}
                                            << u"正在备份学生数据文件...\r\n√完成学生数据文件的备份\r\n"
                                               u"正在备份教员数据文件...\r\n√完成教员数据文件的备份\r\n"_s;
    }
    void backupWritesOnlyTickedParts()
    {
        QFETCH(QList<int>, parts);
        QFETCH(QString, steps);
        School school;
        for (int part = 0; part < DataMaintenance::PartCount; ++part)
            writeBytes(school.backup(part), "old");
        const auto result = school.maintenance().backup(parts);
        QCOMPARE(result.log,
            u"正在准备备份系统数据...\r\n备份系统数据可能需要几分钟的时间，请稍侯...    \r\n\r\n"_s + steps
                + u"备份系统数据完成！"_s);
        QCOMPARE(result.message, u"备份系统数据完成！"_s);
        QCOMPARE(result.icon, Prompt::Icon::Information);
        for (int part = 0; part < DataMaintenance::PartCount; ++part) {
            const QByteArray backup = bytesOf(school.backup(part));
            if (!parts.contains(part))
                QCOMPARE(backup, QByteArray("old"));
            else if (part >= 3)
                QCOMPARE(backup, bytesOf(school.data(part)));
            else
                QVERIFY(DatabaseBackup::verify(
                    school.backup(part), DatabaseKinds::password(static_cast<DatabaseKind>(part))));
        }
    }

    void backupOfOpenDatabaseIsWholeAndChecked_data()
    {
        QTest::addColumn<QString>("journal");
        QTest::newRow("rollback journal, copied whole") << u"delete"_s;
        QTest::newRow("write-ahead log, page by page") << u"wal"_s;
    }
    void backupOfOpenDatabaseIsWholeAndChecked()
    {
        SKIP_ON_SERVER("compares the backup with the data file itself");
        QFETCH(QString, journal);
        School school;
        QDir(school.desk.paths.backupDir()).removeRecursively();
        QVERIFY(school.studentDb.execute(u"PRAGMA journal_mode="_s + journal));
        school.changeData();
        DataMaintenance maintenance = school.maintenance();
        QList<int> percents;
        maintenance.onProgress = [&percents](int percent) { percents << percent; };
        const auto result = maintenance.backup(allParts);
        QCOMPARE(result.errors, QString());
        QVERIFY(!percents.isEmpty());
        QVERIFY(std::is_sorted(percents.cbegin(), percents.cend()));
        QCOMPARE(percents.last(), 100);
        QString error;
        QVERIFY2(DatabaseBackup::verify(school.backup(0), DatabaseKinds::password(DatabaseKind::Student), &error),
            qPrintable(error));
        QCOMPARE(rowCounts(school.backup(0)), rowCounts(school.data(0)));
        QVERIFY(!rowCounts(school.backup(0)).isEmpty());
        QVERIFY(!QFile::exists(school.backup(0) + u".part"_s));
    }

    void failedBackupKeepsTheOldOne_data()
    {
        addColumns<int, QString, QString>({"part", "failure", "listed"});
        QTest::newRow("students mid-transaction")
            << 0 << u"\r\n★★★备份学生数据文件失败！★★★\r\n"_s << u"备份学生数据文件失败！\r\n"_s;
        QTest::newRow("damaged wage file")
            << 3 << u"\r\n★★★备份教员工资表1数据失败！★★★\r\n"_s << u"备份教员工资表1数据失败！\r\n"_s;
    }
    void failedBackupKeepsTheOldOne()
    {
        QFETCH(int, part);
        QFETCH(QString, failure);
        QFETCH(QString, listed);
        School school;
        school.maintenance().backup(allParts);
        const QList<QByteArray> before = school.files(&School::backup);
        if (part == 0) {
            QVERIFY(school.studentDb.beginTransaction());
            school.changeData();
        } else {
            writeBytes(school.data(part), QByteArray(64, 'x'));
        }
        const auto result = school.maintenance().backup(allParts);
        QVERIFY(result.log.contains(failure));
        QCOMPARE(result.errors, listed);
        QCOMPARE(result.message, u"备份系统数据完成！但有错误！！！\r\n\r\n"_s + listed);
        QCOMPARE(result.title, u"错误"_s);
        QCOMPARE(result.icon, Prompt::Icon::Error);
        QCOMPARE(bytesOf(school.backup(part)), before[part]);
        QVERIFY(result.log.endsWith(u"√完成教员工资表5数据的备份\r\n备份系统数据完成！"_s));
    }

    void restoreRefusesBadBackups_data()
    {
        addColumns<QString, int, QString>({"damage", "part", "reason"});
        QTest::newRow("no backup folder") << u"missing folder"_s << 0 << u"找不到备份数据文件："_s;
        QTest::newRow("truncated") << u"truncate"_s << 0 << u"备份数据文件已损坏："_s;
        QTest::newRow("foreign") << u"foreign"_s << 1 << u"备份数据文件已损坏："_s;
        QTest::newRow("wrong password") << u"other password"_s << 2 << u"备份数据文件已损坏："_s;
        QTest::newRow("undeciphered wage") << u"garbage"_s << 5 << u"备份数据文件已损坏："_s;
    }
    void restoreRefusesBadBackups()
    {
        QFETCH(QString, damage);
        QFETCH(int, part);
        QFETCH(QString, reason);
        School school;
        school.maintenance().backup(allParts);
        school.changeData();
        const QString bad = school.backup(part);
        if (damage == u"missing folder"_s) {
            QDir(school.desk.paths.backupDir()).removeRecursively();
        } else if (damage == u"truncate"_s) {
            writeBytes(bad, bytesOf(bad).left(bytesOf(bad).size() / 2));
        } else if (damage == u"foreign"_s) {
            QFile::remove(bad);
            sqlite3* db = nullptr;
            sqlite3_open(QFile::encodeName(bad).constData(), &db);
            sqlite3_exec(db, "CREATE TABLE t(x); INSERT INTO t VALUES(1)", nullptr, nullptr, nullptr);
            sqlite3_close(db);
        } else if (damage == u"other password"_s) {
            writeBytes(bad, bytesOf(school.backup(0)));
        } else {
            writeBytes(bad, bytesOf(bad).replace(0, 8, "garbage!"));
        }
        const QList<QByteArray> before = school.files(&School::data);
        const auto result = school.maintenance().restore(allParts);
        const QString path = QDir::toNativeSeparators(bad);
        QCOMPARE(result.message, u"还原数据操作非正常终止！\r\n\r\n"_s + reason + u"\r\n"_s + path);
        QCOMPARE(result.title, u"错误"_s);
        QVERIFY(result.log.endsWith(u"\r\n★★★还原数据操作非正常终止！"_s + reason + u"\r\n"_s + path + u"\r\n"_s));
        QCOMPARE(school.files(&School::data), before);
        QVERIFY(school.studentDb.isOpen() && school.teacherDb.isOpen());
    }

    void restoreBringsBackTheBackup()
    {
        SKIP_ON_SERVER("the data file and its hot journal");
        School school;
        school.maintenance().backup(allParts);
        const auto saved = rowCounts(school.backup(0));
        school.changeData();
        QVERIFY(rowCounts(school.data(0)) != saved);
        const QByteArray journal = hotJournal(school.data(0));
        QVERIFY(journal.size() > 4096);
        writeBytes(school.data(0) + u"-journal"_s, journal);
        writeBytes(school.data(6), WageTableFile::seal("not a sheet"));
        const auto result = school.maintenance().restore(allParts);
        QCOMPARE(result.message, u"还原系统数据完成！"_s);
        QVERIFY(result.log.contains(u"正在还原学生数据文件...\r\n√完成学生数据文件的还原\r\n"_s));
        QVERIFY(result.log.contains(u"正在还原教员工资表4的数据...\r\n√完成教员工资表4数据的还原\r\n"_s));
        QVERIFY(!QFile::exists(school.data(0) + u"-journal"_s));
        QVERIFY(school.studentDb.isOpen() && school.teacherDb.isOpen());
        QCOMPARE(rowCounts(school.data(0)), saved);
        QCOMPARE(bytesOf(school.data(6)), bytesOf(school.backup(6)));
        QVERIFY(DatabaseBackup::verify(school.data(0), DatabaseKinds::password(DatabaseKind::Student)));
    }

    void initialisation_data() { addSwitchRows("failWrites", {{"reset", false}, {"a write fails", true}}); }
    void initialisation()
    {
        QFETCH(bool, failWrites);
        School school;
        school.changeData();
        const QList<QByteArray> before = school.files(&School::data);
        school.desk.fileOps.failWrites = failWrites;
        QStringList calls;
        SystemInitialisation::Hooks hooks;
        hooks.closeConnections = [&] {
            calls << u"close"_s;
            school.studentDb.close();
            school.teacherDb.close();
        };
        hooks.reopenConnections = [&] { calls << u"reopen"_s; };
        hooks.quit = [&] { calls << u"quit"_s; };
        hooks.program = u"/opt/xiaowu/xiaowu"_s;
        SystemInitialisation reset(school.desk.services, school.desk.paths);
        QCOMPARE(reset.run(hooks), !failWrites);
        const auto& boxes = school.desk.prompt.boxes();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0].title, u"警告：系统数据初始化将会删除系统内当前的所有数据！！！"_s);
        QCOMPARE(boxes[0].buttons, Prompt::Buttons::OkCancel);
        if (failWrites) {
            QCOMPARE(calls, (QStringList {u"close"_s, u"reopen"_s}));
            QCOMPARE(school.files(&School::data), before);
            QVERIFY(school.desk.launcher.started.isEmpty());
            QCOMPARE(boxes[1].icon, Prompt::Icon::Error);
            return;
        }
        QCOMPARE(calls, (QStringList {u"close"_s, u"quit"_s}));
        QCOMPARE(boxes[1].text,
            u"系统数据初始化完成，即将重新启动本系统！\r\n\r\n初始化前的数据保存在：\r\n"_s + reset.safetyCopyDir()
                + u"\r\n（只保留最近三次初始化前的数据）"_s);
        QCOMPARE(school.desk.launcher.started, (QList<QStringList> {{hooks.program}}));
        const QList<QByteArray> after = school.files(&School::data);
        const DatabaseKind kinds[] = {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin};
        for (int part = 0; part < DataMaintenance::PartCount; ++part) {
            QCOMPARE(after[part], part < 3 ? DatabaseTemplate::bytes(kinds[part]) : WageTableFile::templateBytes());
            const QString kept = reset.safetyCopyDir() + u'/' + QFileInfo(school.data(part)).fileName();
            QCOMPARE(bytesOf(kept), before[part]);
        }
        QVERIFY(reset.safetyCopyDir().startsWith(school.desk.paths.backupDir()));
    }

    // Each safety copy is a whole school: the last three runs keep theirs, older ones go.
    void initialisationKeepsTheLastThreeSafetyCopies()
    {
        School school;
        SystemInitialisation::Hooks hooks;
        hooks.closeConnections = hooks.reopenConnections = hooks.quit = [] {};
        QStringList made;
        for (int run = 0; run < 5; ++run) {
            school.desk.clock.at = school.desk.clock.at.addSecs(3600);
            SystemInitialisation reset(school.desk.services, school.desk.paths);
            QVERIFY(reset.run(hooks));
            made << QFileInfo(reset.safetyCopyDir()).fileName();
            QVERIFY(school.desk.prompt.lastText().contains(QDir::toNativeSeparators(reset.safetyCopyDir())));
        }
        QCOMPARE(QDir(school.desk.paths.backupDir()).entryList({u"初始化前*"_s}, QDir::Dirs, QDir::Name), made.mid(2));
    }
};

XIAOWU_TEST(TestDataMaintenance)
#include "TestDataMaintenance.moc"
