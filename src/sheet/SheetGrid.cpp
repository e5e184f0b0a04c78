// Geometry, drawing, scrolling and printing of the grid; the cursor and editing are in
// SheetGridEditing.cpp.
#include "sheet/SheetGrid.h"

#include "sheet/SheetPainter.h"
#include "sheet/SheetTable.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QColor GridLineColour(0xD0, 0xD0, 0xD0);

} // namespace

SheetGrid::SheetGrid(QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_pageNumberText(u"第 %d 页"_s)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    m_editor = new QLineEdit(viewport());
    m_editor->setFrame(false);
    m_editor->hide();
    m_editor->installEventFilter(this);
}

SheetGrid::~SheetGrid() = default;

void SheetGrid::attach(SheetTable* table)
{
    cancelEdit();
    QObject::disconnect(m_commitConnection);
    m_table = table;
    if (table)
        m_commitConnection = connect(table, &SheetTable::committed, this, &SheetGrid::refresh);
    // Attaching is part of rebuilding a sheet; the page sets the cursor it wants afterwards.
    placeCursor(m_row, m_column, false);
    refresh();
}

void SheetGrid::detach()
{
    cancelEdit();
    QObject::disconnect(m_commitConnection);
    m_table = nullptr;
}

void SheetGrid::setZoom(int percent)
{
    m_zoom = std::clamp(percent, 10, 400);
    cancelEdit();
    refresh();
}

double SheetGrid::unit() const
{
    return logicalDpiY() / 254.0 * m_zoom / 100.0;
}

SheetGrid::Axis SheetGrid::rowAxis() const
{
    Axis a;
    const int n = m_table ? m_table->rowCount() : 0;
    a.edges.reserve(n + 1);
    a.edges.append(0);
    const double u = unit();
    for (int r = 1; r <= n; ++r)
        a.edges.append(a.edges.last() + std::max(0, m_table->rowHeight(r)) * u);
    a.fixed = m_table ? std::min(m_table->fixedRows(), n) : 0;
    return a;
}

SheetGrid::Axis SheetGrid::columnAxis() const
{
    Axis a;
    const int n = m_table ? m_table->columnCount() : 0;
    a.edges.reserve(n + 1);
    a.edges.append(0);
    const double u = unit();
    for (int c = 1; c <= n; ++c)
        a.edges.append(a.edges.last() + std::max(0, m_table->columnWidth(c)) * u);
    a.fixed = m_table ? std::min(m_table->fixedColumns(), n) : 0;
    return a;
}

double SheetGrid::viewStart(const Axis& axis, int line, int scroll)
{
    return line <= axis.fixed ? axis.edges[line - 1] : axis.edges[line - 1] - scroll;
}

int SheetGrid::hit(const Axis& axis, double at, int scroll)
{
    if (at < 0)
        return 0;
    const double content = at < axis.fixedExtent() ? at : at + scroll;
    if (content >= axis.total())
        return 0;
    // edges is sorted; the line is the first whose far edge lies beyond the point.
    const auto it = std::upper_bound(axis.edges.cbegin() + 1, axis.edges.cend(), content);
    return int(it - axis.edges.cbegin());
}

QRect SheetGrid::cellRect(int row, int column) const
{
    if (!m_table || !m_table->isCell(row, column))
        return {};
    const SheetRange block = m_table->mergedRange(row, column);
    const Axis rows = rowAxis(), columns = columnAxis();
    const int vs = verticalScrollBar()->value(), hs = horizontalScrollBar()->value();
    const double top = viewStart(rows, block.row, vs);
    const double left = viewStart(columns, block.column, hs);
    const double bottom = top + rows.edges[block.lastRow()] - rows.edges[block.row - 1];
    const double right = left + columns.edges[block.lastColumn()] - columns.edges[block.column - 1];
    QRect r(QPoint(int(std::floor(left)), int(std::floor(top))),
        QPoint(int(std::ceil(right)) - 1, int(std::ceil(bottom)) - 1));
    return r.intersected(viewport()->rect());
}

void SheetGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    if (!m_table)
        return;
    updateScrollBars();
    const Axis rows = rowAxis(), columns = columnAxis();
    const int vs = verticalScrollBar()->value(), hs = horizontalScrollBar()->value();
    const QRect view = viewport()->rect();
    const double fixedH = rows.fixedExtent(), fixedW = columns.fixedExtent();

    // Body lines in view: from the first reaching past the fixed part to the last starting before the edge.
    auto visible = [](const Axis& axis, int scroll, double extent) {
        const auto first
            = std::upper_bound(axis.edges.cbegin() + axis.fixed + 1, axis.edges.cend(), axis.fixedExtent() + scroll);
        const auto last = std::lower_bound(axis.edges.cbegin() + axis.fixed, axis.edges.cend() - 1, extent + scroll);
        const int a = int(first - axis.edges.cbegin());
        const int b = int(last - axis.edges.cbegin()) + 1;
        return SheetBand {a, std::min(b, int(axis.edges.size()) - 1), axis.edges[a - 1] - scroll};
    };
    const SheetBand bodyRows = rows.edges.size() > 1 ? visible(rows, vs, view.height()) : SheetBand {1, 0, 0};
    const SheetBand bodyColumns = columns.edges.size() > 1 ? visible(columns, hs, view.width()) : SheetBand {1, 0, 0};
    const SheetBand fixedRows {1, rows.fixed, 0};
    const SheetBand fixedColumns {1, columns.fixed, 0};

    SheetPainter cells(*m_table, unit());
    cells.setFixedFill(palette().color(QPalette::Button));
    cells.setGridLines(GridLineColour);
    cells.setElideOverflow(true);
    const QRectF whole(view);
    struct Quarter
    {
        SheetBand rows, columns;
        QRectF clip;
    };
    const Quarter quarters[] = {
        {bodyRows, bodyColumns, QRectF(QPointF(fixedW, fixedH), whole.bottomRight())},
        {fixedRows, bodyColumns, QRectF(QPointF(fixedW, 0), QPointF(whole.right(), fixedH))},
        {bodyRows, fixedColumns, QRectF(QPointF(0, fixedH), QPointF(fixedW, whole.bottom()))},
        {fixedRows, fixedColumns, QRectF(QPointF(0, 0), QPointF(fixedW, fixedH))},
    };
    for (const Quarter& q : quarters) {
        if (q.rows.last < q.rows.first || q.columns.last < q.columns.first || q.clip.isEmpty())
            continue;
        painter.save();
        painter.setClipRect(q.clip);
        cells.paint(painter, {q.rows}, {q.columns});
        painter.restore();
    }

    if (m_row > 0 && m_column > 0) {
        const QRect cursor = cellRect(m_row, m_column);
        if (!cursor.isEmpty()) {
            painter.setPen(QPen(hasFocus() || m_editing ? Qt::black : Qt::darkGray, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cursor.adjusted(1, 1, -1, -1));
        }
    }
}

bool SheetGrid::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !m_table)
        return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const Axis rows = rowAxis(), columns = columnAxis();
    const int row = hit(rows, help->pos().y(), verticalScrollBar()->value());
    const int column = hit(columns, help->pos().x(), horizontalScrollBar()->value());
    if (row > 0 && column > 0) {
        const SheetRange block = m_table->mergedRange(row, column);
        const SheetCell& cell = m_table->cell(block.row, block.column);
        // The whole block, also where the edge of the view cuts it.
        const double height = rows.edges[block.lastRow()] - rows.edges[block.row - 1];
        const double width = columns.edges[block.lastColumn()] - columns.edges[block.column - 1];
        if (!SheetPainter::textFits(cell, QRectF(0, 0, width, height), unit())) {
            QToolTip::showText(help->globalPos(), cell.text, viewport(), cellRect(block.row, block.column));
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

void SheetGrid::updateScrollBars()
{
    const Axis rows = rowAxis(), columns = columnAxis();
    const QSize view = viewport()->size();
    const int bodyH = int(std::max(0.0, view.height() - rows.fixedExtent()));
    const int bodyW = int(std::max(0.0, view.width() - columns.fixedExtent()));
    const int vmax = std::max(0, int(std::ceil(rows.total() - rows.fixedExtent())) - bodyH);
    const int hmax = std::max(0, int(std::ceil(columns.total() - columns.fixedExtent())) - bodyW);
    if (verticalScrollBar()->maximum() != vmax)
        verticalScrollBar()->setRange(0, vmax);
    if (horizontalScrollBar()->maximum() != hmax)
        horizontalScrollBar()->setRange(0, hmax);
    verticalScrollBar()->setPageStep(std::max(1, bodyH));
    horizontalScrollBar()->setPageStep(std::max(1, bodyW));
    const int step = std::max(1, int(SheetTable::DefaultRowHeight * unit()));
    verticalScrollBar()->setSingleStep(step);
    horizontalScrollBar()->setSingleStep(step);
}

void SheetGrid::refresh()
{
    if (!m_table)
        return;
    // Rows may have gone; the cursor follows onto a cell that is still there.
    placeCursor(m_row, m_column, true);
    updateScrollBars();
    viewport()->update();
}

void SheetGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    cancelEdit();
    updateScrollBars();
}

void SheetGrid::scrollContentsBy(int, int)
{
    // The editor would float away from its cell.
    cancelEdit();
    viewport()->update();
}

SheetPrintJob::Outcome SheetGrid::printPreview()
{
    m_printError.clear();
    if (!m_table)
        return SheetPrintJob::Outcome::Cancelled;
    SheetPrintJob job(*m_table);
    job.setPageNumberText(m_pageNumberText);
    job.setProgress(m_printProgress);
    const SheetPrintJob::Outcome outcome = job.preview(this);
    m_printError = job.errorString();
    return outcome;
}

SheetPrintJob::Outcome SheetGrid::print(const QString& jobName)
{
    m_printError.clear();
    if (!m_table)
        return SheetPrintJob::Outcome::Cancelled;
    SheetPrintJob job(*m_table);
    job.setPageNumberText(m_pageNumberText);
    job.setProgress(m_printProgress);
    const SheetPrintJob::Outcome outcome = job.print(jobName, this);
    m_printError = job.errorString();
    return outcome;
}
