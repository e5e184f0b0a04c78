#pragma once

class RecordNavigation;

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
};
