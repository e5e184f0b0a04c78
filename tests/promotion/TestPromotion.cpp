#include "students/StudentsFixture.h"

#include "promotion/Promotion.h"
#include "support/DataRows.h"
#include "support/RefusingTrigger.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Rename = Promotion::Rename;

// "class:pupils" of both tables, sorted, so a merge or a lost class shows.
QString school(DbConnection& db)
{
    QStringList classes;
    auto rows = db.query(u"select 所在班级, 班主任, 科目1, 班级分类 from 班级表 order by 所在班级"_s);
    for (rows->first(); !rows->pastLast(); rows->next())
        classes << rows->text(1) + u'/' + rows->text(2) + u'/' + rows->text(3) + u'/' + rows->text(4);
    // The numbers of each class's pupils, class by class (the same on either store).
    QStringList pupils;
    rows = db.query(u"select 所在班级, 学号 from 学籍表 order by 所在班级, 学号"_s);
    for (rows->first(); !rows->pastLast(); rows->next()) {
        const QString klass = rows->text(1) + u':';
        if (!pupils.isEmpty() && pupils.last().startsWith(klass))
            pupils.last() += u',' + rows->text(2);
        else
            pupils << klass + rows->text(2);
    }
    return classes.join(u' ') + u" | "_s + pupils.join(u' ');
}

void addCustom(StudentsFixture& f, const QString& name)
{
    QVERIFY(f.addClass(name, u"班主任"_s + name));
    QVERIFY(f.db.execute(u"update 班级表 set 班级分类='自设' where 所在班级=?"_s, {name}));
}

} // namespace

class TestPromotion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ladder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("next"); // empty: graduates or off the ladder
        QTest::addColumn<bool>("final");
        QTest::newRow("primary") << u"5年级3班"_s << u"6年级3班"_s << false;
        QTest::newRow("primary final") << u"6年级1班"_s << QString() << true;
        QTest::newRow("junior") << u"初中1年级2班"_s << u"初中2年级2班"_s << false;
        QTest::newRow("senior tens") << u"高中1年级10班"_s << u"高中2年级10班"_s << false;
        QTest::newRow("senior final") << u"高中3年级1班"_s << QString() << true;
        QTest::newRow("kindergarten") << u"幼儿园中1班"_s << u"幼儿园大1班"_s << false;
        QTest::newRow("kindergarten final") << u"幼儿园大1班"_s << QString() << true;
        QTest::newRow("off the ladder") << u"美术班"_s << QString() << false;
    }

    void ladder()
    {
        QFETCH(QString, name);
        QFETCH(QString, next);
        QFETCH(bool, final);
        QCOMPARE(Promotion::promotedName(name).value_or(QString()), next);
        QCOMPARE(Promotion::isFinalGrade(name), final);
    }

    void sixMonths_data()
    {
        addColumns<QString, QDate, bool>({"stored", "today", "asks"});
        QTest::newRow("march to august") << u"2026年3月28日"_s << QDate(2026, 8, 1) << true;
        QTest::newRow("march to september") << u"2026年3月28日"_s << QDate(2026, 9, 1) << false;
        QTest::newRow("across the year") << u"2025年12月1日"_s << QDate(2026, 5, 31) << true;
        QTest::newRow("empty") << QString() << QDate(2026, 8, 1) << false;
        QTest::newRow("unreadable") << u"去年"_s << QDate(2026, 8, 1) << false;
    }

    void sixMonths()
    {
        QFETCH(QString, stored);
        QFETCH(QDate, today);
        QFETCH(bool, asks);
        QCOMPARE(Promotion::recentRun(stored, today).has_value(), asks);
    }

    void standardRun()
    {
        StudentsFixture f;
        const QStringList classes {
            u"5年级'1班"_s, u"6年级1班"_s, u"初中1年级2班"_s, u"初中3年级1班"_s, u"高中3年级1班"_s, u"幼儿园大1班"_s};
        for (qsizetype i = 0; i < classes.size(); ++i) {
            QVERIFY(f.addClass(classes[i], u"师"_s + QString::number(i), {u"语文"_s}));
            QVERIFY(f.addPupil(f.pupil(i + 1, u"生"_s + QString::number(i), classes[i])));
        }
        addCustom(f, u"6年级兴趣班"_s);
        QVERIFY(f.addPupil(f.pupil(20, u"兴趣"_s, u"6年级兴趣班"_s)));
        // An old graduate still marked as not left keeps its mark.
        QVERIFY(f.addPupil(f.pupil(30, u"旧生"_s, u"旧班"_s), u"毕业表"_s));

        Promotion promotion(f.db);
        QList<Rename> plan;
        QVERIFY(promotion.standardPlan(&plan));
        QCOMPARE(plan, (QList<Rename> {{u"5年级'1班"_s, u"6年级'1班"_s}, {u"初中1年级2班"_s, u"初中2年级2班"_s}}));
        const Promotion::Result result = promotion.runStandard(plan, u"2026年7月10日"_s);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.graduatedPupils, 5);
        QCOMPARE(school(f.db), u"6年级'1班/师0/语文/通用 初中2年级2班/师2/语文/通用 | 6年级'1班:1 初中2年级2班:3"_s);
        auto rows = f.db.query(u"select 学号, 离校时间, 离校原因 from 毕业表 order by 学号"_s);
        QStringList graduates;
        for (rows->first(); !rows->pastLast(); rows->next())
            graduates << rows->text(1) + u' ' + rows->text(2) + u' ' + rows->text(3);
        QCOMPARE(graduates.join(u", "_s),
            u"2 2026年7月10日 毕业, 4 2026年7月10日 毕业, 5 2026年7月10日 毕业, 6 2026年7月10日 毕业, "_s
            u"20 2026年7月10日 毕业, 30 - -"_s);
        QCOMPARE(f.count(u"毕业时间表"_s), 1);
    }

    // Nothing of a refused or failed run stays, and the same run afterwards is right.
    void standardRunIsWholeOrNothing_data()
    {
        addColumns<QString, QString, bool>({"setup", "undo", "taken"});
        QTest::newRow("custom class holds the new name")
            << u"update 班级表 set 班级分类='自设' where 所在班级='2年级1班'"_s
            << u"update 班级表 set 班级分类='通用' where 所在班级='2年级1班'"_s << true;
        QTest::newRow("last rename fails")
            << u"create trigger stop before update on 班级表 when new.所在班级='2年级9班' begin "_s
               u"select raise(abort, 'stopped'); end"_s
            << u"drop trigger stop"_s << false;
    }

    void standardRunIsWholeOrNothing()
    {
        QFETCH(QString, setup);
        QFETCH(QString, undo);
        QFETCH(bool, taken);
        StudentsFixture f;
        for (const QString& name : {u"6年级1班"_s, u"2年级1班"_s, u"1年级1班"_s, u"1年级9班"_s}) {
            QVERIFY(f.addClass(name, u"师"_s));
            QVERIFY(f.addPupil(f.pupil(f.count(u"学籍表"_s) + 1, u"生"_s, name)));
        }
        QVERIFY(RefusingTrigger::execute(f.db, setup));
        const QString before = school(f.db);

        Promotion promotion(f.db);
        QList<Rename> plan;
        QVERIFY(promotion.standardPlan(&plan));
        const Promotion::Result result = promotion.runStandard(plan, u"2026年7月10日"_s);
        QCOMPARE(result.outcome, taken ? Promotion::Result::Outcome::NameTaken : Promotion::Result::Outcome::Failed);
        if (taken)
            QCOMPARE(result.takenName, u"2年级1班"_s);
        QCOMPARE(school(f.db), before);
        QCOMPARE(f.count(u"毕业表"_s), 0);
        QCOMPARE(f.count(u"毕业时间表"_s), 0);
        QVERIFY(!f.db.inTransaction());

        QVERIFY(RefusingTrigger::execute(f.db, undo));
        QVERIFY(promotion.standardPlan(&plan));
        QVERIFY(promotion.runStandard(plan, u"2026年7月10日"_s).ok());
        QCOMPARE(f.count(u"毕业表"_s), 1);
        QVERIFY(school(f.db).endsWith(u"| 2年级1班:3 2年级9班:4 3年级1班:2"_s));
    }

    void customRun_data()
    {
        addColumns<QStringList, QList<Rename>, QString>({"graduating", "renames", "taken"});
        QTest::addColumn<QString>("after"); // pupils by class
        QTest::newRow("chain") << QStringList {u"C"_s} << QList<Rename> {{u"A"_s, u"B"_s}, {u"B"_s, u"C"_s}}
                               << QString() << u"B:1 C:2 D:4"_s;
        QTest::newRow("swap") << QStringList {} << QList<Rename> {{u"A"_s, u"B"_s}, {u"B"_s, u"A"_s}} << QString()
                              << u"A:2 B:1 C:3 D:4"_s;
        QTest::newRow("onto a staying class")
            << QStringList {} << QList<Rename> {{u"A"_s, u"D"_s}} << u"D"_s << u"A:1 B:2 C:3 D:4"_s;
        QTest::newRow("same name twice") << QStringList {u"C"_s} << QList<Rename> {{u"A"_s, u"E"_s}, {u"B"_s, u"E"_s}}
                                         << u"E"_s << u"A:1 B:2 C:3 D:4"_s;
        QTest::newRow("quote") << QStringList {u"C"_s} << QList<Rename> {{u"A"_s, u"A'1"_s}} << QString()
                               << u"A'1:1 B:2 D:4"_s;
    }

    void customRun()
    {
        QFETCH(QStringList, graduating);
        QFETCH(QList<Rename>, renames);
        QFETCH(QString, taken);
        QFETCH(QString, after);
        StudentsFixture f;
        int number = 0;
        for (const QString& name : {u"A"_s, u"B"_s, u"C"_s, u"D"_s}) {
            addCustom(f, name);
            QVERIFY(f.addPupil(f.pupil(++number, u"生"_s, name)));
        }
        Promotion promotion(f.db);
        QCOMPARE(promotion.customClasses(), (QStringList {u"A"_s, u"B"_s, u"C"_s, u"D"_s}));
        const Promotion::Result result = promotion.runCustom(graduating, renames, u"2026年7月10日"_s);
        QCOMPARE(result.takenName, taken);
        QCOMPARE(result.ok(), taken.isEmpty());
        const QString state = school(f.db);
        QCOMPARE(state.mid(state.indexOf(u"| "_s) + 2), after);
        // Every class row went with its pupils.
        QCOMPARE(f.count(u"班级表"_s), after.count(u' ') + 1);
        QCOMPARE(f.count(u"毕业时间表"_s), taken.isEmpty() ? graduating.size() : 0);
    }

    // A failed copy leaves the previous backup as it was; the folder is made when missing.
    void backup()
    {
        StudentsFixture f;
        const QString target = f.dir.path() + u"/backup/006.xsk"_s;
        QVERIFY(Promotion::backup(f.db, target));
        QVERIFY(QFile::exists(target));
        QVERIFY(QDir().mkpath(target + u".part/blocked"_s));
        QVERIFY(f.addClass(u"1年级1班"_s, u"师"_s));
        QFile old(target);
        QVERIFY(old.open(QIODevice::ReadOnly));
        const QByteArray bytes = old.readAll();
        old.close();
        QVERIFY(!Promotion::backup(f.db, target));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), bytes);
    }
};

XIAOWU_TEST(TestPromotion)
#include "TestPromotion.moc"
