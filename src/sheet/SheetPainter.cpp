#include "sheet/SheetPainter.h"

#include "sheet/BorderLines.h"
#include "sheet/SheetTable.h"
#include "sheet/TextWidths.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Space between a cell's lines and its text, in tenths of a millimetre.
constexpr double TextPadding = 8;

Qt::Alignment qtAlignment(SheetAlignment a)
{
    const int n = int(a) - 1;
    const Qt::Alignment vertical = n / 3 == 0 ? Qt::AlignTop : n / 3 == 1 ? Qt::AlignVCenter : Qt::AlignBottom;
    const Qt::Alignment horizontal = n % 3 == 0 ? Qt::AlignLeft : n % 3 == 1 ? Qt::AlignHCenter : Qt::AlignRight;
    return vertical | horizontal;
}

} // namespace

SheetPainter::SheetPainter(const SheetTable& table, double unit)
    : m_table(table)
    , m_unit(unit)
{ }

double SheetPainter::lineWidth() const
{
    // About 0.15 mm on paper, never thinner than one dot on screen.
    return std::max(1.0, 1.5 * m_unit);
}

QList<double> SheetPainter::rowEdges(const SheetBand& band) const
{
    QList<double> edges;
    edges.reserve(std::max(0, band.last - band.first + 2));
    double y = band.position;
    edges.append(y);
    for (int r = band.first; r <= band.last; ++r) {
        y += std::max(0, m_table.rowHeight(r)) * m_unit;
        edges.append(y);
    }
    return edges;
}

QList<double> SheetPainter::columnEdges(const SheetBand& band) const
{
    QList<double> edges;
    edges.reserve(std::max(0, band.last - band.first + 2));
    double x = band.position;
    edges.append(x);
    for (int c = band.first; c <= band.last; ++c) {
        x += std::max(0, m_table.columnWidth(c)) * m_unit;
        edges.append(x);
    }
    return edges;
}

void SheetPainter::limitEdges(QList<double>& edges, bool vertical) const
{
    if (!m_limits.isValid())
        return;
    const double low = vertical ? m_limits.top() : m_limits.left();
    const double high = vertical ? m_limits.bottom() : m_limits.right();
    for (double& edge : edges)
        edge = std::clamp(edge, low, high);
}

void SheetPainter::paint(QPainter& painter, const QList<SheetBand>& rows, const QList<SheetBand>& columns) const
{
    QList<Part> parts;
    for (const SheetBand& rb : rows) {
        const int r0 = std::max(1, rb.first), r1 = std::min(rb.last, m_table.rowCount());
        if (r1 < r0)
            continue;
        QList<double> ys = rowEdges({r0, r1, rb.position + (rowEdges({rb.first, r0 - 1, 0}).last())});
        limitEdges(ys, true);
        for (const SheetBand& cb : columns) {
            const int c0 = std::max(1, cb.first), c1 = std::min(cb.last, m_table.columnCount());
            if (c1 < c0)
                continue;
            QList<double> xs = columnEdges({c0, c1, cb.position + (columnEdges({cb.first, c0 - 1, 0}).last())});
            limitEdges(xs, false);
            for (int r = r0; r <= r1; ++r) {
                for (int c = c0; c <= c1; ++c) {
                    const SheetRange block = m_table.mergedRange(r, c);
                    // The block is drawn once per band pair, from its top-left cell inside the pair.
                    const int top = std::max(block.row, r0), left = std::max(block.column, c0);
                    if (r != top || c != left)
                        continue;
                    const int bottom = std::min(block.lastRow(), r1), right = std::min(block.lastColumn(), c1);
                    parts.append(
                        {QRectF(QPointF(xs[left - c0], ys[top - r0]), QPointF(xs[right - c0 + 1], ys[bottom - r0 + 1])),
                            block});
                }
            }
        }
    }
    painter.save();
    for (const Part& part : parts)
        paintContent(painter, part);
    BorderLines lines;
    for (const Part& part : parts)
        addBorders(lines, part);
    painter.setPen(QPen(Qt::black, lineWidth(), Qt::SolidLine, Qt::SquareCap));
    lines.draw(painter);
    painter.restore();
}

void SheetPainter::paintContent(QPainter& painter, const Part& part) const
{
    const SheetCell& cell = m_table.cell(part.block.row, part.block.column);
    const bool fixed = part.block.row <= m_table.fixedRows() || part.block.column <= m_table.fixedColumns();
    if (cell.background != SheetColour::None) {
        if (fills(cell.background))
            painter.fillRect(part.rect, SheetColour::toQColor(cell.background));
    } else if (fixed && m_fixedFill.isValid()) {
        painter.fillRect(part.rect, m_fixedFill);
    }

    if (m_gridLines.isValid()) {
        painter.setPen(QPen(m_gridLines, 1));
        painter.drawLine(part.rect.topRight(), part.rect.bottomRight());
        painter.drawLine(part.rect.bottomLeft(), part.rect.bottomRight());
    }

    const QRectF inner = textArea(part.rect, m_unit);
    if (inner.width() <= 0 || inner.height() <= 0)
        return;
    if (cell.isPicture()) {
        const QImage image = QImage::fromData(cell.picture);
        if (image.isNull())
            return;
        QSizeF size = image.size();
        size.scale(inner.size(), Qt::KeepAspectRatio);
        QRectF target(QPointF(), size);
        target.moveCenter(inner.center());
        painter.drawImage(target, image);
        return;
    }
    if (cell.text.isEmpty())
        return;
    QFont font = textFont(cell, m_unit);
    // A glyph taller than the page shows nothing but costs the engine a giant outline.
    if (m_limits.isValid() && font.pixelSize() > m_limits.height())
        font.setPixelSize(std::max(1, qRound(m_limits.height())));
    painter.setFont(font);
    painter.setPen(SheetColour::toQColor(cell.textColour));
    if (m_elide && !textFits(cell, part.rect, m_unit)) {
        QString line = cell.text;
        line.replace(u'\n', u' ');
        line.remove(u'\r');
        const QString shown = QFontMetricsF(font).elidedText(line, Qt::ElideRight, inner.width());
        painter.drawText(inner, int(qtAlignment(cell.alignment())), shown);
        return;
    }
    painter.drawText(inner, textFlags(cell), cell.text);
}

QRectF SheetPainter::textArea(const QRectF& rect, double unit)
{
    const double pad = TextPadding * unit;
    return rect.adjusted(pad, pad / 2, -pad, -pad / 2);
}

QFont SheetPainter::textFont(const SheetCell& cell, double unit)
{
    QFont font(cell.fontName);
    font.setPixelSize(std::max(1, qRound(cell.fontHeight * unit)));
    font.setBold(cell.isBold());
    font.setItalic(cell.isItalic());
    font.setUnderline(cell.isUnderline());
    font.setStrikeOut(cell.isStrikeOut());
    return font;
}

int SheetPainter::columnTextWidth(const SheetTable& table, int column)
{
    // Fonts are measured only in a program with a screen; without one nothing is shown anyway.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return 0;
    if (column < 1 || column > table.columnCount())
        return 0;
    TextWidths& widths = TextWidths::shared();
    const SheetCell* cells = table.data().cells.constData() + (column - 1);
    const int stride = table.columnCount();
    double widest = 0;
    for (int r = 1; r <= table.rowCount(); ++r) {
        const SheetCell& cell = cells[qsizetype(r - 1) * stride];
        if (cell.text.isEmpty() || cell.isPicture())
            continue;
        if (cell.attributes & SheetCell::MergeMask) {
            const SheetRange block = table.mergedRange(r, column);
            if (block.columns > 1 || block.row != r)
                continue;
        }
        // Measured at one pixel per tenth of a millimetre; screen sizes round their font up by
        // a few per cent.
        if (!cell.text.contains(u'\n')) {
            // Most texts have no space to trim; they are measured without a copy (a conditional
            // between the text and a trimmed temporary would copy it).
            const bool trim = cell.text.front().isSpace() || cell.text.back().isSpace();
            const double w = trim ? widths.width(cell, cell.text.trimmed()) : widths.width(cell, cell.text);
            widest = std::max(widest, w * 1.04);
            continue;
        }
        for (const QString& line : cell.text.split(u'\n'))
            widest = std::max(widest, widths.width(cell, line.trimmed()) * 1.04);
    }
    return widest > 0 ? int(std::ceil(widest + 2 * TextPadding)) + 2 : 0;
}

int SheetPainter::textFlags(const SheetCell& cell)
{
    return int(qtAlignment(cell.alignment())) | Qt::TextWordWrap;
}

bool SheetPainter::textFits(const SheetCell& cell, const QRectF& rect, double unit)
{
    if (cell.text.isEmpty() || cell.isPicture())
        return true;
    const QRectF area = textArea(rect, unit);
    const QRectF needed = QFontMetricsF(textFont(cell, unit)).boundingRect(area, textFlags(cell), cell.text);
    // Half a pixel of rounding is no cut.
    return needed.width() <= area.width() + 0.5 && needed.height() <= area.height() + 0.5;
}

void SheetPainter::addBorders(BorderLines& lines, const Part& part) const
{
    const SheetRange& b = part.block;
    const quint8 own = m_table.cell(b.row, b.column).borders();
    const bool left = own & LeftBorder, top = own & TopBorder;
    const bool right = m_table.cell(b.row, b.lastColumn()).borders() & RightBorder;
    const bool bottom = m_table.cell(b.lastRow(), b.column).borders() & BottomBorder;
    if (left)
        lines.addLeft(part.rect);
    if (top)
        lines.addTop(part.rect);
    if (right)
        lines.addRight(part.rect);
    if (bottom)
        lines.addBottom(part.rect);
}

void SheetPainter::paintRuledRows(
    QPainter& painter, int modelRow, double top, double height, int count, const SheetBand& columns) const
{
    if (count <= 0 || height <= 0 || !m_table.isCell(modelRow, 1))
        return;
    const int c0 = std::max(1, columns.first), c1 = std::min(columns.last, m_table.columnCount());
    QList<double> xs = columnEdges({c0, c1, columns.position});
    limitEdges(xs, false);
    painter.save();
    BorderLines ruled;
    for (int i = 0; i < count; ++i) {
        const double y = top + i * height;
        if (m_limits.isValid() && y > m_limits.bottom())
            break;
        for (int c = c0; c <= c1; ++c) {
            const SheetCell& model = m_table.cell(modelRow, c);
            const QRectF rect(QPointF(xs[c - c0], y), QPointF(xs[c - c0 + 1], y + height));
            if (fills(model.background))
                painter.fillRect(rect, SheetColour::toQColor(model.background));
        }
        for (int c = c0; c <= c1; ++c) {
            // Each ruled cell takes the lines of its own column, merges ignored.
            const quint8 lines = m_table.cell(modelRow, c).borders();
            const QRectF rect(QPointF(xs[c - c0], y), QPointF(xs[c - c0 + 1], y + height));
            if (lines & LeftBorder)
                ruled.addLeft(rect);
            if (lines & TopBorder)
                ruled.addTop(rect);
            if (lines & RightBorder)
                ruled.addRight(rect);
            if (lines & BottomBorder)
                ruled.addBottom(rect);
        }
    }
    painter.setPen(QPen(Qt::black, lineWidth(), Qt::SolidLine, Qt::SquareCap));
    ruled.draw(painter);
    painter.restore();
}

bool SheetPainter::fills(quint32 background) const
{
    constexpr quint32 White = 0xFFFFFF;
    return background != SheetColour::None && !(m_onPaper && background == White);
}
