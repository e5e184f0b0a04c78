#include "ServerFixture.h"
#include "StoreFixture.h"

#include "classes/ClassBook.h"
#include "platform/DiskFileOps.h"
#include "promotion/Promotion.h"
#include "store/ServerFileOps.h"
#include "store/StoreCopy.h"
#include "store/Transaction.h"
#include "students/StudentRecords.h"
#include "support/TestRegistry.h"
#include "teachers/TeacherRecords.h"

#include <QSet>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>

using namespace Qt::StringLiterals;

// Two seats on one school: each case opens two connections to the same store, file or server.
class TestSeveralSeats : public QObject
{
    Q_OBJECT

    std::unique_ptr<ServerFixture> m_server;
    std::unique_ptr<StoreFixture> m_files;

    bool onServer() const { return QString::fromLatin1(QTest::currentDataTag()) == u"server"; }

    bool openSeat(DbConnection& db, DatabaseKind kind = DatabaseKind::Student)
    {
        if (onServer())
            return m_server->open(db, kind);
        return db.open(m_files->dir.databasePath(kind), {}, DatabaseKinds::password(kind));
    }

    static qint64 single(DbConnection& db, const QString& sql)
    {
        auto rows = db.query(sql);
        return rows && !rows->pastLast() ? rows->number(1) : -1;
    }

    static StudentRecord pupil(const QString& name)
    {
        StudentRecord p;
        p.姓名 = name;
        p.性别 = u"女"_s;
        p.所在班级 = u"1班"_s;
        return p;
    }

private Q_SLOTS:
    void initTestCase() { m_server = std::make_unique<ServerFixture>(); }

    void init()
    {
        m_files = std::make_unique<StoreFixture>();
        if (QString::fromLatin1(QTest::currentDataTag()) == u"file")
            return;
        REQUIRE_SERVER(*m_server);
        // Every case starts from the empty school.
        for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher}) {
            DbConnection file;
            DbConnection server;
            QVERIFY(file.open(m_files->dir.databasePath(kind), {}, DatabaseKinds::password(kind)));
            QVERIFY(m_server->open(server, kind));
            QString error;
            QVERIFY2(StoreCopy::copy(file, server, kind, &error), qPrintable(error));
        }
    }

    void cleanup() { m_files.reset(); }

    void seatsAddingAtOnceNeverShareANumber_data()
    {
        QTest::addColumn<int>("each");
        // Only the server: seats on one file are not an office's set-up, and SQLite's busy wait
        // lets one writer starve the other past its timeout.
        QTest::newRow("server") << 200;
    }
    void seatsAddingAtOnceNeverShareANumber()
    {
        QFETCH(int, each);
        DbConnection seats[2];
        for (DbConnection& seat : seats)
            QVERIFY(openSeat(seat));
        std::atomic<int> failures {0};
        QString firstError;
        auto add = [&](int seat) {
            StudentRecords records(seats[seat]);
            for (int i = 0; i < each; ++i) {
                StudentRecord p = pupil(u"学生%1-%2"_s.arg(seat).arg(i));
                if (!records.insertNext(p) && failures++ == 0)
                    firstError = records.lastError();
            }
        };
        std::unique_ptr<QThread> other(QThread::create(add, 1));
        other->start();
        add(0);
        QVERIFY(other->wait(60000));
        QVERIFY2(failures == 0, qPrintable(firstError));
        DbConnection& db = seats[0];
        QCOMPARE(single(db, u"select count(distinct 学号) from 学籍表"_s), 2 * each);
        QCOMPARE(single(db, u"select max(学号) from 学籍表"_s), 2 * each);
        QCOMPARE(single(db, u"select 学号 from 记号表 where ID=1"_s), 2 * each);
    }

    void anEditOverAnotherSeatsIsRefused_data()
    {
        QTest::addColumn<bool>("unused");
        QTest::newRow("file") << true;
        QTest::newRow("server") << true;
    }
    void anEditOverAnotherSeatsIsRefused()
    {
        DbConnection a;
        DbConnection b;
        QVERIFY(openSeat(a) && openSeat(b));
        StudentRecords seatA(a);
        StudentRecords seatB(b);
        StudentRecord added = pupil(u"张三"_s);
        QVERIFY(seatA.insertNext(added));
        const StudentRecord loadedA = *seatA.record(StudentViewKind::Enrolled, added.学号);
        const StudentRecord loadedB = *seatB.record(StudentViewKind::Enrolled, added.学号);
        StudentRecord editB = loadedB;
        editB.家庭住址 = u"幸福路1号"_s;
        QVERIFY(seatB.update(editB, loadedB));
        StudentRecord editA = loadedA;
        editA.联系电话 = u"13900000000"_s;
        QVERIFY(!seatA.update(editA, loadedA));
        QVERIFY(seatA.conflicted());
        QCOMPARE(seatA.lastError(), u"该记录已被其他电脑修改，请重新载入后再保存。"_s);
        const StudentRecord stored = *seatA.record(StudentViewKind::Enrolled, added.学号);
        QCOMPARE(stored.家庭住址, u"幸福路1号"_s);
        QVERIFY(stored.联系电话.isEmpty());
        QVERIFY(!a.inTransaction());
        // Reloaded, the same edit goes through, on top of the other seat's.
        editA = stored;
        editA.联系电话 = u"13900000000"_s;
        QVERIFY(seatA.update(editA, stored));
        QVERIFY(!seatA.conflicted());
        QCOMPARE(seatB.record(StudentViewKind::Enrolled, added.学号)->联系电话, u"13900000000"_s);
    }

    void aTeachersEditOverAnotherSeatsIsRefused_data() { anEditOverAnotherSeatsIsRefused_data(); }
    void aTeachersEditOverAnotherSeatsIsRefused()
    {
        DbConnection a;
        DbConnection b;
        QVERIFY(openSeat(a, DatabaseKind::Teacher) && openSeat(b, DatabaseKind::Teacher));
        TeacherRecords seatA(a);
        TeacherRecords seatB(b);
        TeacherRecord added;
        added.姓名 = u"李老师"_s;
        added.性别 = u"女"_s;
        added = TeacherRecords::withDashes(added);
        QVERIFY2(seatA.insertNext(added), qPrintable(seatA.lastError()));
        const TeacherRecord loadedA = *seatA.record(TeacherViewKind::InService, added.编号);
        const TeacherRecord loadedB = *seatB.record(TeacherViewKind::InService, added.编号);
        TeacherRecord editB = loadedB;
        editB.家庭住址 = u"幸福路1号"_s;
        QVERIFY(seatB.update(editB, loadedB));
        TeacherRecord editA = loadedA;
        editA.手机号码 = u"13900000000"_s;
        QVERIFY(!seatA.update(editA, loadedA));
        QVERIFY(seatA.conflicted());
        QVERIFY(!a.inTransaction());
        const TeacherRecord stored = *seatA.record(TeacherViewKind::InService, added.编号);
        QCOMPARE(stored.家庭住址, u"幸福路1号"_s);
        QCOMPARE(stored.手机号码, loadedA.手机号码);
        QVERIFY(seatA.update(editA, *seatA.record(TeacherViewKind::InService, added.编号)));
        QVERIFY(!seatA.conflicted());
    }

    // A change of whole tables waits for another seat's open insert instead of running past it
    // (which would leave that pupil in a class deleted, graduated or restored away).
    void wholeTableChangesWaitForOtherSeats_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("class deletion") << u"delete"_s;
        QTest::newRow("promotion") << u"promote"_s;
        QTest::newRow("restore") << u"restore"_s;
    }
    void wholeTableChangesWaitForOtherSeats()
    {
        REQUIRE_SERVER(*m_server);
        QFETCH(QString, change);
        DbConnection other;
        DbConnection seat;
        DbConnection backup;
        QVERIFY(m_server->open(other, DatabaseKind::Student) && m_server->open(seat, DatabaseKind::Student));
        QVERIFY(backup.open(
            m_files->dir.databasePath(DatabaseKind::Student), {}, DatabaseKinds::password(DatabaseKind::Student)));
        QVERIFY(seat.execute(u"insert into 班级表 (所在班级) values ('6年级1班')"_s));
        QVERIFY(seat.execute(u"set lock_timeout = 300"_s));
        const auto run = [&] {
            if (change == u"delete")
                return ClassBook(seat).remove(u"6年级1班"_s);
            if (change == u"promote")
                return Promotion(seat).runCustom({u"6年级1班"_s}, {}, u"2026年7月1日"_s).ok();
            return StoreCopy::copy(backup, seat, DatabaseKind::Student);
        };
        {
            Transaction adding(other);
            QVERIFY(other.execute(u"insert into 学籍表 (学号,姓名,所在班级) values (7,'张三','6年级1班')"_s));
            QVERIFY(!run());
            QVERIFY(!seat.inTransaction());
            QVERIFY(adding.commit());
        }
        QVERIFY(run());
        QCOMPARE(single(seat, u"select count(*) from 学籍表"_s), 0);
        QCOMPARE(single(seat, u"select count(*) from 毕业表"_s), change == u"promote" ? 1 : 0);
    }

    void theServerGoingAwayTakesTheWholeTransaction()
    {
        REQUIRE_SERVER(*m_server);
        DbConnection seat;
        QVERIFY(m_server->open(seat, DatabaseKind::Student));
        StudentRecords records(seat);
        {
            Transaction t(seat);
            QVERIFY(t.isActive());
            QVERIFY(records.insertRow(pupil(u"甲"_s)));
            QVERIFY(m_server->dropOtherConnections());
            QVERIFY(!records.advanceCounter(1));
            QVERIFY(seat.lostServer());
            QVERIFY(!t.commit());
        }
        // The seat is told, and its next statement finds the server again: nothing of it was kept.
        QCOMPARE(single(seat, u"select count(*) from 学籍表"_s), 0);
        QVERIFY(!seat.lostServer());
        QCOMPARE(single(seat, u"select 学号 from 记号表 where ID=1"_s), 0);
    }

    void wageSheetsAreTheServersForEverySeat()
    {
        REQUIRE_SERVER(*m_server);
        DiskFileOps disk;
        TempProgramDir a;
        TempProgramDir b;
        ServerFileOps seatA(disk, m_server->settings(), {u"001.xsk"_s});
        ServerFileOps seatB(disk, m_server->settings(), {u"001.xsk"_s});
        const QString sheetA = a.filePath(u"data/001.xsk"_s);
        const QString sheetB = b.filePath(u"data/001.xsk"_s);
        // The first seat to read gives the server its own sheet.
        QCOMPARE(seatA.readFile(sheetA), disk.readFile(sheetA));
        const QByteArray changed = QByteArray("\0\x01wage", 6).repeated(1000);
        QVERIFY(seatA.writeFile(sheetA, changed));
        QCOMPARE(seatB.readFile(sheetB), std::optional<QByteArray>(changed));
        QVERIFY(disk.readFile(sheetB) != changed);
        // Other files, the backups among them, stay plain files on the disk.
        QVERIFY(seatB.copy(sheetB, b.filePath(u"backup/001.xsk"_s)));
        QCOMPARE(disk.readFile(b.filePath(u"backup/001.xsk"_s)), std::optional<QByteArray>(changed));
        QVERIFY(!seatB.readFile(b.filePath(u"data/002.xsk"_s))->isEmpty());
    }
};

XIAOWU_TEST(TestSeveralSeats)
#include "TestSeveralSeats.moc"
