#pragma once

#include "workspace/PageTable.h"

#include <optional>

class QDate;
class RecordNavigation;
class SheetTable;

// What building a page's printed report came to.
enum class ReportBuild { Built, NoReport, TemplateMissing };

// Optional hooks of a feature's view on one of the main window's pages. A view that is a QWidget
// and also derives from PageView gets these calls once it is installed with PageFrame::setView.
class PageView
{
public:
    virtual ~PageView() = default;

    // After every size change of the main window: lists set their column widths and grids their
    // zoom from these (see PageMetrics).
    virtual void applyLayout(int windowWidth, int screenWidth) { }
    // The main window became active again with this page on show.
    virtual void refreshView() { }
    // What the toolbar's first/previous/next/last buttons move; null when the page has no records.
    virtual RecordNavigation* navigation() { return nullptr; }
    // The page's printed report, built into `sheet` (打印数据源) for 打印预览 and 打印; NoReport
    // on a page that prints nothing.
    virtual ReportBuild buildReport(SheetTable& sheet, const QDate& today) { return ReportBuild::NoReport; }
    // What the page shows as a table (the list and sheet pages), for the report and for 导出.
    virtual std::optional<PageTable> pageTable() const { return std::nullopt; }
};
