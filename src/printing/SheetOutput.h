#pragma once

#include <QString>

#include <functional>

class SheetGrid;
struct Workspace;

// Where a built sheet goes, the same for the main window's reports and the timetable: the preview
// window, the print dialog, or, on a system without a printer, a PDF file the user names in the
// save dialog (next to nothing else a user could do with a print dialog that has no printer).
class SheetOutput
{
public:
    enum class Mode { Preview, Print };

    SheetOutput(Workspace& ws, QString jobName);

    // Previews or prints the grid's table; a failure is shown.
    void send(SheetGrid& grid, Mode mode);
    // Asks for a file and writes the grid's table there as a PDF; false when cancelled or failed
    // (the failure is shown).
    bool saveAsPdf(SheetGrid& grid);

    // Whether the system has a printer installed; tests replace it.
    std::function<bool()> printerInstalled;
    // Hears (pages painted, pages in all) while a PDF is written.
    std::function<void(int done, int total)> progress;

private:
    Workspace& m_ws;
    QString m_jobName;
};
