// Builds the timetable sheet of one class (10 rows × 7 columns) that the timetable window fills
// and prints. The output depends on nothing but this source.
#include "GeneratorOutput.h"

#include "sheet/SheetTable.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int Rows = 10;
constexpr int Columns = 7;

void makeSheet(SheetTable& t)
{
    t.reset(Rows, Columns);
    t.setFixedRows(0);
    t.setRowHeight(1, 150);
    t.setRowHeights(2, Rows - 1, 80);
    t.setColumnWidth(1, 150);
    t.setColumnWidth(2, 300);
    t.setColumnWidths(3, 5, 250);

    const SheetRange all {1, 1, Rows, Columns};
    t.setAlignment(all, SheetAlignment::Centre);
    t.setFont(all, u"宋体"_s, 42);
    // Row 9 has always printed in the sheet's default font; kept so old and new printouts match.
    t.setFont({9, 1, 1, Columns}, SheetCell::defaultFontName(), SheetCell::DefaultFontHeight);
    t.setBorders(all, AllBorders);

    t.setText(1, 1, u"电子学校课程表"_s);
    t.setFont({1, 1, 1, Columns}, u"宋体"_s, 63);
    t.setBold({1, 1, 1, Columns}, true);
    t.setBorders({1, 1, 1, Columns}, BottomBorder);
    t.merge({1, 1, 1, Columns});

    t.merge({2, 1, 1, 2});
    const QStringList days {u"星期一"_s, u"星期二"_s, u"星期三"_s, u"星期四"_s, u"星期五"_s};
    for (int d = 0; d < 5; ++d)
        t.setText(2, 3 + d, days[d]);

    const QStringList periods {u"第一节课"_s, u"第二节课"_s, u"第三节课"_s, u"第四节课"_s, u"第五节课"_s, u"第六节课"_s,
        u"第七节课"_s, u"第八节课"_s};
    for (int p = 0; p < 8; ++p)
        t.setText(3 + p, 2, periods[p]);
    t.setText(3, 1, u"上午"_s);
    t.merge({3, 1, 4, 1});
    t.setText(7, 1, u"下午"_s);
    t.merge({7, 1, 4, 1});

    t.setReadOnly({1, 1, 2, Columns}, true);
    t.setReadOnly({1, 1, Rows, 2}, true);

    PageSetup page;
    page.marginLeft = 200;
    page.marginTop = 230;
    page.marginRight = 200;
    page.marginBottom = 230;
    page.pageNumberPosition = PageSetup::NoPageNumber;
    page.zoom = 100;
    page.paper = 0; // the printer's default paper
    page.orientation = PageSetup::Portrait;
    t.setPageSetup(page);
}

} // namespace

int main(int argc, char** argv)
{
    return writeOneSheet(
        argc, argv, "xiaowu_mktimetable", makeSheet, [](const SheetTable& t) { return t.serialise(); });
}
