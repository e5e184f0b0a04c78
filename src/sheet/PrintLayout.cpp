#include "sheet/PrintLayout.h"

#include "sheet/SheetTable.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Height of the band that carries the page number.
constexpr double PageNumberBand = 60;

double height(const SheetTable& table, int row)
{
    return std::max(0, table.rowHeight(row));
}

double tableWidth(const SheetTable& table)
{
    double w = 0;
    for (int c = 1; c <= table.columnCount(); ++c)
        w += std::max(0, table.columnWidth(c));
    return w;
}

double zoomFactor(const PageSetup& setup, double available, double width)
{
    if (setup.zoom > 0)
        return setup.zoom / 100.0;
    if (width <= 0 || available <= 0)
        return 1.0;
    const double fit = available / width;
    if (setup.zoom == PageSetup::FitWidth)
        return fit;
    if (setup.zoom == PageSetup::FitWhenWider)
        return std::min(1.0, fit);
    return 1.0;
}

} // namespace

PrintLayout PrintLayout::of(const SheetTable& table)
{
    return of(table, table.pageSetup());
}

PrintLayout PrintLayout::of(const SheetTable& table, const PageSetup& setup)
{
    PrintLayout layout;
    layout.paper = setup.paperSize();
    // Margins that leave no paper are cut back so that something can still be printed.
    const double left = std::clamp<double>(setup.marginLeft, 0, layout.paper.width() / 2);
    const double right = std::clamp<double>(setup.marginRight, 0, layout.paper.width() / 2);
    const double top = std::clamp<double>(setup.marginTop, 0, layout.paper.height() / 2);
    const double bottom = std::clamp<double>(setup.marginBottom, 0, layout.paper.height() / 2);
    layout.printable = QRectF(left, top, layout.paper.width() - left - right, layout.paper.height() - top - bottom);
    layout.scale = zoomFactor(setup, layout.printable.width(), tableWidth(table));
    double x = 0;
    while (layout.lastColumn < table.columnCount() && x < layout.printable.width()) {
        ++layout.lastColumn;
        x += std::max(0, table.columnWidth(layout.lastColumn)) * layout.scale;
    }

    const int rows = table.rowCount();
    layout.fixedRows = std::min(table.fixedRows(), rows);
    double fixedHeight = 0;
    for (int r = 1; r <= layout.fixedRows; ++r)
        fixedHeight += height(table, r);
    // What the rows below the fixed ones may fill on each page, in table units.
    const double room = layout.printable.height() / layout.scale - fixedHeight;
    const int limit = setup.rowsPerPage > 0 ? setup.rowsPerPage : 0;

    Page page;
    double used = 0;
    int count = 0;
    page.firstRow = layout.fixedRows + 1;
    for (int r = layout.fixedRows + 1; r <= rows; ++r) {
        const double h = height(table, r);
        // Every page takes at least one row, so a row taller than the page still prints.
        if (count > 0 && (used + h > room + 1e-6 || (limit && count >= limit))) {
            page.lastRow = r - 1;
            layout.pages.append(page);
            page = Page {};
            page.number = int(layout.pages.size()) + 1;
            page.firstRow = r;
            used = 0;
            count = 0;
        }
        used += h;
        ++count;
    }
    page.lastRow = page.firstRow + count - 1;
    if (setup.fillLastPage == 1 && rows > 0) {
        layout.ruledRowHeight = std::max(0, table.rowHeight(rows));
        if (layout.ruledRowHeight > 0) {
            // Counted in double and bounded before it becomes an int: a tiny fit-to-width zoom or
            // huge fixed rows make the quotient far larger or smaller than any int, and no page
            // takes more rules than it has tenths of a millimetre.
            double ruled = std::floor((room - used + 1e-6) / layout.ruledRowHeight);
            ruled = std::min(ruled, std::floor(layout.printable.height()));
            if (limit)
                ruled = std::min(ruled, double(limit - count));
            page.ruledRows = ruled > 0 ? int(ruled) : 0;
        }
    }
    layout.pages.append(page);

    if (layout.scale < MinimumScale) {
        layout.refusal = u"这张表格太宽，缩到一页宽时字已无法辨认，不能打印。"_s;
    } else if (fixedHeight * layout.scale > layout.printable.height() && rows > layout.fixedRows) {
        layout.refusal = u"这张表格每页重复的表头比一页纸还高，不能打印。"_s;
    } else if (layout.pages.size() > MaximumPages) {
        layout.refusal = u"这张表格要打印%1页，超过了%2页，不能打印。"_s.arg(layout.pages.size()).arg(MaximumPages);
    }

    const int position = setup.pageNumberPosition;
    if (position >= PageSetup::TopLeft && position <= PageSetup::BottomRight) {
        const bool atTop = position <= PageSetup::TopRight;
        double y = atTop ? layout.printable.top() - PageNumberBand : layout.printable.bottom();
        y = std::clamp(y, 0.0, std::max(0.0, layout.paper.height() - PageNumberBand));
        layout.pageNumberRect = QRectF(layout.printable.left(), y, layout.printable.width(), PageNumberBand);
        const int across = (position - 1) % 3;
        layout.pageNumberAlignment = Qt::AlignVCenter
            | (across == 0        ? Qt::AlignLeft
                    : across == 1 ? Qt::AlignHCenter
                                  : Qt::AlignRight);
    }
    return layout;
}
