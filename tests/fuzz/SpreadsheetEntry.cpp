#include "FuzzEntries.h"

#include "exchange/CsvReader.h"
#include "exchange/SheetLimits.h"
#include "exchange/XlsxReader.h"

using namespace Qt::StringLiterals;

namespace {

QString checkSheet(const ImportedSheet& sheet, bool numberedInOrder)
{
    if (!sheet.ok())
        return sheet.rows.isEmpty() ? QString() : u"rows beside an error"_s;
    if (sheet.rows.size() > SheetLimits::MaxRows)
        return u"more rows than the limit"_s;
    int last = 0;
    for (const ImportedSheet::Row& row : sheet.rows) {
        if (row.number < 1 || row.number > 1048576 || (numberedInOrder && row.number <= last))
            return u"row number %1 after %2"_s.arg(row.number).arg(last);
        last = row.number;
        if (row.cells.isEmpty() || row.cells.last().isEmpty())
            return u"an empty row or an empty last cell"_s;
        if (row.cells.size() > SheetLimits::MaxColumns)
            return u"more columns than the limit"_s;
    }
    return {};
}

} // namespace

// The bytes as a workbook and as CSV: a message, or rows within the limits as the readers promise.
QString FuzzEntries::spreadsheet(QByteArrayView bytes)
{
    if (const QString failure = checkSheet(XlsxReader::read(bytes.toByteArray()), false); !failure.isEmpty())
        return u"workbook: "_s + failure;
    if (const QString failure = checkSheet(CsvReader::read(bytes), true); !failure.isEmpty())
        return u"csv: "_s + failure;
    return {};
}
