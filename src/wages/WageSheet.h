#pragma once

#include <QList>

#include <QString>
#include <QStringList>

#include <utility>

class SheetTable;

// The rules of an open wage sheet, applied to its table. Row 1 holds the captions, the last row
// "合计：" and the column totals, the rows between one person each. Columns 2 .. 6 are added,
// 7 and 8 deducted, 9 is the net pay, 10 is carried as it is. Amounts are whole cents; the cells
// hold them as texts with two decimals.
class WageSheet
{
public:
    enum Column {
        Name = 1,
        FirstAdded = 2,
        LastAdded = 6,
        FirstDeducted = 7,
        LastDeducted = 8,
        NetPay = 9,
        Extra = 10
    };
    static constexpr int ItemCount = 7; // pay items: columns 2 .. 8
    static constexpr quint32 White = 0xFFFFFF;
    static constexpr quint32 Highlight = 0xECECEC;
    static constexpr quint32 DeductedText = 128; // dark red

    explicit WageSheet(SheetTable& table);

    SheetTable& table() const { return m_table; }
    int totalRow() const;
    bool isStaffRow(int row) const { return row > 1 && row < totalRow(); }

    // How a sheet looks when it is opened: white cells, the header fixed, the total row and the
    // computed columns read-only, the ten columns `columnWidth` wide. Forgets the grey row.
    // `needs` is textWidths(), when the caller has it already.
    void present(int columnWidth) { present(columnWidth, textWidths()); }
    void present(int columnWidth, const QList<int>& needs);
    // Columns 1..Extra sharing Extra × `width`, each at least as wide as its widest text needs.
    void setColumnWidths(int width) { setColumnWidths(width, textWidths()); }
    void setColumnWidths(int width, const QList<int>& needs);
    // What each of columns 1..Extra needs for its widest text.
    QList<int> textWidths() const;

    // Where the cursor may rest when it is wanted at (row, column): never beyond column 8 nor on
    // the total row (unless no staff row is left).
    std::pair<int, int> cursorCell(int row, int column) const;
    // The grey row follows the cursor; the header and the total row never turn grey.
    void highlight(int row);
    int highlightedRow() const { return m_highlighted; }

    // After an in-place edit of (row, column): an amount that is not above zero empties the cell,
    // others are written with two decimals; then the row's net pay and the totals of the column
    // and of the net pay.
    void cellEdited(int row, int column);

    // An empty staff row in front of `before`, shown as the program's own rows; the new row.
    int insertRow(int before);
    QString nameAt(int row) const;
    // Deletes a staff row and works out every total again.
    void deleteRow(int row);
    void recomputeTotals();

    // The captions of the seven pay items (columns 2 .. 8).
    QStringList itemNames() const;
    void setItemNames(const QStringList& names);

    static QString defaultTitle(const QString& schoolName, int sheet);
    // "2011年3月份"
    static QString payMonth(int year, int month);

private:
    qint64 netPay(int row) const;
    void writeTotal(int column);

    SheetTable& m_table;
    int m_highlighted = 0;
};
