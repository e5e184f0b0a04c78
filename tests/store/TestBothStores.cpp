#include "ServerFixture.h"
#include "StoreFixture.h"

#include "records/PrefixSearch.h"
#include "store/PinyinCollation.h"
#include "store/StoreCopy.h"
#include "store/Transaction.h"
#include "support/TestRegistry.h"
#include "text/GbText.h"

#include <QTest>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

// Every case runs on a fresh file store and on the test server, which holds the same empty school.
class TestBothStores : public QObject
{
    Q_OBJECT

    std::unique_ptr<ServerFixture> m_server;
    std::unique_ptr<StoreFixture> m_files;
    DbConnection m_onServer[3];

    DbConnection& db(DatabaseKind kind)
    {
        const bool server = QString::fromLatin1(QTest::currentDataTag()) == u"server";
        return server ? m_onServer[static_cast<int>(kind)] : m_files->db(kind);
    }

    static QStringList column(DbConnection& db, const QString& sql, const QVariantList& values = {})
    {
        QStringList out;
        auto rows = db.query(sql, values);
        if (!rows)
            return {u"failed: "_s + db.lastError()};
        for (rows->first(); !rows->pastLast(); rows->next())
            out << (rows->isNull(1) ? u"NULL"_s : rows->text(1));
        return out;
    }

    static void addStores()
    {
        QTest::addColumn<bool>("unused");
        QTest::newRow("file") << true;
        QTest::newRow("server") << true;
    }

private Q_SLOTS:
    void initTestCase() { m_server = std::make_unique<ServerFixture>(); }

    void init()
    {
        m_files = std::make_unique<StoreFixture>();
        QVERIFY(m_files->open());
        if (QString::fromLatin1(QTest::currentDataTag()) != u"server")
            return;
        REQUIRE_SERVER(*m_server);
        for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
            DbConnection& server = m_onServer[static_cast<int>(kind)];
            QVERIFY2(m_server->open(server, kind), qPrintable(server.lastError()));
            QString error;
            QVERIFY2(StoreCopy::copy(m_files->db(kind), server, kind, &error), qPrintable(error));
        }
    }

    void cleanup()
    {
        for (DbConnection& c : m_onServer)
            c.close();
        m_files.reset();
    }

    void typesWidthsAndBytes_data() { addStores(); }
    void typesWidthsAndBytes()
    {
        DbConnection& s = db(DatabaseKind::Student);
        QVariantList pupil = pupilValues(1, u"张三"_s, u"1年级1班"_s);
        QByteArray photo(70000, '\0');
        for (int i = 0; i < photo.size(); ++i)
            photo[i] = static_cast<char>(i * 7);
        pupil[20] = photo;
        pupil[21] = QByteArray(); // an empty long binary stays empty, not NULL
        QVERIFY2(s.execute(pupilInsert(), pupil), qPrintable(s.lastError()));
        const auto set = [&s](const QString& c, const QVariant& v) {
            return s.execute(u"update 学籍表 set "_s + c + u"=? where 学号=1"_s, {v});
        };
        QVERIFY(set(u"姓名"_s, QString(20, u'名')));
        QVERIFY(!set(u"姓名"_s, QString(21, u'名')));
        QVERIFY(set(u"期中1"_s, 32767));
        QVERIFY(!set(u"期中1"_s, 32768));
        QVERIFY(!set(u"期末1"_s, u"abc"_s));
        QVERIFY(!set(u"期末1"_s, 85.5));
        QVERIFY(set(u"期末1"_s, u"85"_s));
        QVERIFY(!s.execute(u"update 学籍表 set 学号=? where 学号=1"_s, {qint64(1) << 31}));
        QVERIFY(!s.execute(u"select ?"_s, {1, 2}));
        QVERIFY(!s.execute(u"update 学籍表 set 姓名='x' where 学号=1; delete from 学籍表"_s));
        auto rows = s.query(u"select * from 学籍表 where 学号=?"_s, {1});
        QVERIFY(rows && !rows->pastLast());
        QCOMPARE(rows->bytes(u"照片"), photo);
        QVERIFY(!rows->isNull(u"本学期评语"));
        QCOMPARE(rows->bytes(u"本学期评语").size(), 0);
        QCOMPARE(rows->text(u"综合评语"), u"综合评语"_s);
        QCOMPARE(rows->bytes(u"姓名"), GbText::toBytes(QString(20, u'名')));
        QCOMPARE(rows->value(u"期末1"), QVariant::fromValue<qint64>(85));
        QCOMPARE(rows->text(u"家长A单位"), u"张记'老字号'"_s);
        QCOMPARE(rows->text(u"离校时间"), u"-"_s);
        QVERIFY(rows->isNull(u"期中4"));
        QCOMPARE(rows->columnCount(), 45);
    }

    void ordersAsPeopleReadThem_data() { addStores(); }
    void ordersAsPeopleReadThem()
    {
        DbConnection& s = db(DatabaseKind::Student);
        const QStringList names {u"张三"_s, u"曾小明"_s, u"单田芳"_s, u"阿明"_s, u"欧阳修"_s, u"尉迟恭"_s, u"单于"_s,
            u"Zhang"_s, u"zhang"_s, u"李四"_s, u"解缙"_s, u"曾"_s, u"查理"_s, u"王五"_s, u"万俟卨"_s, u""_s};
        qint64 n = 0;
        for (const QString& name : names) {
            QVariantList v = pupilValues(++n, name, u"1班"_s);
            v[8] = name + u"路"_s; // 家庭住址: plain pinyin order
            v[24] = n % 4 == 0 ? QVariant() : QVariant(100 - n); // 期中2, some without a mark
            QVERIFY2(s.execute(pupilInsert(), v), qPrintable(s.lastError()));
        }
        QStringList byName = names;
        std::sort(byName.begin(), byName.end(),
            [](const QString& a, const QString& b) { return PinyinCollation::compareNames(a, b) < 0; });
        QCOMPARE(column(s, u"select 姓名 from 学籍表 where 所在班级=?order by 姓名"_s, {u"1班"_s}), byName);
        std::reverse(byName.begin(), byName.end());
        QCOMPARE(column(s, u"select [姓名] from [学籍表] order by [姓名] desc"_s), byName);
        QStringList plain;
        for (const QString& name : names)
            plain << name + u"路"_s;
        std::sort(plain.begin(), plain.end(),
            [](const QString& a, const QString& b) { return PinyinCollation::compare(a, b) < 0; });
        QCOMPARE(column(s, u"select 家庭住址 from 学籍表 order by 家庭住址, 学号"_s), plain);
        // A missing mark comes first going up and last going down, on both stores.
        const QStringList up = column(s, u"select 期中2 from 学籍表 order by 期中2, 学号"_s);
        QCOMPARE(up.first(), u"NULL"_s);
        QCOMPARE(column(s, u"select 期中2 from 学籍表 order by 期中2 desc, 学号"_s).last(), u"NULL"_s);
        QCOMPARE(column(s,
                     u"select max(学号) as 最大 from (select 学号 from 学籍表 union all select 学号 from 毕业表 "_s
                     u"union all select 学号 from 转退表)"_s),
            QStringList {QString::number(names.size())});
        // Classes keep the order they were added in, even after a change (the server moves a changed
        // row to the end of its table).
        for (const QString& c : {u"2班"_s, u"1班"_s, u"3班"_s})
            QVERIFY(s.execute(u"insert into 班级表 (所在班级,班主任) values (?,?)"_s, {c, u"甲"_s}));
        QVERIFY(s.execute(u"update 班级表 set 班主任='乙' where 所在班级='2班'"_s));
        QCOMPARE(
            column(s, u"select 所在班级 from 班级表 order by rowid"_s), (QStringList {u"2班"_s, u"1班"_s, u"3班"_s}));
        if (QString::fromLatin1(QTest::currentDataTag()) == u"server") {
            // A school made before the column existed gets it when it is opened.
            QVERIFY(s.execute(u"alter table 班级表 drop column xiaowu_seq"_s));
            QVERIFY(m_server->open(s, DatabaseKind::Student));
            QCOMPARE(column(s, u"select 所在班级 from 班级表 order by rowid"_s).size(), 3);
        }
    }

    void prefixSearch_data() { addStores(); }
    void prefixSearch()
    {
        DbConnection& s = db(DatabaseKind::Student);
        qint64 n = 0;
        for (const QString& name : {u"张%三"_s, u"张_三"_s, u"张三"_s, u"Zhang"_s, u"zHANG"_s, u"张\\三"_s})
            QVERIFY(s.execute(pupilInsert(), pupilValues(++n, name, u"1班"_s)));
        const QString sql = u"select 姓名 from 学籍表 where "_s + *PrefixSearch::condition({u"姓名"_s}, u"姓名"_s)
            + u" order by 学号"_s;
        QCOMPARE(column(s, sql, {PrefixSearch::likeValue(u"张%"_s)}), QStringList {u"张%三"_s});
        QCOMPARE(column(s, sql, {PrefixSearch::likeValue(u"张_"_s)}), QStringList {u"张_三"_s});
        QCOMPARE(column(s, sql, {PrefixSearch::likeValue(u"张\\"_s)}), QStringList {u"张\\三"_s});
        // ASCII letters match regardless of case, as the file store's LIKE does.
        QCOMPARE(column(s, sql, {PrefixSearch::likeValue(u"zh"_s)}), (QStringList {u"Zhang"_s, u"zHANG"_s}));
    }

    void keysTransactionsAndCounts_data() { addStores(); }
    void keysTransactionsAndCounts()
    {
        DbConnection& s = db(DatabaseKind::Student);
        auto largest = s.query(u"select max(编号) as m from 评语表"_s);
        QVERIFY(largest && !largest->pastLast());
        const qint64 before = largest->number(u"m");
        QVERIFY(before > 0);
        QVERIFY(s.execute(u"insert into 评语表  (库别,类别,内容,范例) values (?,?,?,?)"_s,
            {u"库"_s, u"分类1"_s, u"好"_s, QByteArray()}));
        QCOMPARE(s.lastInsertId(), before + 1);
        QVERIFY(s.execute(u"delete * from 评语表 where 编号=?"_s, {before + 1}));
        QCOMPARE(s.changes(), 1);
        {
            Transaction t(s);
            QVERIFY(t.isActive());
            QVERIFY(s.inTransaction());
            QVERIFY(s.execute(pupilInsert(), pupilValues(5, u"甲"_s, u"1班"_s)));
            QVERIFY(s.execute(u"update 记号表 set 学号=? where ID=1 "_s, {5}));
            QCOMPARE(s.changes(), 1);
        }
        QVERIFY(!s.inTransaction());
        QCOMPARE(column(s, u"select count(*) from 学籍表"_s), QStringList {u"0"_s});
        QCOMPARE(column(s, u"select 学号 from 记号表 where ID=1 for update"_s), QStringList {u"0"_s});
    }

    void copyThereAndBackKeepsEverything()
    {
        REQUIRE_SERVER(*m_server);
        StoreFixture original;
        QVERIFY(original.open());
        DbConnection& s = original.students;
        for (qint64 n = 1; n <= 30; ++n) {
            QVariantList v = pupilValues(n, u"学生"_s + QString::number(n), u"1班"_s);
            v[20] = QByteArray(static_cast<int>(n * 997), static_cast<char>(n));
            QVERIFY(s.execute(pupilInsert(n % 3 ? u"学籍表"_s : u"毕业表"_s), v));
        }
        QVERIFY(original.teachers.execute(
            u"insert into 教员表 (编号,姓名,照片) values (?,?,?)"_s, {7, u"王老师"_s, QByteArray("\0\1\2", 3)}));
        QVERIFY(original.admins.execute(u"insert into 用户表 values (?,?,?)"_s, {u"甲"_s, u"1"_s, u"1111"_s}));
        TempProgramDir back;
        for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
            DbConnection server;
            QVERIFY(m_server->open(server, kind));
            QString error;
            QVERIFY2(StoreCopy::copy(original.db(kind), server, kind, &error), qPrintable(error));
            const QString file = back.filePath(u"copy-"_s + DatabaseKinds::fileName(kind));
            QVERIFY2(StoreCopy::toNewFile(server, kind, file, &error), qPrintable(error));
            // The file opens as the program opens its own, and equals the original row for row.
            DbConnection reopened;
            QVERIFY(reopened.open(file, {}, DatabaseKinds::password(kind)));
            QVERIFY2(StoreCopy::same(reopened, original.db(kind), kind, &error), qPrintable(error));
        }
        QCOMPARE(column(s, u"select count(*) from 毕业表"_s), QStringList {u"10"_s});
    }
};

XIAOWU_TEST(TestBothStores)
#include "TestBothStores.moc"
