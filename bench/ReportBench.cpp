// The printed roster of all 30,000 graduates of the large test school as a PDF: the report built
// from the list, laid out and every page painted, against bare QPainter drawing the same strings
// and rules on the same pages of the same PDF writer.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/RatioReporter.h"

#include "printing/TableReports.h"
#include "records/ReportList.h"
#include "sheet/PrintLayout.h"
#include "sheet/SheetFonts.h"
#include "sheet/SheetPrintJob.h"
#include "sheet/SheetTable.h"
#include "store/DatabaseKind.h"
#include "students/RosterColumns.h"
#include "students/StudentRosters.h"
#include "workspace/PageTable.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// What page 2 holds after 毕业学生列表 for every graduation date.
const PageTable& graduates()
{
    static const PageTable table = [] {
        StudentRosters::Rows all;
        for (const QString& date : LargeSchool::graduationDates())
            all += StudentRosters(LargeSchool::database(DatabaseKind::Student))
                       .graduates(date)
                       .value_or(StudentRosters::Rows {});
        ReportList list(u"毕业离校列表框"_s);
        list.setColumns(RosterColumns::archived());
        list.fill(all, StudentRosters::SexColumn, nullptr);
        PageTable t = list.pageTable();
        t.title = u"实验中学毕业学生花名册"_s;
        t.statistics = u"共有毕业学生"_s + QString::number(t.rows.size()) + u"人"_s;
        return t;
    }();
    return table;
}

const QString& pdfPath()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(u"roster.pdf"_s);
    return path;
}

void preparePdf(QPrinter& printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath());
}

void Roster_ours(benchmark::State& state)
{
    int pages = 0;
    for (auto _ : state) {
        SheetTable report;
        TableReports::roster(report, graduates(), QDate(2011, 3, 5), TableReports::Roster::Pupils);
        pages = int(PrintLayout::of(report).pages.size());
        QPrinter printer(QPrinter::HighResolution);
        preparePdf(printer);
        if (!SheetPrintJob(report).printTo(printer))
            state.SkipWithError("printing failed");
    }
    state.counters["pages"] = pages;
    state.counters["pages/s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["PDF KiB"] = double(QFileInfo(pdfPath()).size()) / 1024;
}

// The same pages drawn directly: each page's head rows and its rows' texts in the report's fonts,
// every cell ruled, the page number below.
void Roster_raw(benchmark::State& state)
{
    const PageTable& table = graduates();
    SheetTable shape;
    TableReports::roster(shape, table, QDate(2011, 3, 5), TableReports::Roster::Pupils);
    const PrintLayout layout = PrintLayout::of(shape);
    QList<double> edges {0}; // left edge of each column, the table's width last
    for (int c = 1; c <= shape.columnCount(); ++c)
        edges << edges.last() + shape.columnWidth(c);
    const double total = edges.last();
    const QString title = table.title;
    const QString date = u"2011年3月5日"_s;
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        preparePdf(printer);
        printer.setFullPage(true);
        printer.setPageOrientation(QPageLayout::Landscape);
        QPainter p(&printer);
        const double unit = printer.logicalDpiX() / 254.0 * layout.scale;
        const double left = layout.printable.left() * printer.logicalDpiX() / 254.0;
        QFont titleFont(u"楷体_GB2312"_s);
        titleFont.setPixelSize(qRound(80 * unit));
        titleFont.setBold(true);
        QFont body(u"宋体"_s);
        body.setPixelSize(qRound(40 * unit));
        pages = 0;
        for (const PrintLayout::Page& page : layout.pages) {
            if (pages++ > 0)
                printer.newPage();
            double y = layout.printable.top() * printer.logicalDpiX() / 254.0;
            p.setFont(titleFont);
            p.drawText(QRectF(left, y, total * unit, 180 * unit), Qt::AlignCenter, title);
            y += 180 * unit;
            p.setFont(body);
            const int n = int(edges.size()) - 1;
            p.drawText(
                QRectF(left, y, edges[n - 2] * unit, 60 * unit), Qt::AlignLeft | Qt::AlignVCenter, table.statistics);
            p.drawText(QRectF(left + edges[n - 2] * unit, y, (edges[n - 1] - edges[n - 2]) * unit, 60 * unit),
                Qt::AlignRight | Qt::AlignVCenter, u"打印日期："_s);
            p.drawText(
                QRectF(left + edges[n - 1] * unit, y, (total - edges[n - 1]) * unit, 60 * unit), Qt::AlignCenter, date);
            y += 60 * unit;
            // Texts row by row, then each rule once: a line under every row and the column lines.
            const double tableTop = y;
            const auto drawRow = [&](const QStringList& texts, double height) {
                for (int c = 1; c < edges.size() && c <= texts.size(); ++c)
                    p.drawText(QRectF(left + edges[c - 1] * unit, y, (edges[c] - edges[c - 1]) * unit, height * unit),
                        Qt::AlignCenter, texts[c - 1]);
                y += height * unit;
                p.drawLine(QPointF(left, y), QPointF(left + total * unit, y));
            };
            p.drawLine(QPointF(left, y), QPointF(left + total * unit, y));
            drawRow(table.captions, 80);
            for (int r = page.firstRow; r <= page.lastRow; ++r)
                drawRow(table.rows[r - 4], 70);
            for (int r = 0; r < page.ruledRows; ++r)
                drawRow({}, 70);
            for (double edge : edges)
                p.drawLine(QPointF(left + edge * unit, tableTop), QPointF(left + edge * unit, y));
            p.drawText(
                QRectF(left, layout.pageNumberRect.top() * printer.logicalDpiX() / 254.0, total * unit, 60 * unit),
                Qt::AlignRight | Qt::AlignVCenter, u"第 %1 页"_s.arg(pages));
        }
        p.end();
    }
    state.counters["pages"] = pages;
    state.counters["pages/s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["PDF KiB"] = double(QFileInfo(pdfPath()).size()) / 1024;
}

} // namespace

XIAOWU_BENCH_PAIR_ITERATIONS("GraduateRosterPdf", Roster_ours, Roster_raw, 3);

int main(int argc, char** argv)
{
    return runWindowsOnLargeSchool(argc, argv, [] {
        SheetFonts::installSubstitutions();
        return true;
    });
}
