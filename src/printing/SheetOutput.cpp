#include "printing/SheetOutput.h"

#include "platform/FileChooser.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetPrintJob.h"
#include "sheet/SheetTable.h"
#include "text/FileNameText.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

SheetOutput::SheetOutput(Workspace& ws, QString jobName)
    : printerInstalled([] { return !QPrinterInfo::availablePrinters().isEmpty(); })
    , m_ws(ws)
    , m_jobName(std::move(jobName))
{ }

void SheetOutput::send(SheetGrid& grid, Mode mode)
{
    if (mode == Mode::Print && !printerInstalled()) {
        saveAsPdf(grid);
        return;
    }
    const auto outcome = mode == Mode::Preview ? grid.printPreview() : grid.print(m_jobName);
    if (outcome == SheetPrintJob::Outcome::Failed)
        m_ws.services.prompt.show(grid.printErrorString(), u"错误"_s, Prompt::Icon::Error);
}

bool SheetOutput::saveAsPdf(SheetGrid& grid)
{
    const SheetTable* table = grid.table();
    if (!table)
        return false;
    // The sheet's title as the file name.
    const QString suggested = QDir::home().filePath(FileNameText::fromTitle(table->text(1, 1), m_jobName) + u".pdf"_s);
    std::optional<QString> chosen = m_ws.services.fileChooser.saveFile(
        u"没有安装打印机：把报表保存为 PDF 文件"_s, u"PDF 文件 (*.pdf)"_s, suggested);
    if (!chosen || chosen->isEmpty())
        return false;
    QString path = *chosen;
    if (!path.endsWith(u".pdf"_s, Qt::CaseInsensitive))
        path += u".pdf"_s;

    // Qt's PDF writer writes as it goes; the file the user chose is replaced only by a whole report.
    QString error;
    const QTemporaryDir scratch;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(scratch.filePath(u"report.pdf"_s));
        printer.setDocName(m_jobName);
        SheetPrintJob job(*table);
        job.setProgress(progress);
        std::optional<QByteArray> pdf;
        if (!scratch.isValid())
            error = u"没有可写的临时文件夹。"_s;
        else if (!job.printTo(printer))
            error = job.errorString();
        else if (!(pdf = m_ws.services.fileOps.readFile(printer.outputFileName()))
            || !m_ws.services.fileOps.writeFile(path, *pdf))
            error = m_ws.services.fileOps.failure(u"不能写入文件："_s + QDir::toNativeSeparators(path));
    }
    if (!error.isEmpty()) {
        m_ws.services.prompt.show(error, u"错误"_s, Prompt::Icon::Error);
        return false;
    }
    return true;
}
