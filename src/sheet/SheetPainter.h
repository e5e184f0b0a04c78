#pragma once

#include "sheet/SheetRange.h"

#include <QColor>
#include <QList>
#include <QRectF>

class BorderLines;
class QFont;
class QPainter;
class SheetTable;
struct SheetCell;

// A run of rows (or columns) first..last drawn one after another from `position`, in device units.
struct SheetBand
{
    int first = 1;
    int last = 0;
    double position = 0;
};

// Paints cells of a SheetTable: backgrounds, texts with their fonts, colours and alignment,
// pictures, merged blocks and border lines. The grid on screen and every printed page use this one
// painter, so what the user sees is what is printed.
//
// `unit` is device units per tenth of a millimetre of the table (zoom included). A merged block cut
// by a band (a page break, the edge of the fixed rows) is drawn in each band it reaches.
class SheetPainter
{
public:
    SheetPainter(const SheetTable& table, double unit);

    // Fill of fixed-row and fixed-column cells that have no background of their own (the screen's
    // button face); invalid: none, as on paper.
    void setFixedFill(const QColor& colour) { m_fixedFill = colour; }
    // Thin lines between all cells, under the border lines (the screen grid); invalid: none.
    void setGridLines(const QColor& colour) { m_gridLines = colour; }
    // The device area worth painting (a page): cells reaching beyond it are cut to it, so that a
    // stored sheet's enormous sizes never reach the paint engine. Invalid: no limits (the screen).
    void setLimits(const QRectF& limits) { m_limits = limits; }
    // On paper a white fill is the paper itself and is left out: every fill is drawn into the PDF
    // or the printer's job, and reports fill every cell white.
    void setOnPaper(bool onPaper) { m_onPaper = onPaper; }
    // A text too big for its cell wraps and is cut at the cell's edges, which on screen can show a
    // number without its leading digits. Eliding draws it on one line ending in "…" instead (the
    // grid shows the whole text as the cell's tooltip); paper keeps the wrapped text.
    void setElideOverflow(bool elide) { m_elide = elide; }

    // The area of a cell block `rect` its text is drawn in, the text's font and drawing flags.
    static QRectF textArea(const QRectF& rect, double unit);
    static QFont textFont(const SheetCell& cell, double unit);
    static int textFlags(const SheetCell& cell);
    // Whether the whole text of `cell` fits a block of `rect` device units, wrapped as drawn.
    static bool textFits(const SheetCell& cell, const QRectF& rect, double unit);
    // The width in tenths of a millimetre the widest text of `column` needs on one line (cells
    // merged across columns left out), its padding included; 0 for a column without text and in
    // a program without a QGuiApplication (no fonts to measure).
    static int columnTextWidth(const SheetTable& table, int column);

    void paint(QPainter& painter, const QList<SheetBand>& rows, const QList<SheetBand>& columns) const;
    // `count` empty rows of `height` device units from `top`, ruled and filled like `modelRow`
    // without its texts (the ruled rest of a last page).
    void paintRuledRows(
        QPainter& painter, int modelRow, double top, double height, int count, const SheetBand& columns) const;

    // Device edges of rows first..last of a band: edges[i] is the top of row first + i, the last
    // entry the bottom of `last`.
    QList<double> rowEdges(const SheetBand& band) const;
    QList<double> columnEdges(const SheetBand& band) const;
    double lineWidth() const;

private:
    struct Part
    {
        QRectF rect;
        SheetRange block;
    };

    void paintContent(QPainter& painter, const Part& part) const;
    void addBorders(BorderLines& lines, const Part& part) const;
    // Edges outside the limits are moved onto them.
    void limitEdges(QList<double>& edges, bool vertical) const;
    bool fills(quint32 background) const;

    const SheetTable& m_table;
    double m_unit;
    QColor m_fixedFill;
    QColor m_gridLines;
    QRectF m_limits;
    bool m_onPaper = false;
    bool m_elide = false;
};
