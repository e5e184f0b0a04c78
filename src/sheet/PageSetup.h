#pragma once

#include <QPageSize>
#include <QSizeF>

#include <QtGlobal>

// A sheet's print settings; they travel with the sheet in its stored bytes. Lengths are tenths of
// a millimetre.
struct PageSetup
{
    enum PageNumberPosition : qint16 {
        NoPageNumber = 0,
        TopLeft = 1,
        TopCentre = 2,
        TopRight = 3,
        BottomLeft = 4,
        BottomCentre = 5,
        BottomRight = 6,
    };
    static constexpr qint16 FitWidth = -1; // zoom: scale the table to the page width
    static constexpr qint16 FitWhenWider = -2; // zoom: shrink only a table wider than the page
    static constexpr qint16 A4 = 9; // the printer driver's paper number for A4
    static constexpr qint16 Portrait = 1;
    static constexpr qint16 Landscape = 2;

    qint32 marginLeft = 200;
    qint32 marginTop = 200;
    qint32 marginRight = 200;
    qint32 marginBottom = 200;
    qint16 pageNumberPosition = NoPageNumber;
    qint16 zoom = 100; // percent, or FitWidth / FitWhenWider
    qint16 paper = A4;
    qint16 orientation = Portrait;
    qint32 fillLastPage = 0; // 1: rule empty rows down to the bottom of the last page
    qint32 options = 0; // carried unchanged
    qint32 rowsPerPage = 0; // 0: as many as fit

    // Paper numbers of the printer drivers (1 Letter, 5 Legal, 8 A3, 9 A4, 11 A5, 13 B5 …);
    // 0 (the printer's default) and numbers we do not know print on A4.
    static QPageSize::PageSizeId pageSizeId(qint16 paper);
    // The paper in tenths of a millimetre, turned for landscape.
    QSizeF paperSize() const;

    bool operator==(const PageSetup&) const = default;
};
