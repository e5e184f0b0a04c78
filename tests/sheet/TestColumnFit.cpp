#include "sheet/ColumnFit.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QTest>

class TestColumnFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void share_data()
    {
        addColumns<QList<int>, int, QList<int>>({"needs", "total", "widths"});
        QTest::newRow("all fit: equal") << QList<int> {10, 20, 0} << 90 << QList<int> {30, 30, 30};
        QTest::newRow("a wide one: the rest shared") << QList<int> {10, 50, 10} << 90 << QList<int> {20, 50, 20};
        QTest::newRow("two wide ones") << QList<int> {45, 40, 0, 5} << 100 << QList<int> {45, 40, 8, 7};
        QTest::newRow("needs beyond the total") << QList<int> {60, 70} << 100 << QList<int> {60, 70};
        QTest::newRow("none") << QList<int> {} << 100 << QList<int> {};
    }

    void share()
    {
        QFETCH(QList<int>, needs);
        QFETCH(int, total);
        QFETCH(QList<int>, widths);
        QCOMPARE(ColumnFit::share(needs, total), widths);
    }

    void fittingZoom_data()
    {
        addColumns<int, int, int>({"pixels", "zoom", "fitted"});
        // 2,540 tenths of a millimetre are 960 pixels at 96 dpi and 100 %.
        QTest::newRow("room to spare keeps the zoom") << 2000 << 125 << 125;
        QTest::newRow("too narrow shrinks") << 780 << 125 << 81;
        QTest::newRow("never below half") << 200 << 125 << 50;
        QTest::newRow("no width yet") << 0 << 125 << 125;
    }

    void fittingZoom()
    {
        QFETCH(int, pixels);
        QFETCH(int, zoom);
        QFETCH(int, fitted);
        QCOMPARE(ColumnFit::fittingZoom({1000, 1540}, pixels, 96, zoom), fitted);
    }
};

XIAOWU_TEST(TestColumnFit)
#include "TestColumnFit.moc"
