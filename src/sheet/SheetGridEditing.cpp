// The grid's cell cursor, keys, mouse and in-place editing; drawing and scrolling are in SheetGrid.cpp.
#include "sheet/SheetGrid.h"

#include "sheet/SheetTable.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

void SheetGrid::placeCursor(int row, int column, bool emitMove)
{
    int r = 0, c = 0;
    if (m_table) {
        const int rows = m_table->rowCount(), columns = m_table->columnCount();
        const int fr = std::min(m_table->fixedRows(), rows), fc = std::min(m_table->fixedColumns(), columns);
        if (rows > fr && columns > fc) {
            r = std::clamp(row, fr + 1, rows);
            c = std::clamp(column, fc + 1, columns);
            const SheetRange block = m_table->mergedRange(r, c);
            r = std::max(block.row, fr + 1);
            c = std::max(block.column, fc + 1);
        }
    }
    if (r == m_row && c == m_column)
        return;
    if (m_editing && (r != m_editRow || c != m_editColumn))
        cancelEdit();
    m_row = r;
    m_column = c;
    if (m_table && r > 0)
        ensureVisible(r, c);
    viewport()->update();
    if (emitMove)
        Q_EMIT cursorMoved(m_row, m_column);
}

void SheetGrid::setCursorCell(int row, int column)
{
    placeCursor(row, column, true);
}

void SheetGrid::ensureVisible(int row, int column)
{
    const Axis rows = rowAxis(), columns = columnAxis();
    const SheetRange block = m_table->mergedRange(row, column);
    auto scrollTo = [](QScrollBar* bar, const Axis& axis, int first, int last, int viewLength) {
        if (first <= axis.fixed)
            return;
        const double start = axis.edges[first - 1] - axis.fixedExtent();
        const double end = axis.edges[last] - axis.fixedExtent();
        const double room = viewLength - axis.fixedExtent();
        int value = bar->value();
        if (end > value + room)
            value = int(std::ceil(end - room));
        if (start < value)
            value = int(std::floor(start));
        if (value > bar->maximum())
            bar->setMaximum(value);
        bar->setValue(value);
    };
    scrollTo(verticalScrollBar(), rows, block.row, block.lastRow(), viewport()->height());
    scrollTo(horizontalScrollBar(), columns, block.column, block.lastColumn(), viewport()->width());
}

void SheetGrid::moveCursorBy(int rows, int columns)
{
    if (!m_table || m_row == 0)
        return;
    const SheetRange block = m_table->mergedRange(m_row, m_column);
    int r = m_row, c = m_column;
    if (rows > 0)
        r = block.lastRow() + rows;
    else if (rows < 0)
        r = block.row + rows;
    if (columns > 0)
        c = block.lastColumn() + columns;
    else if (columns < 0)
        c = block.column + columns;
    placeCursor(r, c, true);
}

void SheetGrid::keyPressEvent(QKeyEvent* event)
{
    if (m_editing) {
        // Keys sent to the grid itself while it edits belong to the edit. A key the editor ignores
        // (Shift alone, Up …) comes back here through its parents: sending it on again would loop,
        // so it is swallowed, and cannot reach the page mid-edit either.
        if (!m_forwarding) {
            m_forwarding = true;
            QCoreApplication::sendEvent(m_editor, event);
            m_forwarding = false;
        }
        event->accept();
        return;
    }
    if (!m_table || m_row == 0) {
        event->ignore();
        return;
    }
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int pageRows
        = std::max(1, int(viewport()->height() / std::max(1.0, SheetTable::DefaultRowHeight * unit())) - 1);
    switch (event->key()) {
    case Qt::Key_Up:
        moveCursorBy(-1, 0);
        return;
    case Qt::Key_Down:
        moveCursorBy(1, 0);
        return;
    case Qt::Key_Left:
        moveCursorBy(0, -1);
        return;
    case Qt::Key_Right:
        moveCursorBy(0, 1);
        return;
    case Qt::Key_PageUp:
        placeCursor(m_row - pageRows, m_column, true);
        return;
    case Qt::Key_PageDown:
        placeCursor(m_row + pageRows, m_column, true);
        return;
    case Qt::Key_Home:
        placeCursor(ctrl ? 1 : m_row, 1, true);
        return;
    case Qt::Key_End:
        placeCursor(ctrl ? m_table->rowCount() : m_row, m_table->columnCount(), true);
        return;
    case Qt::Key_F2:
        editCell(m_table->text(m_row, m_column));
        return;
    default:
        break;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (printable && editCell(typed))
        return;
    event->ignore();
}

void SheetGrid::inputMethodEvent(QInputMethodEvent* event)
{
    // Chinese typed through an input method starts an edit as a key would.
    if (!event->commitString().isEmpty() && editCell(event->commitString())) {
        event->accept();
        return;
    }
    QAbstractScrollArea::inputMethodEvent(event);
}

void SheetGrid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (m_table && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        const QPointF at = event->position();
        const int r = hit(rowAxis(), at.y(), verticalScrollBar()->value());
        const int c = hit(columnAxis(), at.x(), horizontalScrollBar()->value());
        const bool fixed = r <= m_table->fixedRows() || c <= m_table->fixedColumns();
        if (r > 0 && c > 0 && !fixed)
            placeCursor(r, c, true);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void SheetGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_table && event->button() == Qt::LeftButton && m_row > 0
        && cellRect(m_row, m_column).contains(event->position().toPoint())) {
        editCell(m_table->text(m_row, m_column));
        return;
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

bool SheetGrid::editCell(const QString& text)
{
    if (!m_table || m_row == 0 || m_table->cell(m_row, m_column).isReadOnly()
        || m_table->cell(m_row, m_column).isPicture())
        return false;
    beginEdit(text);
    return true;
}

void SheetGrid::beginEdit(const QString& text)
{
    const SheetCell& cell = m_table->cell(m_row, m_column);
    ensureVisible(m_row, m_column);
    m_editRow = m_row;
    m_editColumn = m_column;
    QFont font(cell.fontName);
    font.setPixelSize(std::max(1, qRound(cell.fontHeight * unit())));
    font.setBold(cell.isBold());
    font.setItalic(cell.isItalic());
    m_editor->setFont(font);
    const int a = (int(cell.alignment()) - 1) % 3;
    m_editor->setAlignment((a == 0 ? Qt::AlignLeft : a == 1 ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter);
    m_editor->setGeometry(cellRect(m_row, m_column).adjusted(2, 2, -2, -2));
    m_editor->setText(text);
    m_editor->deselect();
    m_editor->end(false);
    m_editing = true;
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
}

void SheetGrid::confirmEdit()
{
    if (!m_editing)
        return;
    const QString text = m_editor->text();
    const int row = m_editRow, column = m_editColumn;
    m_editing = false;
    m_editor->hide();
    setFocus(Qt::OtherFocusReason);
    if (!m_table || m_table->cell(row, column).isReadOnly() || m_table->text(row, column) == text)
        return;
    m_table->setText(row, column, text);
    viewport()->update();
    Q_EMIT cellChanged(row, column);
}

void SheetGrid::cancelEdit()
{
    if (!m_editing)
        return;
    m_editing = false;
    const bool hadFocus = m_editor->hasFocus();
    m_editor->hide();
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
    viewport()->update();
}

bool SheetGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor && m_editing) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                confirmEdit();
                return true;
            }
            if (key == Qt::Key_Escape) {
                cancelEdit();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Only Enter stores an edit; going elsewhere drops it.
            m_editing = false;
            m_editor->hide();
            viewport()->update();
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}
