#include "analysis/AnalysisReport.h"

#include "printing/TableReports.h"
#include "sheet/PageSetup.h"
#include "sheet/SheetTable.h"
#include "text/DateText.h"
#include "workspace/PageTable.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace AnalysisReport {

namespace {

constexpr int PrintableWidth = 2570; // A4 landscape less 20 mm each side, in tenths of a millimetre
constexpr int RowHeight = 65;
constexpr int ChartHeight = 820;
constexpr quint32 White = 0xFFFFFF;

} // namespace

void build(SheetTable& sheet, const PageTable& table, const QDate& today, const QList<QByteArray>& charts)
{
    const int columns = qMax(int(table.captions.size()), 2);
    const int rows = 3 + int(table.rows.size());
    sheet.reset(0, 0);
    sheet.reset(rows, columns);
    sheet.setColumnWidths(1, columns, PrintableWidth / columns);

    const SheetRange title {1, 1, 1, columns};
    sheet.merge(title);
    sheet.setText(1, 1, table.title);
    sheet.setRowHeight(1, 150);
    sheet.setFont(title, u"楷体_GB2312"_s, 80);
    sheet.setBold(title, true);
    sheet.setAlignment(title, SheetAlignment::Centre);

    const SheetRange date {2, 1, 1, columns};
    sheet.merge(date);
    sheet.setText(2, 1, u"打印日期："_s + DateText::format(today));
    sheet.setAlignment(date, SheetAlignment::MiddleRight);
    sheet.setRowHeight(2, 70);

    for (int c = 0; c < table.captions.size(); ++c)
        sheet.setText(3, c + 1, table.captions[c]);
    sheet.setBold({3, 1, 1, columns}, true);
    sheet.setRowHeight(3, 80);
    for (int r = 0; r < table.rows.size(); ++r) {
        const QStringList& texts = table.rows[r];
        for (int c = 0; c < texts.size() && c < columns; ++c)
            sheet.setText(4 + r, c + 1, texts[c]);
    }
    if (!table.rows.isEmpty())
        sheet.setRowHeights(4, int(table.rows.size()), RowHeight);
    sheet.setAlignment({3, 1, rows - 2, columns}, SheetAlignment::Centre);
    sheet.setBorders({3, 1, rows - 2, columns}, AllBorders);

    if (!charts.isEmpty()) {
        // Side by side, each over its share of the columns.
        sheet.appendRows(1);
        const int row = sheet.rowCount();
        sheet.setRowHeight(row, ChartHeight);
        const int count = int(charts.size());
        for (int i = 0; i < count; ++i) {
            const int first = 1 + i * columns / count;
            const int last = (i + 1) * columns / count;
            if (last < first)
                continue;
            sheet.merge({row, first, 1, last - first + 1});
            sheet.setPicture(row, first, charts[i]);
            sheet.setAlignment({row, first, 1, last - first + 1}, SheetAlignment::Centre);
        }
    }
    sheet.setBackground({1, 1, sheet.rowCount(), columns}, White);
    sheet.setFixedRows(charts.isEmpty() ? 3 : 2);

    sheet.setPageSetup(TableReports::reportPage(220, false));
}

} // namespace AnalysisReport
