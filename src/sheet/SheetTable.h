#pragma once

#include "sheet/PageSetup.h"
#include "sheet/SheetCell.h"
#include "sheet/SheetData.h"
#include "sheet/SheetRange.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// An in-memory table of formatted cells: the model behind the score sheet, the wage sheets, the
// timetable and every printed report.
//
// Rows and columns are numbered from 1. Row heights, column widths and font heights are tenths of
// a millimetre; a grid scales them by its zoom percent. Positions outside the table are ignored by
// the setters and read as an empty cell, and ranges are cut to the table, so callers need not
// guard every call. Changes are not shown at once: call commit() when a batch of changes is done,
// and the grids showing the table repaint.
//
// The first fixedRows() rows stay in view when a grid scrolls and head every printed page.
class SheetTable : public QObject
{
    Q_OBJECT

public:
    static constexpr qint32 DefaultRowHeight = 60;
    static constexpr qint32 DefaultColumnWidth = 200;

    explicit SheetTable(QObject* parent = nullptr);

    // --- shape ---
    // rows × columns of default cells (0 × 0 empties the table). Fixed rows, fixed columns and the
    // page setup are kept.
    void reset(int rows, int columns);
    void appendRows(int count);
    // Appends `count` rows whose cells are copies of `cells`, one per column (a column without one
    // gets a default cell).
    void appendRows(int count, const QList<SheetCell>& cells);
    // Inserts before row `before` (rowCount() + 1 appends). Inserted rows have default cells.
    void insertRows(int before, int count);
    void deleteRows(int first, int count);
    void insertColumns(int before, int count);
    void deleteColumns(int first, int count);
    int rowCount() const { return m_data.rows; }
    int columnCount() const { return m_data.columns; }
    bool isCell(int row, int column) const;

    // --- content ---
    QString text(int row, int column) const;
    // Makes the cell a text cell holding `text`.
    void setText(int row, int column, const QString& text);
    void setText(int row, int column, QString&& text);
    QByteArray picture(int row, int column) const;
    // Makes the cell a picture cell holding image bytes (JPG, GIF, BMP, PNG); empty bytes make it an
    // empty text cell again.
    void setPicture(int row, int column, const QByteArray& imageBytes);
    // The whole cell; a position outside the table gives a default cell.
    const SheetCell& cell(int row, int column) const;
    void setCell(int row, int column, const SheetCell& cell);

    // --- sizes ---
    int rowHeight(int row) const;
    void setRowHeight(int row, int height) { setRowHeights(row, 1, height); }
    void setRowHeights(int first, int count, int height);
    int columnWidth(int column) const;
    void setColumnWidth(int column, int width) { setColumnWidths(column, 1, width); }
    void setColumnWidths(int first, int count, int width);

    // --- attributes over a range ---
    void setAlignment(const SheetRange& range, SheetAlignment alignment);
    void setDataType(const SheetRange& range, SheetDataType type);
    void setReadOnly(const SheetRange& range, bool readOnly);
    // Windows colour values (red in the low byte); SheetColour::None removes the background.
    void setBackground(const SheetRange& range, quint32 colour);
    void setTextColour(const SheetRange& range, quint32 colour);
    // height in tenths of a millimetre; 0 keeps each cell's height.
    void setFont(const SheetRange& range, const QString& name, int height = 0);
    void setBold(const SheetRange& range, bool bold);
    void setItalic(const SheetRange& range, bool italic);
    void setUnderline(const SheetRange& range, bool underline);
    // Every cell of the range gets exactly these lines (a combination of SheetBorder), so AllBorders
    // rules the outer and the inner lines of a block.
    void setBorders(const SheetRange& range, quint8 lines);
    // Joins the range into one cell showing the text and attributes of its first (top-left) cell.
    // Cells of older merges inside the range are taken in.
    void merge(const SheetRange& range);
    void unmerge(const SheetRange& range);
    // The merged block that holds the cell, or the cell alone; an empty range outside the table.
    SheetRange mergedRange(int row, int column) const;

    // --- fixed rows and columns ---
    void setFixedRows(int count);
    // As stored; a count beyond the rows counts as all rows.
    int fixedRows() const { return m_data.fixedRows; }
    void setFixedColumns(int count);
    int fixedColumns() const { return m_data.fixedColumns; }

    // Appends every row of `other` with texts, attributes and heights; when `other` has more
    // columns, columns are added at the end first. `other` may be this table.
    void appendTable(const SheetTable& other);

    PageSetup pageSetup() const { return m_data.pageSetup; }
    void setPageSetup(const PageSetup& setup) { m_data.pageSetup = setup; }

    // --- stored form ---
    QByteArray serialise() const;
    // Replaces the whole table (page setup included) with the sheet in `bytes`. Bytes that are not a
    // whole sheet leave the table as it was and return false with a reason in *error.
    bool load(QByteArrayView bytes, QString* error = nullptr);
    // Replaces the whole table with a sheet SheetFormat::read has already made whole, so a caller
    // that looks at the sheet before showing it reads its bytes only once.
    void load(SheetData&& data) { m_data = std::move(data); }
    const SheetData& data() const { return m_data; }

    // Tells the grids showing this table to repaint.
    void commit() { Q_EMIT committed(); }

Q_SIGNALS:
    void committed();

private:
    qsizetype index(int row, int column) const { return qsizetype(row - 1) * m_data.columns + (column - 1); }
    SheetCell* at(int row, int column);
    // The range cut to the table; empty when nothing of it lies inside.
    SheetRange clip(const SheetRange& range) const;
    template<typename F>
    void forEach(const SheetRange& range, F&& change);

    SheetData m_data;
};
