#include "printing/ReportPrinter.h"

#include "printing/SheetOutput.h"
#include "platform/Clock.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetTable.h"
#include "workspace/PageView.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

const QString& jobName()
{
    static const QString name = u"打印报表"_s;
    return name;
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
    SheetOutput output = this->output();
    output.send(*打印表格, mode == Mode::Preview ? SheetOutput::Mode::Preview : SheetOutput::Mode::Print);
    m_progress.reset();
}

SheetOutput ReportPrinter::output()
{
    SheetOutput output(m_ws, jobName());
    output.printerInstalled = printerInstalled;
    output.progress = [this](int done, int total) { pagePainted(done, total); };
    return output;
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
    const bool saved = output().saveAsPdf(*打印表格);
    m_progress.reset();
    return saved;
}
