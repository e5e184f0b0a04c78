#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "text/DateText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDateText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // An invalid expected date means the text must be refused.
    void typedDates_data()
    {
        addColumns<QString, QDate>({"typed", "expected"});
        const QDate march15(2019, 3, 15);
        QTest::newRow("stored form") << u"2019年3月15日"_s << march15;
        QTest::newRow("dashes") << u"2019-3-15"_s << march15;
        QTest::newRow("dots") << u"2019.3.15"_s << march15;
        QTest::newRow("slashes") << u"2019/03/15"_s << march15;
        QTest::newRow("eight digits") << u"20190315"_s << march15;
        QTest::newRow("padded, no 日") << u"2019年03月05"_s << QDate(2019, 3, 5);
        QTest::newRow("full width") << u"２０１９年３月１５日"_s << march15;
        QTest::newRow("full-width separators") << u"２０１９－３－１５"_s << march15;
        QTest::newRow("ideographic stop") << u"2019。3。15"_s << march15;
        QTest::newRow("full-width eight digits") << u"２０１９０３１５"_s << march15;
        QTest::newRow("blanks around") << u" \u3000 2019 - 3 - 15\t "_s << march15;
        QTest::newRow("leap day") << u"2020-2-29"_s << QDate(2020, 2, 29);

        QTest::newRow("no leap day") << u"2019-2-29"_s << QDate();
        QTest::newRow("february 30") << u"2019-2-30"_s << QDate();
        QTest::newRow("month 13") << u"2019年13月1日"_s << QDate();
        QTest::newRow("day 0") << u"20190300"_s << QDate();
        QTest::newRow("april 31") << u"2019.4.31"_s << QDate();
        QTest::newRow("two-digit year") << u"19-3-15"_s << QDate();
        QTest::newRow("year only") << u"2025"_s << QDate();
        QTest::newRow("month missing") << u"2019年15日"_s << QDate();
        QTest::newRow("mixed separators") << u"2019-3.15"_s << QDate();
        QTest::newRow("seven digits") << u"2019315"_s << QDate();
        QTest::newRow("nine digits") << u"201903151"_s << QDate();
        QTest::newRow("three-digit month") << u"2019-103-1"_s << QDate();
        QTest::newRow("three-digit day") << u"2019年3月150日"_s << QDate();
        QTest::newRow("year from 0") << u"0019-3-15"_s << QDate();
        QTest::newRow("day missing") << u"2019-3-"_s << QDate();
        QTest::newRow("日 twice") << u"2019年3月15日日"_s << QDate();
        QTest::newRow("blank inside the year") << u"20 19-3-15"_s << QDate();
        QTest::newRow("not left") << u"-"_s << QDate();
        QTest::newRow("empty") << QString() << QDate();
        QTest::newRow("words") << u"去年三月"_s << QDate();
        QTest::newRow("trailing text") << u"2019-3-15 上午"_s << QDate();
    }

    void typedDates()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        const auto read = DateText::readTyped(typed);
        QCOMPARE(read.has_value(), expected.isValid());
        if (read)
            QCOMPARE(*read, expected);
    }
};

XIAOWU_TEST(TestDateText)
#include "TestDateText.moc"
