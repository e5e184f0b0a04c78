#pragma once

#include "sheet/PageSetup.h"

#include <QList>
#include <QRectF>
#include <QSizeF>

#include <Qt>

class SheetTable;

// How a sheet falls onto printed pages under its page setup. Pure arithmetic on the table's sizes:
// nothing is painted here, so the rules are easy to test and the preview, the printer and the PDF
// writer all print the same pages.
//
// Paper lengths are tenths of a millimetre on the paper, origin at its top-left corner; table
// lengths are multiplied by `scale` to land on the paper. Columns are not split over pages: what
// is wider than the printable area at the chosen zoom is cut off at its right edge.
struct PrintLayout
{
    struct Page
    {
        int number = 1; // 1-based
        int firstRow = 0; // first table row below the repeated fixed rows
        int lastRow = -1; // lastRow < firstRow: no rows of its own (a table of fixed rows only)
        int ruledRows = 0; // empty rows of the last row's height after lastRow (fill-last-page)
    };

    // Below this a fitted table is no longer legible (a table a hundred times the page's width).
    static constexpr double MinimumScale = 0.01;
    // More pages than any report of a school has; a stored sheet asking for more is refused
    // rather than printed for hours.
    static constexpr int MaximumPages = 20000;

    QSizeF paper; // turned for landscape
    QRectF printable; // the paper less the margins
    double scale = 1.0; // the zoom as a factor
    int fixedRows = 0; // rows 1..fixedRows head every page
    int ruledRowHeight = 0; // table units
    QList<Page> pages; // never empty
    int lastColumn = 0; // columns 1..lastColumn begin inside the printable width; the rest is cut off

    // Why the sheet cannot be printed under its setup, for the window to show; empty when it can.
    // A refused layout is never painted: its pages would be illegible, or endless.
    QString refusal;
    bool isRefused() const { return !refusal.isEmpty(); }

    // Where the page number goes (paper units, inside the margin band beside the printable area),
    // and how it is aligned in that rectangle; an empty rectangle when the setup prints none.
    QRectF pageNumberRect;
    Qt::Alignment pageNumberAlignment;

    // Lays out `table` under its own page setup.
    static PrintLayout of(const SheetTable& table);
    static PrintLayout of(const SheetTable& table, const PageSetup& setup);
};
