#include "sheet/SheetPageRenderer.h"

#include "sheet/SheetPainter.h"
#include "sheet/SheetTable.h"

#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int PageNumberFontHeight = 35;

} // namespace

SheetPageRenderer::SheetPageRenderer(const SheetTable& table, const PrintLayout& layout)
    : m_table(table)
    , m_layout(layout)
    , m_pageNumberText(u"第 %d 页"_s)
{ }

QString SheetPageRenderer::pageNumberText(const QString& pattern, int number)
{
    QString text = pattern;
    return text.replace(u"%d"_s, QString::number(number));
}

void SheetPageRenderer::preparePaper(QPagedPaintDevice& device, const PageSetup& setup)
{
    const QPageLayout layout(QPageSize(PageSetup::pageSizeId(setup.paper)),
        setup.orientation == PageSetup::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
        QPageLayout::Millimeter);
    device.setPageLayout(layout);
}

void SheetPageRenderer::paintPage(QPainter& painter, int index, double dotsPerTenthMm) const
{
    if (index < 0 || index >= m_layout.pages.size() || m_layout.isRefused())
        return;
    const PrintLayout::Page& page = m_layout.pages[index];
    const double unit = dotsPerTenthMm * m_layout.scale;
    const QRectF area(m_layout.printable.topLeft() * dotsPerTenthMm, m_layout.printable.size() * dotsPerTenthMm);

    SheetPainter cells(m_table, unit);
    cells.setOnPaper(true);
    // Lines on the edge of the area keep their full width.
    const double spill = cells.lineWidth();
    cells.setLimits(area.adjusted(-2 * spill, -2 * spill, 2 * spill, 2 * spill));
    const SheetBand columns {1, m_layout.lastColumn, area.left()};
    const SheetBand fixed {1, m_layout.fixedRows, area.top()};
    const double bodyTop = cells.rowEdges(fixed).last();
    const SheetBand body {page.firstRow, page.lastRow, bodyTop};

    painter.save();
    painter.setClipRect(area.adjusted(-spill, -spill, spill, spill));
    cells.paint(painter, {fixed, body}, {columns});
    if (page.ruledRows > 0) {
        const double top = cells.rowEdges(body).last();
        cells.paintRuledRows(painter, m_table.rowCount(), top, m_layout.ruledRowHeight * unit, page.ruledRows, columns);
    }
    painter.restore();

    if (!m_layout.pageNumberRect.isEmpty()) {
        painter.save();
        QFont font(u"宋体"_s);
        font.setPixelSize(std::max(1, qRound(PageNumberFontHeight * dotsPerTenthMm)));
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QRectF rect(
            m_layout.pageNumberRect.topLeft() * dotsPerTenthMm, m_layout.pageNumberRect.size() * dotsPerTenthMm);
        painter.drawText(rect, int(m_layout.pageNumberAlignment), pageNumberText(m_pageNumberText, page.number));
        painter.restore();
    }
}

bool SheetPageRenderer::paintAll(
    QPainter& painter, QPagedPaintDevice& device, const std::function<void(int done, int total)>& pageDone) const
{
    if (m_layout.isRefused())
        return false;
    const double dots = device.logicalDpiX() / 254.0;
    for (int i = 0; i < m_layout.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        paintPage(painter, i, dots);
        if (pageDone)
            pageDone(i + 1, int(m_layout.pages.size()));
    }
    return true;
}
