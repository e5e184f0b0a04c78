#include "sheet/SheetPrintJob.h"

#include "sheet/PrintLayout.h"
#include "sheet/SheetFonts.h"
#include "sheet/SheetPageRenderer.h"
#include "sheet/SheetTable.h"

#include <QApplication>
#include <QDebug>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

SheetPrintJob::SheetPrintJob(const SheetTable& table)
    : m_table(table)
    , m_pageNumberText(u"第 %d 页"_s)
{ }

namespace {

// Wrong letters on paper would only be noticed after printing: the dialog's title says it first.
void warnOfMissingFonts(QWidget& dialog)
{
    const QStringList missing = SheetFonts::missingFamilies();
    if (!missing.isEmpty())
        dialog.setWindowTitle(dialog.windowTitle() + u"（缺少打印字体："_s + missing.join(u"、"_s) + u'）');
}

void prepare(QPrinter& printer, const SheetTable& table)
{
    // The margins are the page setup's, measured from the paper's edge.
    printer.setFullPage(true);
    SheetPageRenderer::preparePaper(printer, table.pageSetup());
}

} // namespace

void SheetPrintJob::paint(QPrinter& printer)
{
    m_error.clear();
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_error = u"打印机无法开始打印。"_s;
        return;
    }
    SheetPageRenderer renderer(m_table, PrintLayout::of(m_table));
    if (renderer.layout().isRefused()) {
        m_error = renderer.layout().refusal;
        painter.end();
        return;
    }
    renderer.setPageNumberText(m_pageNumberText);
    // A thousand-page roster takes seconds.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    const bool whole = renderer.paintAll(painter, printer, m_progress);
    if (!painter.end() || !whole || printer.printerState() == QPrinter::Error)
        m_error = u"打印机出错，打印没有完成。"_s;
}

bool SheetPrintJob::layoutAccepted()
{
    // Printing goes on in whatever font Qt finds, but the log says why the paper looks wrong.
    if (const QString warning = SheetFonts::missingFontsWarning(); !warning.isEmpty())
        qWarning().noquote() << warning;
    m_error = PrintLayout::of(m_table).refusal;
    return m_error.isEmpty();
}

SheetPrintJob::Outcome SheetPrintJob::preview(QWidget* parent)
{
    if (!layoutAccepted())
        return Outcome::Failed;
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, m_table);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this](QPrinter* p) { paint(*p); });
    warnOfMissingFonts(dialog);
    dialog.exec();
    return m_error.isEmpty() ? Outcome::Printed : Outcome::Failed;
}

SheetPrintJob::Outcome SheetPrintJob::print(const QString& jobName, QWidget* parent)
{
    if (!layoutAccepted())
        return Outcome::Failed;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName);
    prepare(printer, m_table);
    QPrintDialog dialog(&printer, parent);
    warnOfMissingFonts(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    // The pages follow the table's page setup whatever paper the dialog last showed.
    prepare(printer, m_table);
    paint(printer);
    return m_error.isEmpty() ? Outcome::Printed : Outcome::Failed;
}

bool SheetPrintJob::printTo(QPrinter& printer)
{
    if (!layoutAccepted())
        return false;
    prepare(printer, m_table);
    paint(printer);
    return m_error.isEmpty();
}
