#include "FuzzEntries.h"

#include "sheet/PrintLayout.h"
#include "sheet/SheetFormat.h"
#include "sheet/SheetTable.h"

using namespace Qt::StringLiterals;

namespace {

// A table that differs from anything a read could produce, to see whether a refusal touched it.
SheetData sentinel()
{
    SheetData d;
    d.rows = 1;
    d.columns = 1;
    d.rowHeights = {7};
    d.columnWidths = {9};
    d.cells.resize(1);
    d.cells[0].text = u"untouched"_s;
    return d;
}

QString checkLayout(const SheetTable& table)
{
    const PrintLayout layout = PrintLayout::of(table);
    if (layout.pages.isEmpty())
        return u"layout without pages"_s;
    if (!(layout.scale > 0) || layout.printable.width() < 0 || layout.printable.height() < 0)
        return u"layout with no printable area or scale"_s;
    if (layout.lastColumn < 0 || layout.lastColumn > table.columnCount())
        return u"last printed column %1 outside the table"_s.arg(layout.lastColumn);
    // What is printed must be legible and finite; anything else is refused before painting.
    if (!layout.isRefused()
        && (layout.scale < PrintLayout::MinimumScale || layout.pages.size() > PrintLayout::MaximumPages))
        return u"accepted a layout at scale %1 over %2 pages"_s.arg(layout.scale).arg(layout.pages.size());
    int next = layout.fixedRows + 1;
    for (const PrintLayout::Page& page : layout.pages) {
        if (page.firstRow != next || page.lastRow < page.firstRow - 1 || page.lastRow > table.rowCount())
            return u"page %1 does not continue the rows (%2..%3)"_s.arg(page.number)
                .arg(page.firstRow)
                .arg(page.lastRow);
        if (page.ruledRows < 0)
            return u"negative ruled rows"_s;
        // Ruled rows fill what is left of one page; more than the page holds means a painter loop
        // over millions of rows. A ruled row thinner than a tenth of a millimetre is no row.
        const double ruledHeight = double(page.ruledRows) * layout.ruledRowHeight * layout.scale;
        if (ruledHeight > layout.printable.height() + 1 || page.ruledRows > layout.printable.height() + 1)
            return u"%1 ruled rows do not fit the page"_s.arg(page.ruledRows);
        next = page.lastRow + 1;
    }
    if (next != table.rowCount() + 1 && table.rowCount() > layout.fixedRows)
        return u"pages end at row %1 of %2"_s.arg(next - 1).arg(table.rowCount());
    return {};
}

} // namespace

QString FuzzEntries::sheet(QByteArrayView bytes)
{
    SheetData data = sentinel();
    QString error;
    if (!SheetFormat::read(bytes, data, &error)) {
        if (error.isEmpty())
            return u"refused without a reason"_s;
        return data == sentinel() ? QString() : u"a refused sheet changed the caller's data"_s;
    }
    if (data.cells.size() != qsizetype(data.rows) * data.columns || data.rowHeights.size() != data.rows
        || data.columnWidths.size() != data.columns)
        return u"loaded sheet with inconsistent sizes"_s;
    SheetData again;
    if (!SheetFormat::read(SheetFormat::write(data), again) || !(again == data))
        return u"a loaded sheet written back does not reload identically"_s;

    SheetTable table;
    if (!table.load(bytes, &error))
        return u"SheetTable refused what the format read: "_s + error;
    return checkLayout(table);
}
