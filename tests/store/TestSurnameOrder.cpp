#include "StoreFixture.h"

#include "store/PinyinCollation.h"
#include "store/SurnameOrder.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSurnameOrder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each surname read otherwise sorts between two surnames of its neighbouring readings.
    void eachSurnameSortsByItsReading_data()
    {
        addColumns<QString, QString, QString>({"before", "surname", "after"});
        const QList<std::tuple<const char*, const char16_t*, const char16_t*, const char16_t*>> rows {
            {"曾 zeng", u"泽", u"曾", u"张"}, {"单 shan", u"沙", u"单", u"尚"}, {"仇 qiu", u"秦", u"仇", u"屈"},
            {"解 xie", u"夏", u"解", u"辛"}, {"朴 piao", u"潘", u"朴", u"平"}, {"区 ou", u"牛", u"区", u"潘"},
            {"查 zha", u"增", u"查", u"张"}, {"盖 ge", u"高", u"盖", u"耿"}, {"缪 miao", u"马", u"缪", u"民"},
            {"覃 qin", u"钱", u"覃", u"邱"}, {"翟 zhai", u"泽", u"翟", u"张"}, {"召 shao", u"尚", u"召", u"沈"},
            {"种 chong", u"陈", u"种", u"褚"}, {"乐 yue", u"余", u"乐", u"云"}, {"员 yun", u"岳", u"员", u"臧"},
            {"华 hua", u"胡", u"华", u"黄"}, {"过 guo", u"关", u"过", u"韩"}, {"句 gou", u"耿", u"句", u"顾"},
            {"秘 bi", u"鲍", u"秘", u"卞"}, {"繁 po", u"平", u"繁", u"蒲"}, {"折 she", u"尚", u"折", u"沈"},
            {"隗 wei", u"王", u"隗", u"吴"}, {"黑 he", u"韩", u"黑", u"洪"}, {"能 nai", u"穆", u"能", u"倪"},
            {"尉迟 yuchi", u"余", u"尉迟", u"云"}};
        for (const auto& [tag, before, surname, after] : rows)
            QTest::newRow(tag) << QString::fromUtf16(before) << QString::fromUtf16(surname)
                               << QString::fromUtf16(after);
    }

    void eachSurnameSortsByItsReading()
    {
        QFETCH(QString, before);
        QFETCH(QString, surname);
        QFETCH(QString, after);
        QVERIFY(PinyinCollation::compareNames(before + u"明"_s, surname + u"明"_s) < 0);
        QVERIFY(PinyinCollation::compareNames(surname + u"明"_s, after + u"明"_s) < 0);
    }

    void namesListAsPeopleReadThem()
    {
        StoreFixture f;
        QVERIFY(f.open());
        const QStringList names {u"阿丽"_s, u"蔡华"_s, u"曾小明"_s, u"查良镛"_s, u"柴进"_s, u"仇英"_s, u"单田芳"_s,
            u"贾明"_s, u"解缙"_s, u"欧阳修"_s, u"潘安"_s, u"朴树"_s, u"乔峰"_s, u"秦琼"_s, u"邱林"_s, u"区家明"_s,
            u"沙宝亮"_s, u"尚文"_s, u"谢安"_s, u"张三"_s, u"邹明"_s, u"李曾"_s, u"李增"_s, u"O'Brien"_s};
        qint64 number = 0;
        for (const QString& name : names)
            QVERIFY(f.students.execute(u"insert into 学籍表 (学号,姓名) values (?,?)"_s, {++number, name}));
        auto rows = f.students.query(u"select 姓名 from 学籍表 order by 姓名"_s);
        QStringList sorted;
        for (; !rows->pastLast(); rows->next())
            sorted << rows->text(1);
        const auto at = [&](const QString& name) { return sorted.indexOf(name); };
        const QStringList expected {u"阿丽"_s, u"蔡华"_s, u"柴进"_s, u"贾明"_s, u"区家明"_s, u"欧阳修"_s, u"潘安"_s,
            u"朴树"_s, u"乔峰"_s, u"秦琼"_s, u"邱林"_s, u"沙宝亮"_s, u"单田芳"_s, u"尚文"_s, u"谢安"_s, u"曾小明"_s,
            u"查良镛"_s, u"张三"_s, u"邹明"_s, u"O'Brien"_s};
        for (int i = 0; i + 1 < expected.size(); ++i)
            QVERIFY2(at(expected[i]) < at(expected[i + 1]), qPrintable(sorted.join(u' ')));
        QVERIFY(at(u"秦琼"_s) < at(u"仇英"_s) && at(u"仇英"_s) < at(u"沙宝亮"_s));
        QVERIFY(at(u"尚文"_s) < at(u"解缙"_s) && at(u"解缙"_s) < at(u"曾小明"_s));
        // Only the surname position changes: 李曾's given name keeps its common reading (céng).
        QCOMPARE(SurnameOrder::sortText(u"李曾"_s), u"李曾"_s);
        QCOMPARE(SurnameOrder::sortText(u"曾"_s), u"增"_s);
        // Other text columns keep the plain pinyin order.
        QVERIFY(PinyinCollation::compare(u"曾"_s, u"张"_s) < 0 && PinyinCollation::compare(u"曾"_s, u"蔡"_s) > 0);
    }
};

XIAOWU_TEST(TestSurnameOrder)
#include "TestSurnameOrder.moc"
