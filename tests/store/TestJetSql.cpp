#include "store/JetSql.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestJetSql : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rewrites_data()
    {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("sqlite");
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
        QTest::newRow("a name ending in desc")
            << u"select * from t order by 描述desc"_s << u"select * from t order by 描述desc COLLATE PINYIN"_s;
    }

    void rewrites()
    {
        QFETCH(QString, jet);
        QFETCH(QString, sqlite);
        QCOMPARE(JetSql::toSqlite(jet), sqlite);
    }
};

XIAOWU_TEST(TestJetSql)
#include "TestJetSql.moc"
