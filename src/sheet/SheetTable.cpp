#include "sheet/SheetTable.h"

#include "sheet/SheetFormat.h"

#include <algorithm>

namespace {

const SheetCell& emptyCell()
{
    static const SheetCell cell;
    return cell;
}

SheetMergeMark markAt(int i, int first, int last)
{
    if (first == last)
        return SheetMergeMark::None;
    if (i == first)
        return SheetMergeMark::First;
    return i == last ? SheetMergeMark::Last : SheetMergeMark::Inner;
}

bool continuesBefore(SheetMergeMark m)
{
    return m == SheetMergeMark::Inner || m == SheetMergeMark::Last;
}

bool continuesAfter(SheetMergeMark m)
{
    return m == SheetMergeMark::First || m == SheetMergeMark::Inner;
}

} // namespace

SheetTable::SheetTable(QObject* parent)
    : QObject(parent)
{ }

void SheetTable::reset(int rows, int columns)
{
    rows = std::max(0, rows);
    columns = std::max(0, columns);
    m_data.rows = rows;
    m_data.columns = columns;
    // Refilled in place: a sheet that is reset and filled again for every class keeps its room.
    m_data.rowHeights.fill(DefaultRowHeight, rows);
    m_data.columnWidths.fill(DefaultColumnWidth, columns);
    m_data.cells.clear();
    m_data.cells.resize(qsizetype(rows) * columns);
}

void SheetTable::appendRows(int count)
{
    insertRows(m_data.rows + 1, count);
}

void SheetTable::appendRows(int count, const QList<SheetCell>& cells)
{
    if (count <= 0)
        return;
    m_data.rowHeights.insert(m_data.rowHeights.size(), count, DefaultRowHeight);
    for (int r = 0; r < count; ++r) {
        for (int c = 0; c < m_data.columns; ++c) {
            if (c < cells.size())
                m_data.cells.append(cells[c]);
            else
                m_data.cells.emplaceBack();
        }
    }
    m_data.rows += count;
}

void SheetTable::insertRows(int before, int count)
{
    if (count <= 0 || before < 1 || before > m_data.rows + 1)
        return;
    m_data.rowHeights.insert(before - 1, count, DefaultRowHeight);
    m_data.cells.insert(qsizetype(before - 1) * m_data.columns, qsizetype(count) * m_data.columns, SheetCell());
    m_data.rows += count;
}

void SheetTable::deleteRows(int first, int count)
{
    if (first < 1 || first > m_data.rows || count <= 0)
        return;
    count = std::min(count, m_data.rows - first + 1);
    m_data.rowHeights.remove(first - 1, count);
    m_data.cells.remove(qsizetype(first - 1) * m_data.columns, qsizetype(count) * m_data.columns);
    m_data.rows -= count;
}

void SheetTable::insertColumns(int before, int count)
{
    if (count <= 0 || before < 1 || before > m_data.columns + 1)
        return;
    const int oldColumns = m_data.columns;
    const int newColumns = oldColumns + count;
    QList<SheetCell> cells;
    cells.reserve(qsizetype(m_data.rows) * newColumns);
    for (int r = 0; r < m_data.rows; ++r) {
        const auto row = m_data.cells.cbegin() + qsizetype(r) * oldColumns;
        cells.append(row, row + (before - 1));
        cells.insert(cells.size(), count, SheetCell());
        cells.append(row + (before - 1), row + oldColumns);
    }
    m_data.cells = std::move(cells);
    m_data.columnWidths.insert(before - 1, count, DefaultColumnWidth);
    m_data.columns = newColumns;
}

void SheetTable::deleteColumns(int first, int count)
{
    if (first < 1 || first > m_data.columns || count <= 0)
        return;
    count = std::min(count, m_data.columns - first + 1);
    const int oldColumns = m_data.columns;
    QList<SheetCell> cells;
    cells.reserve(qsizetype(m_data.rows) * (oldColumns - count));
    for (int r = 0; r < m_data.rows; ++r) {
        const auto row = m_data.cells.cbegin() + qsizetype(r) * oldColumns;
        cells.append(row, row + (first - 1));
        cells.append(row + (first - 1 + count), row + oldColumns);
    }
    m_data.cells = std::move(cells);
    m_data.columnWidths.remove(first - 1, count);
    m_data.columns = oldColumns - count;
}

bool SheetTable::isCell(int row, int column) const
{
    return row >= 1 && row <= m_data.rows && column >= 1 && column <= m_data.columns;
}

SheetCell* SheetTable::at(int row, int column)
{
    return isCell(row, column) ? &m_data.cells[index(row, column)] : nullptr;
}

const SheetCell& SheetTable::cell(int row, int column) const
{
    return isCell(row, column) ? m_data.cells[index(row, column)] : emptyCell();
}

void SheetTable::setCell(int row, int column, const SheetCell& cell)
{
    if (SheetCell* c = at(row, column))
        *c = cell;
}

QString SheetTable::text(int row, int column) const
{
    return cell(row, column).text;
}

void SheetTable::setText(int row, int column, const QString& text)
{
    if (SheetCell* c = at(row, column)) {
        c->text = text;
        c->picture.clear();
        c->setFlag(SheetCell::PictureBit, false);
    }
}

void SheetTable::setText(int row, int column, QString&& text)
{
    if (SheetCell* c = at(row, column)) {
        c->text = std::move(text);
        c->picture.clear();
        c->setFlag(SheetCell::PictureBit, false);
    }
}

QByteArray SheetTable::picture(int row, int column) const
{
    return cell(row, column).picture;
}

void SheetTable::setPicture(int row, int column, const QByteArray& imageBytes)
{
    if (SheetCell* c = at(row, column)) {
        c->text.clear();
        c->picture = imageBytes;
        c->setFlag(SheetCell::PictureBit, !imageBytes.isEmpty());
    }
}

int SheetTable::rowHeight(int row) const
{
    return row >= 1 && row <= m_data.rows ? m_data.rowHeights[row - 1] : 0;
}

void SheetTable::setRowHeights(int first, int count, int height)
{
    const int last = std::min(m_data.rows, first + count - 1);
    for (int r = std::max(1, first); r <= last; ++r)
        m_data.rowHeights[r - 1] = height;
}

int SheetTable::columnWidth(int column) const
{
    return column >= 1 && column <= m_data.columns ? m_data.columnWidths[column - 1] : 0;
}

void SheetTable::setColumnWidths(int first, int count, int width)
{
    const int last = std::min(m_data.columns, first + count - 1);
    for (int c = std::max(1, first); c <= last; ++c)
        m_data.columnWidths[c - 1] = width;
}

SheetRange SheetTable::clip(const SheetRange& range) const
{
    SheetRange r;
    r.row = std::max(1, range.row);
    r.column = std::max(1, range.column);
    r.rows = std::min(range.lastRow(), m_data.rows) - r.row + 1;
    r.columns = std::min(range.lastColumn(), m_data.columns) - r.column + 1;
    if (range.isEmpty() || r.rows <= 0 || r.columns <= 0)
        r.rows = r.columns = 0;
    return r;
}

template<typename F>
void SheetTable::forEach(const SheetRange& range, F&& change)
{
    const SheetRange r = clip(range);
    if (r.isEmpty())
        return;
    for (int row = r.row; row <= r.lastRow(); ++row) {
        SheetCell* c = &m_data.cells[index(row, r.column)];
        for (int i = 0; i < r.columns; ++i)
            change(c[i]);
    }
}

void SheetTable::setAlignment(const SheetRange& range, SheetAlignment alignment)
{
    forEach(range, [&](SheetCell& c) { c.setAlignment(alignment); });
}

void SheetTable::setDataType(const SheetRange& range, SheetDataType type)
{
    forEach(range, [&](SheetCell& c) { c.setDataType(type); });
}

void SheetTable::setReadOnly(const SheetRange& range, bool readOnly)
{
    forEach(range, [&](SheetCell& c) { c.setFlag(SheetCell::ReadOnlyBit, readOnly); });
}

void SheetTable::setBackground(const SheetRange& range, quint32 colour)
{
    forEach(range, [&](SheetCell& c) { c.background = colour; });
}

void SheetTable::setTextColour(const SheetRange& range, quint32 colour)
{
    forEach(range, [&](SheetCell& c) { c.textColour = colour; });
}

void SheetTable::setFont(const SheetRange& range, const QString& name, int height)
{
    forEach(range, [&](SheetCell& c) {
        c.fontName = name;
        if (height > 0)
            c.fontHeight = qint16(std::min(height, 32767));
    });
}

void SheetTable::setBold(const SheetRange& range, bool bold)
{
    forEach(range, [&](SheetCell& c) { c.setFlag(SheetCell::BoldBit, bold); });
}

void SheetTable::setItalic(const SheetRange& range, bool italic)
{
    forEach(range, [&](SheetCell& c) { c.setFlag(SheetCell::ItalicBit, italic); });
}

void SheetTable::setUnderline(const SheetRange& range, bool underline)
{
    forEach(range, [&](SheetCell& c) { c.setFlag(SheetCell::UnderlineBit, underline); });
}

void SheetTable::setBorders(const SheetRange& range, quint8 lines)
{
    forEach(range, [&](SheetCell& c) { c.setBorders(lines); });
}

SheetRange SheetTable::mergedRange(int row, int column) const
{
    if (!isCell(row, column))
        return {row, column, 0, 0};
    if (!(cell(row, column).attributes & SheetCell::MergeMask))
        return {row, column, 1, 1};
    // Walk the marks outwards; a run whose marks do not fit together ends where they stop fitting,
    // so damaged marks (from a file, or rows inserted into a block) never reach outside the table.
    int c0 = column, c1 = column, r0 = row, r1 = row;
    while (c0 > 1 && continuesBefore(cell(row, c0).mergeAcross()) && continuesAfter(cell(row, c0 - 1).mergeAcross()))
        --c0;
    while (c1 < m_data.columns && continuesAfter(cell(row, c1).mergeAcross())
        && continuesBefore(cell(row, c1 + 1).mergeAcross()))
        ++c1;
    while (r0 > 1 && continuesBefore(cell(r0, column).mergeDown()) && continuesAfter(cell(r0 - 1, column).mergeDown()))
        --r0;
    while (r1 < m_data.rows && continuesAfter(cell(r1, column).mergeDown())
        && continuesBefore(cell(r1 + 1, column).mergeDown()))
        ++r1;
    return {r0, c0, r1 - r0 + 1, c1 - c0 + 1};
}

void SheetTable::merge(const SheetRange& range)
{
    const SheetRange r = clip(range);
    if (r.isEmpty())
        return;
    // An older block reaching out of the new one is dissolved, not cut in half.
    for (int row = r.row; row <= r.lastRow(); ++row) {
        for (int col = r.column; col <= r.lastColumn(); ++col) {
            const SheetRange old = mergedRange(row, col);
            if (old.rows * old.columns > 1
                && !(r.contains(old.row, old.column) && r.contains(old.lastRow(), old.lastColumn())))
                unmerge(old);
        }
    }
    for (int row = r.row; row <= r.lastRow(); ++row) {
        for (int col = r.column; col <= r.lastColumn(); ++col)
            m_data.cells[index(row, col)].setMerge(
                markAt(col, r.column, r.lastColumn()), markAt(row, r.row, r.lastRow()));
    }
}

void SheetTable::unmerge(const SheetRange& range)
{
    forEach(range, [](SheetCell& c) { c.setMerge(SheetMergeMark::None, SheetMergeMark::None); });
}

void SheetTable::setFixedRows(int count)
{
    m_data.fixedRows = std::max(0, count);
}

void SheetTable::setFixedColumns(int count)
{
    m_data.fixedColumns = std::max(0, count);
}

void SheetTable::appendTable(const SheetTable& other)
{
    if (&other == this) {
        const SheetData copy = m_data;
        SheetTable twin;
        twin.m_data = copy;
        appendTable(twin);
        return;
    }
    if (other.columnCount() > m_data.columns)
        insertColumns(m_data.columns + 1, other.columnCount() - m_data.columns);
    const int first = m_data.rows + 1;
    appendRows(other.rowCount());
    for (int r = 1; r <= other.rowCount(); ++r) {
        m_data.rowHeights[first + r - 2] = other.rowHeight(r);
        if (other.columnCount() == 0)
            continue;
        SheetCell* target = &m_data.cells[index(first + r - 1, 1)];
        const SheetCell* source = &other.m_data.cells[other.index(r, 1)];
        std::copy(source, source + other.columnCount(), target);
    }
}

QByteArray SheetTable::serialise() const
{
    return SheetFormat::write(m_data);
}

bool SheetTable::load(QByteArrayView bytes, QString* error)
{
    return SheetFormat::read(bytes, m_data, error);
}
