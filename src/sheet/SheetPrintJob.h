#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;
class SheetTable;

// Preview and printing of one SheetTable through Qt's printer, following the table's page setup.
// Where no printer is installed the print dialog still offers printing to a PDF file.
class SheetPrintJob
{
public:
    enum class Outcome { Printed, Cancelled, Failed };

    explicit SheetPrintJob(const SheetTable& table);

    // "%d" stands for the page number; default "第 %d 页".
    void setPageNumberText(const QString& pattern) { m_pageNumberText = pattern; }
    // Hears (pages painted, pages in all) while a long report is painted.
    void setProgress(std::function<void(int done, int total)> progress) { m_progress = std::move(progress); }

    // Qt's print preview of the pages; returns when the user closes it (it can print from there).
    // A sheet whose layout is refused opens no window and gives Failed.
    Outcome preview(QWidget* parent);
    // The print dialog, then the pages as a print job named `jobName` ("打印报表", "打印课程表").
    // A sheet whose layout is refused opens no dialog and gives Failed.
    Outcome print(const QString& jobName, QWidget* parent);
    // Without a dialog, on a printer set up by the caller (a PDF file in tests and tools). Paper and
    // orientation are taken from the page setup.
    bool printTo(QPrinter& printer);

    // Why the last preview or print failed (a refused layout, a printer error), for the window to
    // show.
    QString errorString() const { return m_error; }

private:
    void paint(QPrinter& printer);
    // False, with the reason kept, when the table cannot be laid out on pages.
    bool layoutAccepted();

    const SheetTable& m_table;
    QString m_pageNumberText;
    std::function<void(int done, int total)> m_progress;
    QString m_error;
};
