// The per-class reads are served by indexes, in a fresh file and in one from before them.
#include "StoreFixture.h"

#include "store/StoreIndexes.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString marks(const QString& stem)
{
    QStringList columns;
    for (int slot = 1; slot <= 10; ++slot)
        columns << stem + QString::number(slot);
    return columns.join(u',');
}

// SQLite's plan of the statement, its steps joined.
QString plan(DbConnection& db, const QString& sql)
{
    auto rows = db.query(u"explain query plan "_s + sql, {u"1年级1班"_s});
    if (!rows)
        return db.lastError();
    QStringList steps;
    for (rows->first(); !rows->pastLast(); rows->next())
        steps << rows->text(u"detail");
    return steps.join(u" | ");
}

int indexCount(DbConnection& db)
{
    auto rows = db.query(u"select count(*) as n from sqlite_master where type='index' and tbl_name='学籍表'"_s);
    return rows ? static_cast<int>(rows->number(u"n")) : -1;
}

} // namespace

class TestStoreIndexes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void perClassReadsUseAnIndex_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("step"); // part of the plan

        QTest::newRow("score sheet mid-term")
            << u"select 学号,姓名,"_s + marks(u"期中"_s) + u" from 学籍表 where 所在班级=?order by 期中3 desc"_s
            << u"USING COVERING INDEX 学籍表_成绩 (所在班级=?)"_s;
        QTest::newRow("score sheet final by name")
            << u"select 学号,姓名,"_s + marks(u"期末"_s) + u" from 学籍表 where 所在班级=?order by 姓名"_s
            << u"USING COVERING INDEX 学籍表_成绩 (所在班级=?)"_s;
        QTest::newRow("class average") << u"SELECT Avg(期末7) AS 平均成绩 FROM 学籍表 WHERE 所在班级=? and 期末7>0"_s
                                       << u"USING COVERING INDEX 学籍表_成绩 (所在班级=?)"_s;
        QTest::newRow("student view names")
            << u"select 学号,姓名,性别 from 学籍表 where 所在班级=? order by 姓名"_s << u"USING INDEX 学籍表_"_s;
        QTest::newRow("whole records of a class")
            << u"select * from 学籍表 where 所在班级=?"_s << u"USING INDEX 学籍表_"_s;
    }

    void perClassReadsUseAnIndex()
    {
        QFETCH(QString, sql);
        QFETCH(QString, step);
        StoreFixture f;
        QVERIFY(f.open());
        const QString fresh = plan(f.students, sql);
        QVERIFY2(fresh.contains(step), qPrintable(fresh));

        // A file from before the indexes scans the table, and gets them when it is opened.
        QVERIFY(f.students.execute(u"drop index 学籍表_成绩"_s));
        QVERIFY(f.students.execute(u"drop index 学籍表_所在班级"_s));
        QVERIFY(plan(f.students, sql).contains(u"SCAN 学籍表"_s));
        QVERIFY(StoreIndexes::ensure(f.students, DatabaseKind::Student));
        QCOMPARE(plan(f.students, sql), fresh);
        QCOMPARE(indexCount(f.students), 3);
        QVERIFY(StoreIndexes::ensure(f.students, DatabaseKind::Student));
        QCOMPARE(indexCount(f.students), 3);
    }
};

XIAOWU_TEST(TestStoreIndexes)
#include "TestStoreIndexes.moc"
