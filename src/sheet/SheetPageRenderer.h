#pragma once

#include <functional>

#include "sheet/PrintLayout.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;
class SheetTable;

// Prints the pages of a PrintLayout: the fixed rows at the top of each page, the page's rows, the
// ruled rest of the last page and the page number. Works on any paged device — the printer, the
// preview, a PDF file.
class SheetPageRenderer
{
public:
    SheetPageRenderer(const SheetTable& table, const PrintLayout& layout);

    // The page number text; "%d" stands for the number. Default "第 %d 页".
    void setPageNumberText(const QString& pattern) { m_pageNumberText = pattern; }
    static QString pageNumberText(const QString& pattern, int number);

    // Paper, orientation and zero margins as the page setup asks; call before painting begins.
    // The renderer places the margins itself, measured from the paper's edge.
    static void preparePaper(QPagedPaintDevice& device, const PageSetup& setup);

    // Paints page `index` (0-based) with the painter's origin at the paper's top-left corner and
    // `dotsPerTenthMm` device units to a tenth of a millimetre.
    void paintPage(QPainter& painter, int index, double dotsPerTenthMm) const;
    // Every page onto `device`, on which `painter` is active, with a new page between two.
    // False when the device refuses a new page or the layout is refused (nothing is painted).
    // `pageDone` hears (pages painted, pages in all) after every page.
    bool paintAll(QPainter& painter, QPagedPaintDevice& device,
        const std::function<void(int done, int total)>& pageDone = {}) const;

    const PrintLayout& layout() const { return m_layout; }

private:
    const SheetTable& m_table;
    PrintLayout m_layout;
    QString m_pageNumberText;
};
