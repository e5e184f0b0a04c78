#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include "printing/TableReports.h"
#include "sheet/PrintLayout.h"
#include "sheet/SheetTable.h"
#include "wages/WageSheet.h"
#include "workspace/PageTable.h"

#include <QDate>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2011, 3, 5);

PageTable listTable(int columns, int rows)
{
    PageTable table;
    table.title = u"实验小学3年级2班学生花名册"_s;
    table.statistics = u"本班共有2人 其中男生1人 女生1人"_s;
    for (int c = 1; c <= columns; ++c) {
        table.captions << u"栏目%1"_s.arg(c);
        table.kinds << PageTable::Kind::Text;
    }
    for (int r = 1; r <= rows; ++r) {
        QStringList row;
        for (int c = 1; c <= columns; ++c)
            row << u"%1-%2"_s.arg(r).arg(c);
        table.rows << row;
    }
    return table;
}

// A wage sheet as the page shows it: two staff rows, the total row, the cursor's row grey.
void wageSheet(SheetTable& t)
{
    t.reset(4, 10);
    t.setText(1, 1, u"姓名"_s);
    t.setText(2, 1, u"张三"_s);
    t.setText(3, 1, u"李四"_s);
    t.setText(4, 1, u"合计："_s);
    WageSheet sheet(t);
    sheet.present(257);
    sheet.highlight(3);
}

void scoreSheet(SheetTable& t)
{
    t.reset(3, 12);
    t.setText(1, 1, u"学号"_s);
    t.setText(2, 2, u"张三"_s);
    t.setBackground({2, 1, 1, 12}, 0xC0FFFF);
    t.setFixedRows(1);
}

} // namespace

class TestTableReports : public QObject
{
    Q_OBJECT

    // Builds the report `kind` into `report`; `source` holds the page's sheet where it has one.
    static void build(const QString& kind, SheetTable& report, SheetTable& source)
    {
        if (kind == u"roster" || kind == u"staff") {
            TableReports::roster(report, listTable(9, 2), Today,
                kind == u"staff" ? TableReports::Roster::Staff : TableReports::Roster::Pupils);
        } else if (kind == u"statistics") {
            TableReports::statistics(report, listTable(12, 2), Today);
        } else if (kind == u"scores") {
            scoreSheet(source);
            PageTable table = PageTable::fromSheet(source);
            table.title = u"实验小学3年级2班期中考试成绩表"_s;
            TableReports::scores(report, table, Today);
        } else {
            wageSheet(source);
            PageTable table = PageTable::fromSheet(source);
            table.title = u"实验小学教职工工资表"_s;
            table.note = u"2011年3月份"_s;
            TableReports::wages(report, table);
        }
    }

private Q_SLOTS:
    void everyReportFollowsTheConventions_data()
    {
        addColumns<QString, int>({"kind", "columns"});
        QTest::addColumn<int>("width"); // sum of the column widths
        addColumns<int, int, bool>({"titleHeight", "bottomMargin", "ruled"});
        QTest::addColumn<QStringList>("row2"); // the texts of row 2, column by column
        QTest::addColumn<QStringList>("row3");

        const QStringList list9 {
            u"栏目1"_s, u"栏目2"_s, u"栏目3"_s, u"栏目4"_s, u"栏目5"_s, u"栏目6"_s, u"栏目7"_s, u"栏目8"_s, u"栏目9"_s};
        QStringList rosterLine(9);
        rosterLine[0] = u"本班共有2人 其中男生1人 女生1人"_s;
        rosterLine[7] = u"打印日期："_s;
        rosterLine[8] = u"2011年3月5日"_s;
        QStringList staffLine = rosterLine;
        staffLine[0].clear();
        QStringList dateRight(12);
        dateRight[8] = u"打印日期："_s;
        dateRight[10] = u"2011年3月5日"_s;
        QStringList signatures(10);
        signatures[0] = u"制表："_s;
        signatures[1] = u"会计："_s;
        signatures[2] = u"出纳："_s;
        signatures[8] = u"2011年3月份"_s; // across the last two columns
        QStringList list12 = list9;
        list12 << u"栏目10"_s << u"栏目11"_s << u"栏目12"_s;
        QStringList scoreCaptions(12);
        scoreCaptions[0] = u"学号"_s;
        QStringList wageCaptions(10);
        wageCaptions[0] = u"姓名"_s;

        QTest::newRow("pupil roster") << u"roster"_s << 9 << 2540 << 180 << 220 << true << rosterLine << list9;
        QTest::newRow("staff roster") << u"staff"_s << 9 << 2540 << 180 << 150 << true << staffLine << list9;
        QTest::newRow("scores") << u"scores"_s << 12 << 2570 << 150 << 220 << true << dateRight << scoreCaptions;
        QTest::newRow("wages") << u"wages"_s << 10 << 2570 << 150 << 200 << false << signatures << wageCaptions;
        QTest::newRow("statistics") << u"statistics"_s << 12 << 2560 << 180 << 220 << true << dateRight << list12;
    }
    void everyReportFollowsTheConventions()
    {
        QFETCH(QString, kind);
        QFETCH(int, columns);
        QFETCH(int, width);
        QFETCH(int, titleHeight);
        QFETCH(int, bottomMargin);
        QFETCH(bool, ruled);
        QFETCH(QStringList, row2);
        QFETCH(QStringList, row3);
        SheetTable source;
        SheetTable report;
        report.reset(40, 20); // what the previous report left
        report.setFixedRows(1);
        build(kind, report, source);

        QCOMPARE(report.columnCount(), columns);
        int sum = 0;
        for (int c = 1; c <= columns; ++c)
            sum += report.columnWidth(c);
        QCOMPARE(sum, width);
        QCOMPARE(report.rowHeight(1), titleHeight);
        QCOMPARE(report.mergedRange(1, 1), (SheetRange {1, 1, 1, columns}));
        const SheetCell& title = report.cell(1, 1);
        QCOMPARE(title.fontName, u"楷体_GB2312"_s);
        QVERIFY(title.isBold());
        QCOMPARE(title.alignment(), SheetAlignment::Centre);
        QVERIFY(title.text.endsWith(u'表') || title.text.endsWith(u"花名册"));
        for (int c = 1; c <= columns; ++c) {
            QCOMPARE(report.text(2, c), row2.value(c - 1));
            QCOMPARE(report.text(3, c), row3.value(c - 1));
        }
        QCOMPARE(report.fixedRows(), 3);
        for (int r = 1; r <= report.rowCount(); ++r) {
            for (int c = 1; c <= columns; ++c) {
                QCOMPARE(report.cell(r, c).background, 0xFFFFFFu); // the grey wage row too
                QCOMPARE(report.cell(r, c).borders(), quint8(r >= 3 ? AllBorders : NoBorder));
            }
        }
        const PageSetup page = report.pageSetup();
        QCOMPARE(page.paper, PageSetup::A4);
        QCOMPARE(page.orientation, PageSetup::Landscape);
        QCOMPARE((QList<int> {page.marginLeft, page.marginTop, page.marginRight, page.marginBottom}),
            (QList<int> {200, 150, 200, bottomMargin}));
        QCOMPARE(page.zoom, PageSetup::FitWidth);
        QCOMPARE(page.pageNumberPosition, PageSetup::BottomRight);
        QCOMPARE(page.rowsPerPage, 0);
        QCOMPARE(page.fillLastPage, ruled ? 1 : 0);
        QCOMPARE(PrintLayout::of(report).pages.last().ruledRows > 0, ruled);
    }

    void longRosterFillsEveryPageAndRulesTheLast()
    {
        constexpr int Pupils = 30000;
        SheetTable report;
        TableReports::roster(report, listTable(9, Pupils), Today, TableReports::Roster::Pupils);
        QCOMPARE(report.rowCount(), Pupils + 3);
        QCOMPARE(report.text(Pupils + 3, 1), u"30000-1"_s);

        const PrintLayout layout = PrintLayout::of(report);
        // Title 180, date line 60 and captions 80 head each page; the pupils' rows are 70 high.
        const int perPage = int(std::floor((layout.printable.height() / layout.scale - 320) / 70));
        QVERIFY(perPage > 10);
        const int pages = (Pupils + perPage - 1) / perPage;
        QCOMPARE(layout.pages.size(), pages);
        QCOMPARE(layout.fixedRows, 3);
        int next = 4;
        for (const PrintLayout::Page& page : layout.pages) {
            QCOMPARE(page.firstRow, next);
            next = page.lastRow + 1;
            if (page.number < pages)
                QCOMPARE(page.lastRow - page.firstRow + 1, perPage);
        }
        QCOMPARE(next, Pupils + 4);
        QCOMPARE(layout.pages.last().number, pages);
        const int onLast = Pupils - (pages - 1) * perPage;
        QCOMPARE(layout.pages.last().ruledRows, perPage - onLast);
        QCOMPARE(layout.ruledRowHeight, 70);
        QVERIFY(!layout.pageNumberRect.isEmpty());
        QCOMPARE(layout.pageNumberAlignment, Qt::AlignVCenter | Qt::AlignRight);
    }

    void sheetReportsKeepTheCellsOfThePage()
    {
        SheetTable wages;
        SheetTable report;
        build(u"wages"_s, report, wages);
        QCOMPARE(report.rowCount(), 2 + wages.rowCount());
        for (int r = 1; r <= wages.rowCount(); ++r) {
            for (int c = 1; c <= 10; ++c) {
                SheetCell shown = wages.cell(r, c);
                shown.background = 0xFFFFFF;
                shown.setBorders(AllBorders);
                QCOMPARE(report.cell(r + 2, c), shown);
            }
            QCOMPARE(report.rowHeight(r + 2), wages.rowHeight(r));
        }
        QCOMPARE(wages.cell(3, 1).background, WageSheet::Highlight); // the page keeps its grey row
    }
};

XIAOWU_TEST(TestTableReports)
#include "TestTableReports.moc"
