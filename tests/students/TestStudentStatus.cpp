#include "StudentsFixture.h"

#include "records/RowMove.h"
#include "students/StudentRecords.h"
#include "students/StudentStatus.h"
#include "support/RefusingTrigger.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestStudentStatus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void leaveAndComeBackWithEverything()
    {
        StudentsFixture f;
        StudentRecord p = f.pupil(7, u"林小雨"_s, u"1年级1班"_s, u"女"_s);
        p.期中[0] = 95;
        p.照片 = QByteArray(40 * 1024, 'j');
        QVERIFY(f.addPupil(p));
        StudentStatus status(f.db);
        QVERIFY(status.leave(7, u"2009年7月3日"_s, u"转学'外省"_s));
        QCOMPARE(f.count(u"学籍表"_s), 0);
        const auto left = StudentRecords(f.db).record(StudentViewKind::Leaver, 7);
        QCOMPARE(left->离校时间, u"2009年7月3日"_s);
        QCOMPARE(left->离校原因, u"转学'外省"_s);

        QVERIFY(status.reenrol(StudentViewKind::Leaver, 7, u"2年级1班"_s));
        QCOMPARE(f.count(u"转退表"_s), 0);
        const auto back = StudentRecords(f.db).record(StudentViewKind::Enrolled, 7);
        QCOMPARE(back->所在班级, u"2年级1班"_s);
        QCOMPARE(back->离校时间, u"-"_s);
        QCOMPARE(back->离校原因, u"转学'外省"_s);
        QCOMPARE(back->期中[0], 95);
        QCOMPARE(back->照片, p.照片);
        QCOMPARE(back->本学期评语, p.本学期评语);
    }

    // Each failure leaves the pupil where it was, in one table only.
    void aMoveIsWholeOrNothing_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::newRow("delete refused") << u"create trigger keep before delete on 学籍表 begin "_s
                                           u"select raise(abort, 'kept'); end"_s;
        QTest::newRow("already left") << u"insert into 转退表 select * from 学籍表 where 学号=7"_s;
        QTest::newRow("gone meanwhile") << u"delete from 学籍表 where 学号=7"_s;
        QTest::newRow("reason too long") << QString();
    }

    void aMoveIsWholeOrNothing()
    {
        QFETCH(QString, setup);
        StudentsFixture f;
        QVERIFY(f.addPupil(f.pupil(7, u"林小雨"_s, u"1年级1班"_s)));
        if (!setup.isEmpty())
            QVERIFY(RefusingTrigger::execute(f.db, setup));
        const int enrolled = f.count(u"学籍表"_s);
        const int leavers = f.count(u"转退表"_s);
        const QString reason = setup.isEmpty() ? QString(201, u'x') : u"转学"_s;
        QVERIFY(!StudentStatus(f.db).leave(7, u"2009年7月3日"_s, reason));
        QCOMPARE(f.count(u"学籍表"_s), enrolled);
        QCOMPARE(f.count(u"转退表"_s), leavers);
    }

    void changesAndDeletesMustFindTheirPupil()
    {
        StudentsFixture f;
        QVERIFY(f.addPupil(f.pupil(7, u"林小雨"_s, u"1年级1班"_s)));
        StudentStatus status(f.db);
        QVERIFY(!status.changeClass(8, u"2年级1班"_s));
        QVERIFY(!status.remove(StudentViewKind::Graduate, 7));
        QVERIFY(!status.reenrol(StudentViewKind::Graduate, 7, u"2年级1班"_s));
        QVERIFY(status.changeClass(7, u"2年级1班"_s));
        QVERIFY(status.remove(StudentViewKind::Enrolled, 7));
        QCOMPARE(f.count(u"学籍表"_s), 0);
    }
};

XIAOWU_TEST(TestStudentStatus)
#include "TestStudentStatus.moc"
