#include "printing/TableReports.h"

#include "sheet/SheetTable.h"
#include "text/DateText.h"
#include "workspace/PageTable.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace TableReports {

namespace {

constexpr int HeadRows = 3; // title, date line, captions
constexpr int ItemRowHeight = 70;
constexpr int TitleFontHeight = 80;
constexpr quint32 White = 0xFFFFFF;

const QString& dateCaption()
{
    static const QString caption = u"打印日期："_s;
    return caption;
}

// A fresh sheet of `rows` rows and the given columns, the title merged across row 1.
void begin(SheetTable& sheet, const QList<int>& widths, int rows, int titleHeight, const QString& title)
{
    const int columns = int(widths.size());
    sheet.reset(0, 0);
    sheet.reset(rows, columns);
    for (int c = 0; c < columns; ++c)
        sheet.setColumnWidth(c + 1, widths[c]);
    const SheetRange titleRow {1, 1, 1, columns};
    sheet.merge(titleRow);
    sheet.setText(1, 1, title);
    sheet.setRowHeight(1, titleHeight);
    sheet.setFont(titleRow, u"楷体_GB2312"_s, TitleFontHeight);
    sheet.setBold(titleRow, true);
    sheet.setAlignment(titleRow, SheetAlignment::Centre);
}

void put(SheetTable& sheet, const SheetRange& range, const QString& text, SheetAlignment alignment)
{
    if (range.columns > 1)
        sheet.merge(range);
    sheet.setText(range.row, range.column, text);
    sheet.setAlignment(range, alignment);
}

// Row 3: the captions, bold and centred like the title.
void putCaptions(SheetTable& sheet, const QStringList& captions)
{
    for (int c = 0; c < captions.size() && c < sheet.columnCount(); ++c)
        sheet.setText(HeadRows, c + 1, captions[c]);
    const SheetRange row {HeadRows, 1, 1, sheet.columnCount()};
    sheet.setBold(row, true);
    sheet.setAlignment(row, SheetAlignment::Centre);
}

// One row per item after the last row, in the given order, centred.
void appendItems(SheetTable& sheet, const QList<QStringList>& items)
{
    if (items.isEmpty())
        return;
    const int first = sheet.rowCount() + 1;
    const int count = int(items.size());
    sheet.appendRows(count);
    for (int i = 0; i < count; ++i) {
        const QStringList& texts = items[i];
        for (int c = 0; c < texts.size() && c < sheet.columnCount(); ++c)
            sheet.setText(first + i, c + 1, texts[c]);
    }
    sheet.setRowHeights(first, count, ItemRowHeight);
    sheet.setAlignment({first, 1, count, sheet.columnCount()}, SheetAlignment::Centre);
}

// The page's own sheet with its attributes; its captions and rows where it has none.
void appendShown(SheetTable& sheet, const PageTable& table)
{
    if (table.sheet) {
        sheet.appendTable(*table.sheet);
        return;
    }
    appendItems(sheet, {table.captions});
    appendItems(sheet, table.rows);
}

// Borders on the table part, white cells, the three head rows on every page and the page setup.
void finish(SheetTable& sheet, int bottomMargin, bool ruleLastPage)
{
    const int rows = sheet.rowCount();
    const int columns = sheet.columnCount();
    sheet.setBackground({1, 1, rows, columns}, White);
    sheet.setBorders({HeadRows, 1, rows - HeadRows + 1, columns}, AllBorders);
    sheet.setFixedRows(HeadRows);
    sheet.setPageSetup(reportPage(bottomMargin, ruleLastPage));
}

} // namespace

PageSetup reportPage(int bottomMargin, bool ruleLastPage)
{
    PageSetup page;
    page.paper = PageSetup::A4;
    page.orientation = PageSetup::Landscape;
    page.marginLeft = 200;
    page.marginTop = 150;
    page.marginRight = 200;
    page.marginBottom = bottomMargin;
    page.zoom = PageSetup::FitWidth;
    page.pageNumberPosition = PageSetup::BottomRight;
    page.fillLastPage = ruleLastPage ? 1 : 0;
    page.rowsPerPage = 0;
    return page;
}

void roster(SheetTable& sheet, const PageTable& table, const QDate& today, Roster kind)
{
    const bool staff = kind == Roster::Staff;
    QList<int> widths = staff ? QList<int> {240, 140, 240, 240, 300, 300, 360, 360, 360}
                              : QList<int> {240, 240, 140, 240, 300, 300, 360, 360, 360};
    // A list with more columns than the report plans for still prints every column.
    while (widths.size() < table.captions.size())
        widths << SheetTable::DefaultColumnWidth;
    const int columns = int(widths.size());
    begin(sheet, widths, HeadRows, 180, table.title);
    put(sheet, {2, 1, 1, columns - 2}, staff ? QString() : table.statistics, SheetAlignment::MiddleLeft);
    put(sheet, {2, columns - 1, 1, 1}, dateCaption(), SheetAlignment::MiddleRight);
    put(sheet, {2, columns, 1, 1}, DateText::format(today),
        staff ? SheetAlignment::MiddleLeft : SheetAlignment::Centre);
    sheet.setBold({2, 1, 1, columns}, true);
    if (staff)
        sheet.setRowHeight(2, 80);
    sheet.setRowHeight(3, 80);
    putCaptions(sheet, table.captions);
    appendItems(sheet, table.rows);
    finish(sheet, staff ? 150 : 220, true);
}

void scores(SheetTable& sheet, const PageTable& table, const QDate& today)
{
    begin(sheet, {220, 220, 213, 213, 213, 213, 213, 213, 213, 213, 213, 213}, 2, 150, table.title);
    sheet.setRowHeight(2, 60);
    put(sheet, {2, 9, 1, 2}, dateCaption(), SheetAlignment::MiddleRight);
    put(sheet, {2, 11, 1, 2}, DateText::format(today), SheetAlignment::MiddleLeft);
    appendShown(sheet, table);
    finish(sheet, 220, true);
}

void wages(SheetTable& sheet, const PageTable& table)
{
    begin(sheet, QList<int>(10, 257), 2, 150, table.title);
    sheet.setRowHeight(2, 60);
    sheet.setText(2, 1, u"制表："_s);
    sheet.setText(2, 2, u"会计："_s);
    sheet.setText(2, 3, u"出纳："_s);
    // In the last column alone (25.7 mm) a pay month such as "2026年12月份" wraps and is cut.
    put(sheet, {2, 9, 1, 2}, table.note, SheetAlignment::MiddleRight);
    appendShown(sheet, table);
    finish(sheet, 200, false);
}

void statistics(SheetTable& sheet, const PageTable& table, const QDate& today)
{
    QList<int> widths(12, 200);
    widths[0] = 360;
    begin(sheet, widths, HeadRows, 180, table.title);
    sheet.setBold({2, 1, 1, 12}, true);
    put(sheet, {2, 9, 1, 2}, dateCaption(), SheetAlignment::MiddleRight);
    put(sheet, {2, 11, 1, 2}, DateText::format(today), SheetAlignment::MiddleLeft);
    sheet.setRowHeight(3, 80);
    putCaptions(sheet, table.captions);
    appendItems(sheet, table.rows);
    finish(sheet, 220, true);
}

} // namespace TableReports
