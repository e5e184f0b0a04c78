// Every statement shape the program uses, run against fresh databases holding a little of
// everything. Values the program takes from the user are bound where it once concatenated them.
#include "StoreFixture.h"

#include "support/TestRegistry.h"

#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(DatabaseKind)

class TestStatementShapes : public QObject
{
    Q_OBJECT

    std::unique_ptr<StoreFixture> f;

    void fill()
    {
        auto& s = f->students;
        QVERIFY(s.execute(classInsert(), classValues(u"6年级1班"_s, u"王老师"_s)));
        QVERIFY(s.execute(classInsert(), classValues(u"1年级1班"_s, u"李老师"_s)));
        QVERIFY(s.execute(pupilInsert(), pupilValues(1, u"张三"_s, u"6年级1班"_s)));
        QVERIFY(s.execute(pupilInsert(), pupilValues(2, u"李四"_s, u"1年级1班"_s)));
        QVERIFY(s.execute(pupilInsert(u"毕业表"_s), pupilValues(3, u"王五"_s, u"6年级2班"_s)));
        QVERIFY(s.execute(pupilInsert(u"转退表"_s), pupilValues(4, u"赵六"_s, u"1年级1班"_s)));
        QVERIFY(s.execute(u"insert into 毕业时间表 values (?)"_s, {u"2025年7月1日"_s}));
        auto& t = f->teachers;
        const QString teacher = u"insert into %1 values (?,'陈老师','男','汉族','1980年1月1日','本科','党员',"
                                "'2000年9月1日','2005年9月1日','高级','语文','330100198001010000','139','地址','电话',"
                                "'籍贯','户籍',?,?,?,'-','-')"_s;
        const QVariantList blobs {QByteArray("GIF89a"), QByteArray("cv"), QByteArray("x")};
        QVERIFY(t.execute(teacher.arg(u"教员表"_s), QVariantList {1} + blobs));
        QVERIFY(t.execute(teacher.arg(u"退休表"_s), QVariantList {2} + blobs));
        QVERIFY(t.execute(teacher.arg(u"调离表"_s), QVariantList {3} + blobs));
        QVERIFY(f->admins.execute(u"insert into 用户表 values ('"_s + u"管理员"_s + u"','pw','1111')"_s));
    }

private Q_SLOTS:
    void initTestCase()
    {
        f = std::make_unique<StoreFixture>();
        QVERIFY(f->open());
        fill();
    }

    void shapes_data()
    {
        QTest::addColumn<DatabaseKind>("kind");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("parameters");
        QTest::addColumn<int>("rows"); // rows a query returns, or rows an execute changes; -1: not checked

        const auto S = DatabaseKind::Student;
        const auto T = DatabaseKind::Teacher;
        const auto A = DatabaseKind::Admin;
        const QByteArray bytes("\x00\x01\xFF", 3);
        auto row = [](const char* name, DatabaseKind kind, const QString& sql, const QVariantList& p, int rows) {
            QTest::newRow(name) << kind << sql << p << rows;
        };

        // Reading pupils and classes.
        row("select by number", S, u"select * from 学籍表 where 学号=1"_s, {}, 1);
        row("select by class", S, u"select * from 学籍表 where 所在班级=?"_s, {u"6年级1班"_s}, 1);
        row("bracketed identifiers", S,
            u"select [学号],[姓名],[性别] from [学籍表] where [所在班级]=? order by [姓名]"_s, {u"6年级1班"_s}, 1);
        row("no blank before order", S, u"select 姓名,性别 from 学籍表 where 所在班级=?order by 姓名"_s,
            {u"1年级1班"_s}, 1);
        row("class with head teacher", S, u"select 所在班级,班主任 from 班级表"_s, {}, 2);
        row("standard classes", S, u"SELECT 所在班级 FROM 班级表 where 班级分类='通用'"_s, {}, 2);
        row("custom classes", S, u"select 所在班级 from 班级表 where 班级分类='自设'"_s, {}, 0);
        row("subjects", S,
            u"select 科目1,科目2,科目3,科目4,科目5,科目6,科目7,科目8,科目9,科目10 from 班级表 where 所在班级=?"_s,
            {u"6年级1班"_s}, 1);
        row("class row", S, u"select * from 班级表 where 所在班级=?"_s, {u"6年级1班"_s}, 1);
        row("duplicate count", S, u"select count(*) as 重复 from 班级表 where 所在班级=?"_s, {u"6年级1班"_s}, 1);
        row("counter", S, u"select 学号 from 记号表 where ID=1"_s, {}, 1);
        row("number and name", S, u"select 学号,姓名 from 学籍表 where 所在班级=?"_s, {u"6年级1班"_s}, 1);
        row("comments of a pupil", S, u"select 学号,综合评语,本学期评语 from 学籍表 where 学号=1"_s, {}, 1);
        row("mid-term marks", S,
            u"select 学号,姓名,期中1,期中2,期中3,期中4,期中5,期中6,期中7,期中8,期中9,期中10 from 学籍表 where "
            "所在班级=?order by 期中3 desc"_s,
            {u"6年级1班"_s}, 1);
        row("final marks", S,
            u"select 学号,姓名,期末1,期末2,期末3,期末4,期末5,期末6,期末7,期末8,期末9,期末10 from 学籍表 where 所在班级=?"_s,
            {u"6年级1班"_s}, 1);
        row("average", S, u"SELECT Avg(期中3) AS 平均成绩 FROM 学籍表 where 所在班级=?"_s, {u"6年级1班"_s}, 1);
        row("enrolled roster", S,
            u"select 学号,姓名,性别,民族,出生日期,入学日期,所在班级,班内职务,联系电话 from 学籍表 where 所在班级=?"_s,
            {u"6年级1班"_s}, 1);
        row("enrolled search like", S,
            u"select 学号,姓名,性别,民族,出生日期,入学日期,所在班级,班内职务,联系电话 from 学籍表 where 姓名 like ?"_s,
            {u"%张%"_s}, 1);
        row("graduates of a date", S, u"select 学号,姓名,性别 from 毕业表 where 离校时间=?"_s, {u"-"_s}, 1);
        row("graduate roster", S,
            u"select 学号,姓名,性别,民族,出生日期,离校时间,所在班级,班内职务,联系电话 from 毕业表 where 离校时间=?"_s,
            {u"-"_s}, 1);
        row("leaver roster", S,
            u"select 学号,姓名,性别,民族,出生日期,离校时间,所在班级,班内职务,联系电话 from 转退表 order by 姓名"_s, {},
            1);
        row("leavers", S, u"select 学号,姓名,性别 from 转退表 order by 姓名"_s, {}, 1);
        row("graduation dates", S, u"select * from 毕业时间表 "_s, {}, 1);
        row("graduate by number", S, u"select * from 毕业表 where 学号=3"_s, {}, 1);
        row("leaver by number", S, u"select * from 转退表 where 学号=4"_s, {}, 1);
        row("library", S, u"select * from 评语表 where 库别=?"_s, {u"小学评语库"_s}, -1);
        row("library entry", S, u"select * from 评语表 where 编号=1"_s, {}, 1);

        // Changing pupils and classes.
        row("insert pupil", S, pupilInsert(), pupilValues(9, u"新生"_s, u"1年级1班"_s), 1);
        row("update counter", S, u"update 记号表 set 学号=9 where ID=1"_s, {}, 1);
        row("reset counter", S, u"update 记号表 set 学号 ='0'where ID=1"_s, {}, 1);
        row("update comments", S, u"update 学籍表 set 本学期评语=?,综合评语=? where 学号=1"_s, {bytes, bytes}, 1);
        row("change class", S, u"update 学籍表 set 所在班级=? where 学号=1"_s, {u"1年级1班"_s}, 1);
        row("renumber", S, u"update 学籍表 set 学号=? where 学号=1"_s, {77}, 1);
        row("leave date", S, u"update 转退表 set 离校时间=?,离校原因=? where 学号=4"_s, {u"2026年1月5日"_s, u"转学"_s},
            1);
        row("graduation date", S, u"update 毕业表 set 离校时间=? where 学号=3"_s, {u"2025年7月1日"_s}, 1);
        row("head teacher", S, u"update 班级表 set 班主任 = ? where 所在班级=?"_s, {u"O'Neil"_s, u"6年级1班"_s}, 1);
        row("rename class", S, u"update 班级表 set 所在班级=? where 所在班级=?"_s, {u"7年级1班"_s, u"6年级1班"_s}, 1);
        row("timetable cell", S, u"update 班级表 set 星期11=? where 所在班级=?"_s, {u"语文"_s, u"6年级1班"_s}, 1);
        row("subjects set", S, u"update 班级表 set 科目1=?,科目2=? where 所在班级=?"_s,
            {u"语文"_s, u"数学"_s, u"6年级1班"_s}, 1);
        row("move to leavers", S, u"insert into 转退表 select * from 学籍表 where 学号=1"_s, {}, 1);
        row("move class to graduates", S, u"insert into 毕业表 select * from 学籍表 where 所在班级=?"_s,
            {u"6年级1班"_s}, 1);
        row("graduate grades", S,
            u"insert into 毕业表 select * from 学籍表 where 所在班级 like'6年级%' or 所在班级 like'初中3年级%' or "
            "所在班级 like'高中3年级%' or 所在班级 like'幼儿园大班%'"_s,
            {}, 1);
        row("re-enrol graduate", S, u"insert into 学籍表 select * from 毕业表 where 学号=3"_s, {}, 1);
        row("re-enrol leaver", S, u"insert into 学籍表 select * from 转退表 where 学号=4"_s, {}, 1);
        row("graduation record", S, u"insert into 毕业时间表 values (?)"_s, {u"2026年7月1日"_s}, 1);
        row("insert class", S, classInsert(), classValues(u"3'班"_s, u"O'Neil"_s), 1);
        row("delete star", S, u"delete * from 学籍表 where 学号=1"_s, {}, 1);
        row("delete star by class", S, u"delete * from 学籍表 where 所在班级=?"_s, {u"1年级1班"_s}, 1);
        row("delete star grades", S,
            u"delete * from 班级表 where 所在班级 like'6年级%' or 所在班级 like'初中3年级%' or 所在班级 "
            u"like'高中3年级%' "
            "or 所在班级 like'幼儿园大班%'"_s,
            {}, 1);
        row("delete graduate", S, u"delete * from 毕业表 where 学号=3"_s, {}, 1);
        row("delete leaver", S, u"delete * from 转退表 where 学号=4"_s, {}, 1);
        row("delete plain", S, u"delete from 学籍表 where 所在班级=?"_s, {u"6年级1班"_s}, 1);
        row("delete class", S, u"delete from 班级表 where 所在班级=?"_s, {u"1年级1班"_s}, 1);
        row("new library entry", S,
            u"insert into 评语表  (库别,类别,内容,范例) values (?,?,'------新评语词条的内容(最多100个字符或50个汉字)------',?)"_s,
            {u"小学评语库"_s, u"分类1"_s, QVariant()}, 1);
        row("update entry", S, u"update 评语表 set 内容=? where 编号=1"_s, {u"新内容"_s}, 1);
        row("update model", S, u"update 评语表 set 范例=? where 编号=1"_s, {bytes}, 1);
        row("delete entry", S, u"delete * from 评语表 where 编号=1"_s, {}, 1);

        // Teachers.
        row("teacher by number", T, u"select * from 教员表 where 编号=1"_s, {}, 1);
        row("retired by number", T, u"select * from 退休表 where 编号=2"_s, {}, 1);
        row("moved by number", T, u"select * from 调离表 where 编号=3"_s, {}, 1);
        row("teacher counter", T, u"select 教员编号 from 记号表 where ID=1"_s, {}, 1);
        row("teachers", T, u"select 编号,姓名,性别 from 教员表 order by 姓名"_s, {}, 1);
        row("retired", T, u"select 编号,姓名,性别 from 退休表 order by 姓名"_s, {}, 1);
        row("moved", T, u"select 编号,姓名,性别 from 调离表 order by 姓名"_s, {}, 1);
        row("staff roster", T,
            u"select 编号,姓名,性别,民族,学历,职称,职务或岗位,参加工作时间,调入本校时间,住宅电话 from 教员表 order by 姓名"_s,
            {}, 1);
        row("retired roster", T,
            u"select 编号,姓名,性别,民族,学历,职称,职务或岗位,参加工作时间,离校时间,住宅电话 from 退休表 order by 姓名"_s,
            {}, 1);
        row("update teacher counter", T, u"update 记号表 set 教员编号=2 where ID=1"_s, {}, 1);
        row("update teacher", T, u"update 教员表 set 姓名=? where 编号=1"_s, {u"陈 老师"_s}, 1);
        row("retire", T, u"insert into 退休表 select * from 教员表 where 编号=1"_s, {}, -1);
        row("transfer, two blanks", T, u"insert into 调离表 select * from 教员表  where 编号=1"_s, {}, -1);
        row("restore retired", T, u"insert into 教员表 select * from 退休表 where 编号=2"_s, {}, 1);
        row("restore moved", T, u"insert into 教员表 select * from 调离表 where 编号=3"_s, {}, 1);
        row("retired date", T, u"update 退休表 set 离校时间=? where 编号=2"_s, {u"2026年1月1日"_s}, 1);
        row("moved date", T, u"update 调离表 set 离校时间=? where 编号=3"_s, {u"2026年1月1日"_s}, 1);
        row("delete teacher", T, u"delete * from 教员表 where 编号=1"_s, {}, 1);
        row("delete retired", T, u"delete * from 退休表 where 编号=2"_s, {}, 1);
        row("delete moved", T, u"delete * from 调离表 where 编号=3"_s, {}, 1);

        // Administrators.
        row("accounts, trailing blank", A, u"select * from 用户表 "_s, {}, 1);
        row("add account", A, u"insert into 用户表 values (?,?,?)"_s, {u"新人"_s, u"123"_s, u"1100"_s}, 1);
        row("change account", A, u"update 用户表 set 用户名=?,密码=?,权限=? where 用户名=?"_s,
            {u"甲"_s, u"1"_s, u"1111"_s, u"管理员"_s}, 1);
        row("delete account", A, u"delete from 用户表 where 用户名=?"_s, {u"管理员"_s}, 1);
    }

    void shapes()
    {
        QFETCH(DatabaseKind, kind);
        QFETCH(QString, sql);
        QFETCH(QVariantList, parameters);
        QFETCH(int, rows);
        // Each statement runs on the same rows and is undone afterwards.
        DbConnection& db = f->db(kind);
        QVERIFY(db.beginTransaction());
        auto undo = qScopeGuard([&db] { db.rollback(); });
        if (sql.startsWith(u"select"_s, Qt::CaseInsensitive)) {
            auto set = db.query(sql, parameters);
            QVERIFY2(set, qPrintable(db.lastError()));
            int count = 0;
            for (set->first(); !set->pastLast(); set->next())
                ++count;
            if (rows >= 0)
                QCOMPARE(count, rows);
        } else {
            QVERIFY2(db.execute(sql, parameters), qPrintable(db.lastError()));
            if (rows >= 0)
                QCOMPARE(db.changes(), rows);
        }
    }
};

XIAOWU_TEST(TestStatementShapes)
#include "TestStatementShapes.moc"
