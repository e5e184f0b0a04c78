#include "printing/TableReports.h"
#include "sheet/PrintLayout.h"
#include "sheet/SheetTable.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A roster as the reports build it: 3 fixed rows (title, date line, captions), then `pupils` rows.
void roster(SheetTable& t, int pupils)
{
    t.reset(3 + pupils, 9);
    t.setColumnWidths(1, 9, 240);
    t.setRowHeight(1, 180);
    t.setRowHeights(2, 2, 80);
    t.setRowHeights(4, pupils, 70);
    t.setFixedRows(3);
    t.setPageSetup(TableReports::reportPage(220, true));
}

} // namespace

class TestPrintLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paperAndMargins()
    {
        SheetTable t;
        t.reset(1, 1);
        PageSetup p;
        p.marginLeft = 200;
        p.marginTop = 130;
        p.marginRight = 100;
        p.marginBottom = 50;
        PrintLayout l = PrintLayout::of(t, p);
        QCOMPARE(l.paper, QSizeF(2100, 2970));
        QCOMPARE(l.printable, QRectF(200, 130, 1800, 2790));
        p.orientation = PageSetup::Landscape;
        l = PrintLayout::of(t, p);
        QCOMPARE(l.paper, QSizeF(2970, 2100));
        QCOMPARE(l.printable.width(), 2970.0 - 300);
        // Margins larger than the paper leave half of it at least.
        p.marginLeft = p.marginRight = 5000;
        QCOMPARE(PrintLayout::of(t, p).printable.width(), 0.0);
        QVERIFY(PrintLayout::of(t, p).pages.size() == 1);
    }

    void zoom_data()
    {
        addColumns<int, int, double>({"zoom", "tableWidth", "scale"});
        // A4 portrait with 200 margins: 1700 wide.
        QTest::newRow("percent") << 80 << 1000 << 0.8;
        QTest::newRow("fit width grows") << int(PageSetup::FitWidth) << 850 << 2.0;
        QTest::newRow("fit width shrinks") << int(PageSetup::FitWidth) << 3400 << 0.5;
        QTest::newRow("fit when wider: narrow stays") << int(PageSetup::FitWhenWider) << 850 << 1.0;
        QTest::newRow("fit when wider: wide shrinks") << int(PageSetup::FitWhenWider) << 3400 << 0.5;
        QTest::newRow("nonsense zoom prints at 100") << -7 << 850 << 1.0;
        QTest::newRow("fit without columns") << int(PageSetup::FitWidth) << 0 << 1.0;
    }

    void zoom()
    {
        QFETCH(int, zoom);
        QFETCH(int, tableWidth);
        QFETCH(double, scale);
        SheetTable t;
        t.reset(1, tableWidth ? 2 : 0);
        t.setColumnWidths(1, 2, tableWidth / 2);
        PageSetup p;
        p.zoom = qint16(zoom);
        QCOMPARE(PrintLayout::of(t, p).scale, scale);
    }

    void fixedRowHeadsEveryPage()
    {
        // One fixed row of 100 and 25 rows of 100 on a page with room for 10 at 100 %.
        SheetTable t;
        t.reset(26, 2);
        t.setRowHeights(1, 26, 100);
        t.setFixedRows(1);
        PageSetup p;
        p.marginTop = 935;
        p.marginBottom = 935; // printable height 1100
        t.setPageSetup(p);
        const PrintLayout l = PrintLayout::of(t);
        QCOMPARE(l.fixedRows, 1);
        QCOMPARE(l.pages.size(), 3);
        QCOMPARE(l.pages[0].firstRow, 2);
        QCOMPARE(l.pages[0].lastRow, 11);
        QCOMPARE(l.pages[1].firstRow, 12);
        QCOMPARE(l.pages[1].lastRow, 21);
        QCOMPARE(l.pages[2].firstRow, 22);
        QCOMPARE(l.pages[2].lastRow, 26);
        QCOMPARE(l.pages[2].number, 3);
        QCOMPARE(l.pages[2].ruledRows, 0); // no fill flag
    }

    void rowsPerPageLimitsEachPage()
    {
        // The timetable of every class: 12 rows each, three per page.
        SheetTable t;
        t.reset(6 * 12, 7);
        t.setRowHeights(1, 72, 10);
        PageSetup p;
        p.rowsPerPage = 36;
        t.setPageSetup(p);
        const PrintLayout l = PrintLayout::of(t);
        QCOMPARE(l.pages.size(), 2);
        QCOMPARE(l.pages[0].firstRow, 1);
        QCOMPARE(l.pages[0].lastRow, 36);
        QCOMPARE(l.pages[1].lastRow, 72);
    }

    void fillFlagRulesTheRestOfTheLastPage()
    {
        // A two-pupil report: the rest of the page down to the bottom margin is ruled.
        SheetTable t;
        roster(t, 2);
        const PrintLayout l = PrintLayout::of(t);
        QCOMPARE(l.pages.size(), 1);
        QCOMPARE(l.scale, 2570.0 / 2160.0);
        const double room = l.printable.height() / l.scale - (180 + 80 + 80) - 2 * 70;
        QCOMPARE(l.ruledRowHeight, 70);
        QCOMPARE(l.pages[0].ruledRows, int(room / 70));
        QVERIFY(l.pages[0].ruledRows > 5);
        // The ruled rows end within one row of the bottom margin.
        const double end = (180 + 160 + (2 + l.pages[0].ruledRows) * 70) * l.scale;
        QVERIFY(end <= l.printable.height());
        QVERIFY(end > l.printable.height() - 70 * l.scale);

        PageSetup off = t.pageSetup();
        off.fillLastPage = 0;
        QCOMPARE(PrintLayout::of(t, off).pages[0].ruledRows, 0);
    }

    void longRosterRepeatsItsHeaderAndRulesOnlyTheLastPage()
    {
        SheetTable t;
        roster(t, 30000);
        const PrintLayout l = PrintLayout::of(t);
        QVERIFY(l.pages.size() > 100);
        int rows = 0;
        for (int i = 0; i < l.pages.size(); ++i) {
            const PrintLayout::Page& page = l.pages[i];
            QCOMPARE(page.number, i + 1);
            QVERIFY(page.lastRow >= page.firstRow);
            rows += page.lastRow - page.firstRow + 1;
            if (i + 1 < l.pages.size())
                QCOMPARE(page.ruledRows, 0);
        }
        QCOMPARE(rows, 30000);
        QCOMPARE(l.pages.last().lastRow, 30003);
    }

    void rowTallerThanThePageStillPrints()
    {
        SheetTable t;
        t.reset(3, 1);
        t.setRowHeights(1, 3, 5000);
        const PrintLayout l = PrintLayout::of(t);
        QCOMPARE(l.pages.size(), 3);
        QCOMPARE(l.pages[1].firstRow, 2);
        QCOMPARE(l.pages[1].lastRow, 2);
    }

    void tableOfFixedRowsOnly()
    {
        SheetTable t;
        t.reset(1, 3);
        t.setFixedRows(3);
        const PrintLayout l = PrintLayout::of(t);
        QCOMPARE(l.fixedRows, 1);
        QCOMPARE(l.pages.size(), 1);
        QVERIFY(l.pages[0].lastRow < l.pages[0].firstRow);
        SheetTable empty;
        QCOMPARE(PrintLayout::of(empty).pages.size(), 1);
    }

    void pageNumberPosition_data()
    {
        addColumns<int, bool, int>({"position", "top", "alignment"});
        QTest::newRow("top left") << 1 << true << int(Qt::AlignLeft);
        QTest::newRow("top centre") << 2 << true << int(Qt::AlignHCenter);
        QTest::newRow("top right") << 3 << true << int(Qt::AlignRight);
        QTest::newRow("bottom left") << 4 << false << int(Qt::AlignLeft);
        QTest::newRow("bottom centre") << 5 << false << int(Qt::AlignHCenter);
        QTest::newRow("bottom right") << 6 << false << int(Qt::AlignRight);
    }

    void pageNumberPosition()
    {
        QFETCH(int, position);
        QFETCH(bool, top);
        QFETCH(int, alignment);
        SheetTable t;
        t.reset(1, 1);
        PageSetup p;
        p.pageNumberPosition = qint16(position);
        const PrintLayout l = PrintLayout::of(t, p);
        QVERIFY(!l.pageNumberRect.isEmpty());
        QCOMPARE(int(l.pageNumberAlignment & Qt::AlignHorizontal_Mask), alignment);
        if (top)
            QCOMPARE(l.pageNumberRect.bottom(), l.printable.top());
        else
            QCOMPARE(l.pageNumberRect.top(), l.printable.bottom());
        p.pageNumberPosition = PageSetup::NoPageNumber;
        QVERIFY(PrintLayout::of(t, p).pageNumberRect.isEmpty());
        // A narrow bottom margin keeps the number on the paper.
        p.pageNumberPosition = PageSetup::BottomRight;
        p.marginBottom = 10;
        QCOMPARE(PrintLayout::of(t, p).pageNumberRect.bottom(), 2970.0);
    }
};

XIAOWU_TEST(TestPrintLayout)
#include "TestPrintLayout.moc"
