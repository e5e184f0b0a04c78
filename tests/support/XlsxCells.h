#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A second reader of a workbook, independent of the writer: unzips it, reads the first sheet with
// its shared strings and number formats, and hands back the cells row by row.
struct XlsxCells
{
    struct Cell
    {
        QString text; // the string, or the number as stored ("1234.5")
        bool number = false;
        QString format; // the number format: "General", "0.00", ...
    };

    // Empty rows and cells where the sheet has none; `error` says what could not be read.
    static XlsxCells read(const QByteArray& workbook);

    QString error;
    QList<QList<Cell>> rows;
    QStringList merges; // "A1:F1"

    // The texts of a row, trailing empty cells dropped.
    QStringList texts(int row) const;
};
