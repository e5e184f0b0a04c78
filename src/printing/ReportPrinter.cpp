#include "printing/ReportPrinter.h"

#include "platform/Clock.h"
#include "platform/FileChooser.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetPrintJob.h"
#include "sheet/SheetTable.h"
#include "text/FileNameText.h"
#include "workspace/PageView.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const QString& jobName()
{
    static const QString name = u"打印报表"_s;
    return name;
}

// The report's title as a file name.
QString suggestedPdf(const SheetTable& sheet)
{
    return QDir::home().filePath(FileNameText::fromTitle(sheet.text(1, 1), jobName()) + u".pdf"_s);
}

} // namespace

ReportPrinter::ReportPrinter(Workspace& ws, std::function<PageView*()> pageOnShow, QWidget* owner)
    : QObject(owner)
    , m_ws(ws)
    , m_pageOnShow(std::move(pageOnShow))
    , 打印数据源(new SheetTable(this))
    , 打印表格(new SheetGrid(owner))
{
    打印数据源->setObjectName(u"打印数据源"_s);
    打印表格->setObjectName(u"打印表格"_s);
    打印表格->setGeometry(0, 0, 10, 10);
    打印表格->hide();
    打印表格->attach(打印数据源);
    打印表格->setPrintProgress([this](int done, int total) { pagePainted(done, total); });
    sendToPrinter = [this](SheetGrid&, Mode mode) { send(mode); };
    printerInstalled = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
}

void ReportPrinter::run(Mode mode)
{
    PageView* page = m_pageOnShow ? m_pageOnShow() : nullptr;
    if (!page)
        return;
    ReportBuild built = ReportBuild::NoReport;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        // The grid lets go of the sheet while it is rebuilt and follows it again once it is whole.
        打印表格->detach();
        built = page->buildReport(*打印数据源, m_ws.services.clock.today());
        打印表格->attach(打印数据源);
    }
    switch (built) {
    case ReportBuild::NoReport:
        return;
    case ReportBuild::TemplateMissing:
        if (mode == Mode::Preview)
            m_ws.services.prompt.show(u"不能打开模板文件！请与本程序作者联系！"_s);
        else
            m_ws.services.prompt.show(u"  打开模板文件失败！  "_s, u"错误"_s, Prompt::Icon::Error);
        return;
    case ReportBuild::Built:
        break;
    }
    打印数据源->commit();
    sendToPrinter(*打印表格, mode);
}

void ReportPrinter::send(Mode mode)
{
    if (mode == Mode::Print && !printerInstalled()) {
        saveAsPdf();
        return;
    }
    const auto outcome = mode == Mode::Preview ? 打印表格->printPreview() : 打印表格->print(jobName());
    m_progress.reset();
    if (outcome == SheetPrintJob::Outcome::Failed)
        m_ws.services.prompt.show(打印表格->printErrorString(), u"错误"_s, Prompt::Icon::Error);
}

// 进度条1 steps once a page, as it does once a row while a list loads.
void ReportPrinter::pagePainted(int done, int total)
{
    if (!m_progress)
        m_progress.emplace(m_ws.shell.progressBar());
    m_progress->step();
    if (QProgressBar* bar = m_ws.shell.progressBar())
        bar->repaint();
    if (done >= total)
        m_progress.reset();
}

bool ReportPrinter::saveAsPdf()
{
    std::optional<QString> chosen = m_ws.services.fileChooser.saveFile(
        u"没有安装打印机：把报表保存为 PDF 文件"_s, u"PDF 文件 (*.pdf)"_s, suggestedPdf(*打印数据源));
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
        printer.setDocName(jobName());
        SheetPrintJob job(*打印数据源);
        job.setProgress([this](int done, int total) { pagePainted(done, total); });
        std::optional<QByteArray> pdf;
        if (!scratch.isValid())
            error = u"没有可写的临时文件夹。"_s;
        else if (!job.printTo(printer))
            error = job.errorString();
        else if (!(pdf = m_ws.services.fileOps.readFile(printer.outputFileName()))
            || !m_ws.services.fileOps.writeFile(path, *pdf))
            error = m_ws.services.fileOps.failure(u"不能写入文件："_s + QDir::toNativeSeparators(path));
    }
    m_progress.reset();
    if (!error.isEmpty()) {
        m_ws.services.prompt.show(error, u"错误"_s, Prompt::Icon::Error);
        return false;
    }
    return true;
}
