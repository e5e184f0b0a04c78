#include "store/JetSql.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestJetSql : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rewrites_data()
    {
        addColumns<QString, QString>({"jet", "sqlite"});
        QTest::newRow("delete star") << u"delete * from 学籍表 where 学号=5"_s << u"delete from 学籍表 where 学号=5"_s;
        QTest::newRow("delete star, upper case")
            << u"DELETE *FROM 评语表 where 编号=1"_s << u"DELETE FROM 评语表 where 编号=1"_s;
        QTest::newRow("plain delete") << u"delete from 班级表 where 所在班级=?"_s
                                      << u"delete from 班级表 where 所在班级=?"_s;
        QTest::newRow("star in select stays") << u"select * from 学籍表"_s << u"select * from 学籍表"_s;
        QTest::newRow("order by name")
            << u"select 姓名 from 学籍表 where 所在班级=?order by 姓名"_s
            << u"select 姓名 from 学籍表 where 所在班级=?order by 姓名 COLLATE PINYIN_NAME"_s;
        QTest::newRow("order by desc") << u"select * from 学籍表 order by 期中3 desc"_s
                                       << u"select * from 学籍表 order by 期中3 COLLATE PINYIN desc"_s;
        QTest::newRow("bracketed, two terms")
            << u"select * from [学籍表] order by [姓名], 学号 ASC "_s
            << u"select * from [学籍表] order by [姓名] COLLATE PINYIN_NAME, 学号 COLLATE PINYIN ASC"_s;
        QTest::newRow("姓名 with a direction") << u"select * from 教员表 order by 姓名 desc"_s
                                               << u"select * from 教员表 order by 姓名 COLLATE PINYIN_NAME desc"_s;
        QTest::newRow("a column that begins with 姓名")
            << u"select * from t order by 姓名拼音"_s << u"select * from t order by 姓名拼音 COLLATE PINYIN"_s;
        QTest::newRow("own collation kept")
            << u"select * from t order by a collate binary"_s << u"select * from t order by a collate binary"_s;
        QTest::newRow("row lock dropped")
            << u"select 学号 from 记号表 where ID=1 for update"_s << u"select 学号 from 记号表 where ID=1"_s;
        QTest::newRow("order added, no collation")
            << u"select * from 班级表 order by rowid"_s << u"select * from 班级表 order by rowid"_s;
        QTest::newRow("a name ending in desc")
            << u"select * from t order by 描述desc"_s << u"select * from t order by 描述desc COLLATE PINYIN"_s;
    }

    void rewrites()
    {
        QFETCH(QString, jet);
        QFETCH(QString, sqlite);
        QCOMPARE(JetSql::toSqlite(jet), sqlite);
    }

    void serverRewrites_data()
    {
        addColumns<QString, QString>({"jet", "server"});
        QTest::newRow("markers, brackets, a marker before a word")
            << u"select [学号],[姓名] from [学籍表] where [所在班级]=?order by [姓名]"_s
            << u"select 学号,姓名 from 学籍表 where 所在班级=$1 order by xiaowu_name_key(姓名) COLLATE pinyin NULLS "
               u"FIRST, "
               u"姓名 COLLATE \"C\" NULLS FIRST"_s;
        QTest::newRow("texts collate, numbers only order")
            << u"select * from 学籍表 order by 所在班级, 期中3 desc"_s
            << u"select * from 学籍表 order by 所在班级 COLLATE pinyin NULLS FIRST,期中3 desc NULLS LAST"_s;
        QTest::newRow("quoted texts untouched") << u"select * from t where a='?[x] like' and b like ? escape '\\'"_s
                                                << u"select * from t where a='?[x] like' and b ILIKE $1  escape '\\'"_s;
        QTest::newRow("number column searched by its digits")
            << u"select * from 学籍表 where [学号] like ? escape '\\'"_s
            << u"select * from 学籍表 where CAST(学号 AS TEXT) ILIKE $1  escape '\\'"_s;
        QTest::newRow("subquery named")
            << u"select max(n) as m from (select 学号 as n from 学籍表 union all select 学号 from 毕业表)"_s
            << u"select max(n) as m from (select 学号 as n from 学籍表 union all select 学号 from 毕业表) AS 子查询1"_s;
        QTest::newRow("in (select) is no FROM subquery")
            << u"delete * from 学籍表 where 学号 in (select 学号 from 毕业表)"_s
            << u"delete from 学籍表 where 学号 in (select 学号 from 毕业表)"_s;
        QTest::newRow("numbered key returned")
            << u"insert into 评语表  (库别,类别,内容,范例) values (?,?,?,?);"_s
            << u"insert into 评语表  (库别,类别,内容,范例) values ($1 ,$2 ,$3 ,$4 ) RETURNING 编号"_s;
        QTest::newRow("order added is the server's row order column")
            << u"select * from 班级表 order by rowid"_s << u"select * from 班级表 order by xiaowu_seq NULLS FIRST"_s;
        QTest::newRow("row lock kept") << u"select 学号 from 记号表 where ID=1 for update"_s
                                       << u"select 学号 from 记号表 where ID=1 FOR UPDATE"_s;
    }
    void serverRewrites()
    {
        QFETCH(QString, jet);
        QFETCH(QString, server);
        QCOMPARE(JetSql::toServer(jet), server);
    }
};

XIAOWU_TEST(TestJetSql)
#include "TestJetSql.moc"
