#include "records/ReportList.h"
#include "support/TestRegistry.h"

#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

class TestReportList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // After a header click the list is read from its top, and the selection is the row in sight.
    void sortingShowsTheTopWithTheSelection()
    {
        ReportList list(u"在校生列表框"_s);
        list.setColumns({{u"学号"_s, 80, SortAs::Number}, {u"姓名"_s, 80, SortAs::Text}});
        QList<QStringList> rows;
        for (int i = 1; i <= 200; ++i)
            rows << QStringList {QString::number(i), u"学生%1"_s.arg(i, 3, 10, QChar(u'0'))};
        list.fill(rows, -1, nullptr, 1);
        list.resize(300, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.setCurrentRow(150);
        list.scrollTo(list.currentIndex());
        QVERIFY(list.verticalScrollBar()->value() > 0);

        list.sortByColumn(1); // 学号 again: descending
        QCOMPARE(list.text(0, 1), u"200"_s);
        QCOMPARE(list.currentRow(), 0);
        QCOMPARE(list.verticalScrollBar()->value(), 0);
    }
};

XIAOWU_TEST(TestReportList)
#include "TestReportList.moc"
