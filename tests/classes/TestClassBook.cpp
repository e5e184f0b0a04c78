#include "classes/ClassBook.h"
#include "store/DbConnection.h"
#include "students/StudentsFixture.h"
#include "support/RefusingTrigger.h"
#include "support/TestRegistry.h"

#include <QTest>

#include <algorithm>

#include <memory>

using namespace Qt::StringLiterals;

class TestClassBook : public QObject
{
    Q_OBJECT

private:
    // A fresh students database for each test.
    std::unique_ptr<StudentsFixture> m_school;
    DbConnection* m_db = nullptr;

    qint64 count(const QString& sql, const QVariantList& parameters = {})
    {
        auto rows = m_db->query(sql, parameters);
        if (!rows)
            return -1;
        rows->first();
        return rows->number(1);
    }

    qint64 counter() { return count(u"select 学号 from 记号表 where ID=1"_s); }

    void enrol(const QString& table, int number, const QString& className)
    {
        QVERIFY(m_db->execute(
            u"insert into %1 (学号,姓名,所在班级) values (?,?,?)"_s.arg(table), {number, u"学生"_s, className}));
    }

private Q_SLOTS:
    void init()
    {
        m_school = std::make_unique<StudentsFixture>();
        m_db = &m_school->db;
        QVERIFY(m_db->isOpen());
    }

    void cleanup()
    {
        m_db = nullptr;
        m_school.reset();
    }

    void addedClassHasItsCategoryAndFiftyEmptyTexts()
    {
        ClassBook classes(*m_db);
        QCOMPARE(classes.add(u"高中1年级10班"_s, u"王老师"_s, u"通用"_s), ClassBook::AddResult::Added);

        auto row = m_db->query(u"select * from 班级表 where 所在班级=?"_s, {u"高中1年级10班"_s});
        QVERIFY(row);
        row->first();
        QVERIFY(!row->pastLast());
        QCOMPARE(row->columnCount(), 53);
        QCOMPARE(row->text(u"班主任"), u"王老师"_s);
        QCOMPARE(row->text(u"班级分类"), u"通用"_s);
        int emptyTexts = 0;
        for (int position = 3; position <= 53; ++position) {
            if (position == 43)
                continue; // 班级分类
            QVERIFY2(!row->isNull(position), qPrintable(row->columnName(position)));
            if (row->text(position).isEmpty())
                ++emptyTexts;
        }
        QCOMPARE(emptyTexts, 50);

        QCOMPARE(classes.add(u"高中1年级10班"_s, u"李老师"_s, u"通用"_s), ClassBook::AddResult::Duplicate);
        QCOMPARE(count(u"select count(*) from 班级表"_s), 1);
        QCOMPARE(classes.add(u"这个班级名称超过了二十个字的长度限制所以存不进去"_s, u"王"_s, u"自设"_s),
            ClassBook::AddResult::Failed);
    }

    void quotesInNamesAreStoredAsTyped()
    {
        ClassBook classes(*m_db);
        const QString name = u"3'班"_s;
        QCOMPARE(classes.add(name, u"O'Neil"_s, u"自设"_s), ClassBook::AddResult::Added);
        QCOMPARE(classes.add(name, u"x"_s, u"自设"_s), ClassBook::AddResult::Duplicate);
        QCOMPARE(classes.add(u"1年级1班' or '1'='1"_s, u"x"_s, u"自设"_s), ClassBook::AddResult::Added);

        QVERIFY(classes.setHeadTeacher(name, u"D'Arcy"_s));
        QVERIFY(classes.saveSubjects(name, {u"语'文"_s}));
        const auto list = classes.list();
        QVERIFY(list);
        QCOMPARE(list->size(), 2);
        // Found by name: on the server an updated row may change its place in table order.
        const auto quoted
            = std::find_if(list->begin(), list->end(), [&](const ClassEntry& c) { return c.name == name; });
        QVERIFY(quoted != list->end());
        QCOMPARE(quoted->headTeacher, u"D'Arcy"_s);
        QCOMPARE(classes.subjects(name)->at(0), u"语'文"_s);
        QCOMPARE(classes.subjects(u"1年级1班' or '1'='1"_s)->at(0), QString());

        enrol(u"学籍表"_s, 1, name);
        QVERIFY(classes.remove(name));
        QCOMPARE(classes.list()->size(), 1);
        QCOMPARE(count(u"select count(*) from 学籍表"_s), 0);
    }

    void listKeepsTableOrder()
    {
        ClassBook classes(*m_db);
        const QStringList names {u"2年级1班"_s, u"1年级1班"_s, u"初中1年级3班"_s};
        for (const QString& name : names)
            QCOMPARE(classes.add(name, name + u"老师"_s, u"通用"_s), ClassBook::AddResult::Added);
        const auto list = classes.list();
        QVERIFY(list);
        QStringList listed;
        for (const ClassEntry& c : *list)
            listed.append(c.name);
        QCOMPARE(listed, names);
    }

    void counterResetsOnlyWithTheLastClass()
    {
        ClassBook classes(*m_db);
        QVERIFY(m_db->execute(u"update 记号表 set 学号=? where ID=1"_s, {57}));
        classes.add(u"1年级1班"_s, u"甲"_s, u"通用"_s);
        classes.add(u"1年级2班"_s, u"乙"_s, u"通用"_s);

        QVERIFY(classes.remove(u"1年级1班"_s));
        QCOMPARE(counter(), 57);
        QVERIFY(classes.remove(u"1年级2班"_s));
        QCOMPARE(counter(), 0);
        auto rows = m_db->query(u"select 学号 from 记号表 where ID=1"_s);
        rows->first();
        QCOMPARE(rows->value(u"学号").typeId(), QMetaType::LongLong);
    }

    void deletingAClassKeepsItsGraduatesAndLeavers()
    {
        ClassBook classes(*m_db);
        classes.add(u"6年级1班"_s, u"甲"_s, u"通用"_s);
        classes.add(u"6年级2班"_s, u"乙"_s, u"通用"_s);
        enrol(u"学籍表"_s, 1, u"6年级1班"_s);
        enrol(u"学籍表"_s, 2, u"6年级1班"_s);
        enrol(u"学籍表"_s, 3, u"6年级2班"_s);
        enrol(u"毕业表"_s, 4, u"6年级1班"_s);
        enrol(u"转退表"_s, 5, u"6年级1班"_s);

        QVERIFY(classes.remove(u"6年级1班"_s));
        QCOMPARE(count(u"select count(*) from 学籍表 where 所在班级=?"_s, {u"6年级1班"_s}), 0);
        QCOMPARE(count(u"select count(*) from 学籍表 where 所在班级=?"_s, {u"6年级2班"_s}), 1);
        QCOMPARE(count(u"select count(*) from 毕业表"_s), 1);
        QCOMPARE(count(u"select count(*) from 转退表"_s), 1);
    }

    void aFailedDeletionLeavesClassAndPupilsTogether()
    {
        ClassBook classes(*m_db);
        QVERIFY(m_db->execute(u"update 记号表 set 学号=? where ID=1"_s, {9}));
        classes.add(u"1年级1班"_s, u"甲"_s, u"通用"_s);
        enrol(u"学籍表"_s, 1, u"1年级1班"_s);

        QVERIFY(RefusingTrigger::execute(
            *m_db, u"create trigger keep_pupils before delete on 学籍表 begin select raise(abort,'locked'); end"_s));
        QVERIFY(!classes.remove(u"1年级1班"_s));
        QCOMPARE(count(u"select count(*) from 班级表"_s), 1);
        QCOMPARE(count(u"select count(*) from 学籍表"_s), 1);
        QVERIFY(RefusingTrigger::execute(*m_db, u"drop trigger keep_pupils"_s));

        // A counter that cannot be reset takes the whole deletion back as well.
        QVERIFY(RefusingTrigger::execute(
            *m_db, u"create trigger keep_counter before update on 记号表 begin select raise(abort,'locked'); end"_s));
        QVERIFY(!classes.remove(u"1年级1班"_s));
        QCOMPARE(count(u"select count(*) from 班级表"_s), 1);
        QCOMPARE(count(u"select count(*) from 学籍表"_s), 1);
        QCOMPARE(counter(), 9);
        QVERIFY(!m_db->inTransaction());
    }

    void subjectsOfOneClassOrOfAllThatExist()
    {
        ClassBook classes(*m_db);
        classes.add(u"1年级1班"_s, u"甲"_s, u"通用"_s);
        classes.add(u"1年级2班"_s, u"乙"_s, u"通用"_s);
        const QStringList common {u"语文"_s, u"数学"_s, u"英语"_s, QString(), u"体育"_s, u"音乐"_s, u"美术"_s,
            u"科学"_s, u"品德"_s, u"劳动"_s};

        QVERIFY(classes.saveSubjectsToAll(common));
        classes.add(u"1年级3班"_s, u"丙"_s, u"通用"_s);
        QCOMPARE(*classes.subjects(u"1年级1班"_s), common);
        QCOMPARE(*classes.subjects(u"1年级2班"_s), common);
        QCOMPARE(*classes.subjects(u"1年级3班"_s), QStringList(10, QString()));

        QStringList own = common;
        own[3] = u"书法"_s;
        QVERIFY(classes.saveSubjects(u"1年级2班"_s, own));
        QCOMPARE(*classes.subjects(u"1年级2班"_s), own);
        QCOMPARE(*classes.subjects(u"1年级1班"_s), common);
        QCOMPARE(*classes.subjects(u"没有这个班"_s), QStringList(10, QString()));

        QStringList tooLong = common;
        tooLong[0] = QString(21, u'语');
        QVERIFY(!classes.saveSubjectsToAll(tooLong));
        QCOMPARE(*classes.subjects(u"1年级3班"_s), QStringList(10, QString()));
    }
};

XIAOWU_TEST(TestClassBook)
#include "TestClassBook.moc"
