#include "TeachersFixture.h"

#include "support/DataRows.h"
#include "support/RefusingTrigger.h"
#include "support/TestRegistry.h"
#include "teachers/TeacherCardTexts.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTeacherRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbersNeverRepeat_data()
    {
        addColumns<qint64, qint64, qint64>({"counter", "retired", "offered"});
        QTest::newRow("fresh") << 0LL << 0LL << 1LL;
        QTest::newRow("counter") << 41LL << 0LL << 42LL;
        QTest::newRow("behind a retired teacher") << 5LL << 9LL << 10LL;
    }

    void numbersNeverRepeat()
    {
        QFETCH(qint64, counter);
        QFETCH(qint64, retired);
        TeachersFixture f;
        QVERIFY(f.setCounter(counter));
        if (retired > 0)
            QVERIFY(f.add(f.teacher(retired, u"老王"_s), u"退休表"_s));
        TeacherRecords records(f.db);
        QTEST(*records.nextNumber(), "offered");
        TeacherRecord t = f.teacher(*records.nextNumber(), u"O'Brien"_s);
        t.家庭住址 = u"O'Brien; drop table 教员表"_s;
        QVERIFY(records.insert(t));
        QCOMPARE(records.record(TeacherViewKind::InService, t.编号)->家庭住址, t.家庭住址);
        QCOMPARE(*records.nextNumber(), t.编号 + 1);
    }

    void aFailingCounterUpdateStoresNoTeacher()
    {
        TeachersFixture f;
        QVERIFY(RefusingTrigger::execute(
            f.db, u"create trigger stuck before update on 记号表 begin select raise(abort, 'stuck'); end"_s));
        TeacherRecords records(f.db);
        QVERIFY(!records.insert(f.teacher(1, u"张伟"_s)));
        QVERIFY(records.names(TeacherViewKind::InService)->names.isEmpty());
    }

    void updatesFindTheirTeacherByNumber()
    {
        TeachersFixture f;
        QVERIFY(f.add(f.teacher(1, u"张伟"_s)));
        QVERIFY(f.add(f.teacher(2, u"张伟"_s, u""_s)));
        TeacherRecords records(f.db);
        const auto names = records.names(TeacherViewKind::InService);
        QCOMPARE(names->names.size(), 2);
        QCOMPARE(names->male, 1);
        QCOMPARE(names->female, 1); // an empty 性别 counts as female
        TeacherRecord second = *records.record(TeacherViewKind::InService, 2);
        second.家庭住址 = u"新家"_s;
        QVERIFY(records.update(second));
        QCOMPARE(records.record(TeacherViewKind::InService, 1)->家庭住址, u"-"_s);
        second.编号 = 3;
        QVERIFY(!records.update(second)); // nobody with that number
    }

    void cardTextsFollowTheFile()
    {
        QCOMPARE(
            TeacherCardTexts::emptyTitle(TeacherViewKind::Retired, u"育才小学"_s), u"育才小学目前没有退休教员的资料"_s);
        QCOMPARE(TeacherCardTexts::title(TeacherViewKind::MovedAway, u"育才小学"_s, u"王平"_s),
            u"育才小学王平同志的资料(已调离)"_s);
        QCOMPARE(TeacherCardTexts::leaveNote(TeacherViewKind::Retired, u"王平"_s, u"2024年7月1日"_s, u"内退"_s),
            u"    王平同志已于2024年7月1日自本校退休\r\n\r\n    有关本次退休的说明：内退"_s);
        QCOMPARE(TeacherRecords::countsLine(u"目前本校在职教员有"_s, 12, 5, 7),
            u"目前本校在职教员有12人，其中男5人，女7人。"_s);
        QCOMPARE(TeacherCardTexts::stateText(TeacherViewKind::MovedAway), u"当前状态：查看调离本校的教员资料"_s);
    }
};

XIAOWU_TEST(TestTeacherRecords)
#include "TestTeacherRecords.moc"
