#pragma once

// A block of cells: first row, first column (1-based), row count and column count.
struct SheetRange
{
    int row = 1;
    int column = 1;
    int rows = 1;
    int columns = 1;

    int lastRow() const { return row + rows - 1; }
    int lastColumn() const { return column + columns - 1; }
    bool contains(int r, int c) const { return r >= row && r <= lastRow() && c >= column && c <= lastColumn(); }
    bool isEmpty() const { return rows <= 0 || columns <= 0; }
    bool operator==(const SheetRange&) const = default;
};
