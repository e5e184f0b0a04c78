#pragma once

#include <QObject>

#include "workspace/ListProgress.h"

#include <functional>
#include <optional>

class PageView;
class QWidget;
class SheetGrid;
class SheetOutput;
class SheetTable;
struct Workspace;

// 打印预览 and 打印 of the main window: the page on show builds its report into 打印数据源, which
// the hidden grid 打印表格 previews or prints as the job "打印报表". A system without a printer
// gets the report as a PDF file instead.
class ReportPrinter : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Preview, Print };

    // `pageOnShow` gives the hooks of the main window's page on show; null on the home page.
    ReportPrinter(Workspace& ws, std::function<PageView*()> pageOnShow, QWidget* owner);

    // Builds the report under the wait cursor, then previews or prints it. Nothing on a page that
    // prints nothing.
    void run(Mode mode);

    SheetTable& sheet() const { return *打印数据源; }
    SheetGrid& grid() const { return *打印表格; }

    // Asks for a file and writes the report there as a PDF; false when cancelled or failed (the
    // failure is shown).
    bool saveAsPdf();

    // Where a built report goes: the preview window, the print dialog, or saveAsPdf() without a
    // printer. Tests replace it to see the report without a modal window.
    std::function<void(SheetGrid& grid, Mode mode)> sendToPrinter;
    // Whether the system has a printer installed; tests replace it.
    std::function<bool()> printerInstalled;

private:
    void send(Mode mode);
    SheetOutput output();
    void pagePainted(int done, int total);

    Workspace& m_ws;
    std::function<PageView*()> m_pageOnShow;
    SheetTable* 打印数据源;
    SheetGrid* 打印表格;
    std::optional<ListProgress> m_progress;
};
