// Every class's timetable of the large school (120 classes, 40 pages) printed to PDF, against the
// floor underneath: 120 bare queries of the class rows plus painting the same pages from a sheet
// composed beforehand. The gap is what reading through our store and stacking the sheets costs.
#include "school/LargeSchool.h"
#include "support/RatioReporter.h"

#include "sheet/PrintLayout.h"
#include "sheet/SheetFonts.h"
#include "sheet/SheetPrintJob.h"
#include "sheet/SheetTable.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "timetable/TimetableSheet.h"
#include "timetable/TimetableSlot.h"
#include "timetable/TimetableStore.h"

#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

DbConnection& db()
{
    return LargeSchool::database(DatabaseKind::Student);
}

const QString School = u"阳光实验小学"_s;

QString pdfPath()
{
    static QTemporaryDir dir;
    return dir.filePath(u"timetables.pdf"_s);
}

int printToPdf(const SheetTable& sheet)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath());
    if (!SheetPrintJob(sheet).printTo(printer))
        return 0;
    return int(PrintLayout::of(sheet).pages.size());
}

void PrintAll_ours(benchmark::State& state)
{
    TimetableStore store(db());
    const QStringList classes = LargeSchool::classNames();
    int pages = 0;
    for (auto _ : state) {
        SheetTable scratch;
        SheetTable print;
        if (!scratch.load(TimetableSheet::templateBytes())
            || !TimetableSheet::composeAll(print, scratch, store, School, classes).isEmpty())
            state.SkipWithError("compose failed");
        pages = printToPdf(print);
    }
    state.counters["pages"] = pages;
    state.counters["pages/s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
}

void PrintAll_raw(benchmark::State& state)
{
    // The same pages, stacked once outside the timing.
    SheetTable scratch;
    SheetTable print;
    scratch.load(TimetableSheet::templateBytes());
    TimetableStore store(db());
    TimetableSheet::composeAll(print, scratch, store, School, LargeSchool::classNames());

    QList<QByteArray> names;
    for (const QString& name : LargeSchool::classNames())
        names.append(name.toUtf8());
    sqlite3* h = nullptr;
    sqlite3_open_v2(QFile::encodeName(LargeSchool::databasePath(DatabaseKind::Student)).constData(), &h,
        SQLITE_OPEN_READONLY, nullptr);
    int pages = 0;
    for (auto _ : state) {
        qint64 bytes = 0;
        for (const QByteArray& name : names) {
            sqlite3_stmt* s = nullptr;
            sqlite3_prepare_v2(h, "select * from 班级表 where 所在班级=?", -1, &s, nullptr);
            sqlite3_bind_text(s, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
            if (sqlite3_step(s) == SQLITE_ROW)
                for (int c = 0; c < sqlite3_column_count(s); ++c)
                    bytes += sqlite3_column_bytes(s, c);
            sqlite3_finalize(s);
        }
        benchmark::DoNotOptimize(bytes);
        pages = printToPdf(print);
    }
    sqlite3_close(h);
    state.counters["pages"] = pages;
    state.counters["pages/s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(PrintAll_ours)->Name("PrintAll/ours")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PrintAll_raw)->Name("PrintAll/raw")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    // Painting needs a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SheetFonts::installSubstitutions();
    return runOnLargeSchool(argc, argv);
}
