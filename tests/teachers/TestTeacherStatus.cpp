#include "TeachersFixture.h"

#include "support/RefusingTrigger.h"
#include "support/TestRegistry.h"
#include "teachers/TeacherRosters.h"
#include "teachers/TeacherStatus.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

int count(DbConnection& db, const QString& table)
{
    auto rows = db.query(u"select count(*) as n from "_s + table);
    return rows ? static_cast<int>(rows->number(u"n")) : -1;
}

} // namespace

class TestTeacherStatus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void retireAndRestoreKeepEveryColumn()
    {
        TeachersFixture f;
        TeacherRecord t = f.teacher(7, u"王平"_s);
        t.照片 = QByteArray(40 * 1024, 'p');
        t.其他资料 = u"市级优秀教师。"_s;
        QVERIFY(f.add(t));
        QVERIFY(TeacherStatus(f.db).leave(TeacherViewKind::Retired, 7, u"2024年7月1日"_s, u"内退"_s));
        QCOMPARE(count(f.db, u"教员表"_s), 0);
        const auto retired = TeacherRecords(f.db).record(TeacherViewKind::Retired, 7);
        QCOMPARE(retired->照片, t.照片);
        QCOMPARE(retired->其他资料, t.其他资料);
        QCOMPARE(retired->手机号码, t.手机号码);
        QCOMPARE(retired->离校时间, u"2024年7月1日"_s);
        QCOMPARE(retired->离校原因, u"内退"_s);

        QVERIFY(!TeacherStatus(f.db).restore(TeacherViewKind::InService, 7));
        QVERIFY(!TeacherStatus(f.db).restore(TeacherViewKind::MovedAway, 7)); // not in that file
        QVERIFY(TeacherStatus(f.db).restore(TeacherViewKind::Retired, 7));
        const auto back = TeacherRecords(f.db).record(TeacherViewKind::InService, 7);
        QCOMPARE(back->姓名, u"王平"_s);
        QCOMPARE(back->离校原因, u"内退"_s); // the record still carries its retirement
        QCOMPARE(count(f.db, u"退休表"_s), 0);
    }

    void aFailedRetirementLeavesTheTeacherInService_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::newRow("stamp refused")
            << u"create trigger t before update on 退休表 begin select raise(abort, 'x'); end"_s;
        QTest::newRow("delete refused")
            << u"create trigger t before delete on 教员表 begin select raise(abort, 'x'); end"_s;
        QTest::newRow("already retired") << u"insert into 退休表 select * from 教员表"_s;
    }

    void aFailedRetirementLeavesTheTeacherInService()
    {
        QFETCH(QString, setup);
        TeachersFixture f;
        QVERIFY(f.add(f.teacher(7, u"王平"_s)));
        QVERIFY(RefusingTrigger::execute(f.db, setup));
        const int retired = count(f.db, u"退休表"_s);
        QVERIFY(!TeacherStatus(f.db).leave(TeacherViewKind::Retired, 7, u"2024年7月1日"_s, u"内退"_s));
        QCOMPARE(count(f.db, u"教员表"_s), 1);
        QCOMPARE(count(f.db, u"退休表"_s), retired);
    }

    void rosterSearchReachesBothPhones()
    {
        TeachersFixture f;
        QVERIFY(f.add(f.teacher(1, u"张伟"_s)));
        TeacherRecord other = f.teacher(2, u"李丽"_s, u"女"_s);
        other.手机号码 = u"13800001111"_s;
        other.住宅电话 = u"0571-88886666"_s;
        QVERIFY(f.add(other));
        TeacherRosters rosters(f.db);
        QCOMPARE(rosters.search(TeacherViewKind::InService, u"联系电话"_s, u"138"_s)->size(), 1);
        QCOMPARE(rosters.search(TeacherViewKind::InService, u"联系电话"_s, u"0571"_s)->first().at(1), u"李丽"_s);
        QCOMPARE(rosters.search(TeacherViewKind::InService, u"姓名"_s, u"张"_s)->first().at(0), u"1"_s);
        QVERIFY(!rosters.search(TeacherViewKind::InService, u"姓名 or 1=1 --"_s, u"张"_s));
        QCOMPARE(
            TeacherRosters::countsLine(TeacherViewKind::Retired, 1, 2), u"自本校退休的教员有3人 其中男1人 女2人"_s);
        QCOMPARE(TeacherRosters::searchFields(TeacherViewKind::MovedAway).at(7), u"离校时间"_s);
    }
};

XIAOWU_TEST(TestTeacherStatus)
#include "TestTeacherStatus.moc"
