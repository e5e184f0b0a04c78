#pragma once

#include "sheet/PageSetup.h"
#include "sheet/SheetCell.h"

#include <QList>

// The stored content of a sheet, exactly what its "SDTW" bytes hold. SheetTable owns one and
// keeps it consistent (cells.size() == rows × columns, one height per row, one width per column).
struct SheetData
{
    qint32 rows = 0;
    qint32 columns = 0;
    qint32 fixedRows = 0;
    qint32 fixedColumns = 0;
    QList<qint32> rowHeights;
    QList<qint32> columnWidths;
    QList<SheetCell> cells; // row by row
    PageSetup pageSetup;

    bool operator==(const SheetData&) const = default;
};
