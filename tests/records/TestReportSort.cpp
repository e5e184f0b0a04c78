#include "records/PrefixSearch.h"
#include "records/ReportSort.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList sorted(const QStringList& texts, SortAs sortAs, Qt::SortOrder direction)
{
    QStringList out;
    for (int i : ReportSort::order(texts, sortAs, direction))
        out << texts[i];
    return out;
}

} // namespace

class TestReportSort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columnsSortByTheirKind_data()
    {
        addColumns<int, QStringList, QStringList, QStringList>({"sortAs", "texts", "ascending", "descending"});
        const int number = int(SortAs::Number);
        const int date = int(SortAs::Date);
        const int text = int(SortAs::Text);
        QTest::newRow("numbers, 9 before 10")
            << number << QStringList {u"10"_s, u"9"_s, u"100"_s} << QStringList {u"9"_s, u"10"_s, u"100"_s}
            << QStringList {u"100"_s, u"10"_s, u"9"_s};
        // 11 digits overflow 32 bits; what is no number goes last either way, by its text.
        QTest::newRow("phones") << number
                                << QStringList {u"13900000000"_s, u""_s, u"0571-88886666"_s, u"88886666"_s, u"-"_s}
                                << QStringList {u"88886666"_s, u"13900000000"_s, u""_s, u"-"_s, u"0571-88886666"_s}
                                << QStringList {u"13900000000"_s, u"88886666"_s, u"0571-88886666"_s, u"-"_s, u""_s};
        QTest::newRow("dates") << date
                               << QStringList {u"2000年1月1日"_s, u"-"_s, u"1999年12月1日"_s, u"2000年1月12日"_s}
                               << QStringList {u"1999年12月1日"_s, u"2000年1月1日"_s, u"2000年1月12日"_s, u"-"_s}
                               << QStringList {u"2000年1月12日"_s, u"2000年1月1日"_s, u"1999年12月1日"_s, u"-"_s};
        QTest::newRow("rates") << int(SortAs::Rate) << QStringList {u"77.8%"_s, u""_s, u"100.0%"_s, u"8.3%"_s}
                               << QStringList {u"8.3%"_s, u"77.8%"_s, u"100.0%"_s, u""_s}
                               << QStringList {u"100.0%"_s, u"77.8%"_s, u"8.3%"_s, u""_s};
        QTest::newRow("names in pinyin") << text << QStringList {u"张三"_s, u"阿明"_s, u"王五"_s, u"李四"_s}
                                         << QStringList {u"阿明"_s, u"李四"_s, u"王五"_s, u"张三"_s}
                                         << QStringList {u"张三"_s, u"王五"_s, u"李四"_s, u"阿明"_s};
    }

    void columnsSortByTheirKind()
    {
        QFETCH(int, sortAs);
        QFETCH(QStringList, texts);
        QTEST(sorted(texts, SortAs(sortAs), Qt::AscendingOrder), "ascending");
        QTEST(sorted(texts, SortAs(sortAs), Qt::DescendingOrder), "descending");
    }

    void equalKeysKeepTheirOrder()
    {
        const QStringList texts {u"男"_s, u"女"_s, u"男"_s, u"女"_s, u"男"_s};
        QCOMPARE(ReportSort::order(texts, SortAs::Text, Qt::AscendingOrder), (QList<int> {0, 2, 4, 1, 3}));
        QCOMPARE(ReportSort::order(texts, SortAs::Text, Qt::DescendingOrder), (QList<int> {1, 3, 0, 2, 4}));
    }

    void searchValuesAreLiteralPrefixes_data()
    {
        addColumns<QString, QString>({"typed", "bound"});
        QTest::newRow("name") << u" 王 小"_s << u"王小%"_s;
        QTest::newRow("full-width blank") << u"王\u3000"_s << u"王%"_s;
        QTest::newRow("quote") << u"'"_s << u"'%"_s;
        QTest::newRow("injection") << u"'or'1'='1"_s << u"'or'1'='1%"_s;
        QTest::newRow("wildcards") << u"%_\\"_s << u"\\%\\_\\\\%"_s;
    }

    void searchValuesAreLiteralPrefixes()
    {
        QFETCH(QString, typed);
        const auto value = PrefixSearch::cleanValue(typed);
        QVERIFY(value);
        QTEST(PrefixSearch::likeValue(*value), "bound");
    }

    void onlyOfferedFieldsAreSearched()
    {
        QVERIFY(!PrefixSearch::cleanValue(u" \u3000 "_s));
        const QStringList offered {u"姓名"_s, u"学号"_s};
        QCOMPARE(PrefixSearch::condition(offered, u"姓名"_s), std::optional<QString>(u"姓名 like ? escape '\\'"_s));
        QVERIFY(!PrefixSearch::condition(offered, u"1=1 or 姓名"_s));
    }
};

XIAOWU_TEST(TestReportSort)
#include "TestReportSort.moc"
