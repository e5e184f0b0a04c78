// Sheet component: the stored bytes of a 1,000 × 10 sheet against a plain memcpy of the same bytes,
// and the print layout (and painting) of a 30,000-row roster.
#include "sheet/PrintLayout.h"
#include "sheet/SheetFonts.h"
#include "sheet/SheetPageRenderer.h"
#include "sheet/SheetTable.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

using namespace Qt::StringLiterals;

namespace {

// A wage sheet grown to 1,000 rows: names, amounts with two decimals, header and total row.
void wageSheet(SheetTable& t)
{
    t.reset(1000, 10);
    t.setFixedRows(1);
    for (int c = 1; c <= 10; ++c)
        t.setText(1, c, u"应发工资%1"_s.arg(c));
    for (int r = 2; r < 1000; ++r) {
        t.setText(r, 1, u"教员%1"_s.arg(r));
        for (int c = 2; c <= 9; ++c)
            t.setText(r, c, QString::number((r * 37 + c * 101) % 5000 + 0.5, 'f', 2));
    }
    t.setText(1000, 1, u"合计："_s);
    t.setAlignment({2, 2, 999, 9}, SheetAlignment::MiddleRight);
    t.setTextColour({2, 7, 998, 2}, 128);
    t.setReadOnly({2, 9, 999, 2}, true);
    t.setBorders({1, 1, 1000, 10}, AllBorders);
}

void roster(SheetTable& t, int pupils)
{
    t.reset(3 + pupils, 9);
    t.setColumnWidths(1, 9, 280);
    t.setRowHeight(1, 180);
    t.setRowHeights(2, 2, 80);
    t.setRowHeights(4, pupils, 70);
    t.merge({1, 1, 1, 9});
    t.setText(1, 1, u"希望小学在校学生名单"_s);
    for (int r = 4; r <= 3 + pupils; ++r) {
        t.setText(r, 1, QString::number(20110000 + r));
        t.setText(r, 2, u"张三丰"_s);
        t.setText(r, 5, u"2005年9月1日"_s);
    }
    t.setBorders({3, 1, pupils + 1, 9}, AllBorders);
    t.setAlignment({4, 1, pupils, 9}, SheetAlignment::Centre);
    t.setFixedRows(3);
    PageSetup p;
    p.orientation = PageSetup::Landscape;
    p.marginTop = 150;
    p.marginBottom = 220;
    p.zoom = PageSetup::FitWidth;
    p.pageNumberPosition = PageSetup::BottomRight;
    p.fillLastPage = 1;
    t.setPageSetup(p);
}

const QByteArray& wageBytes()
{
    static const QByteArray bytes = [] {
        SheetTable t;
        wageSheet(t);
        return t.serialise();
    }();
    return bytes;
}

void BM_Memcpy(benchmark::State& state)
{
    const QByteArray& source = wageBytes();
    QByteArray target(source.size(), Qt::Uninitialized);
    for (auto _ : state) {
        std::memcpy(target.data(), source.constData(), size_t(source.size()));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * source.size());
}
BENCHMARK(BM_Memcpy);

void BM_Serialise(benchmark::State& state)
{
    SheetTable t;
    wageSheet(t);
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = t.serialise();
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_Serialise);

void BM_Load(benchmark::State& state)
{
    const QByteArray& bytes = wageBytes();
    SheetTable t;
    for (auto _ : state) {
        if (!t.load(bytes))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(t.rowCount());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_Load);

void BM_LayoutRoster30000(benchmark::State& state)
{
    SheetTable t;
    roster(t, 30000);
    qsizetype pages = 0;
    for (auto _ : state) {
        const PrintLayout layout = PrintLayout::of(t);
        pages = layout.pages.size();
        benchmark::DoNotOptimize(layout.pages.constData());
    }
    state.counters["pages"] = double(pages);
    state.counters["per_page"] = benchmark::Counter(
        double(pages), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LayoutRoster30000)->Unit(benchmark::kMillisecond);

// One page of that roster painted at 150 dpi, to set the layout's cost beside the painting's.
void BM_PaintRosterPage(benchmark::State& state)
{
    SheetTable t;
    roster(t, 30000);
    const PrintLayout layout = PrintLayout::of(t);
    const double dots = 150 / 254.0;
    QImage image(int(layout.paper.width() * dots), int(layout.paper.height() * dots), QImage::Format_RGB32);
    SheetPageRenderer renderer(t, layout);
    int page = 0;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.paintPage(painter, page, dots);
        page = (page + 1) % int(layout.pages.size());
    }
}
BENCHMARK(BM_PaintRosterPage)->Unit(benchmark::kMillisecond);

// Keeps each run's time so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv)
{
    // Painting needs a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SheetFonts::installSubstitutions();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double copy = reporter.times["BM_Memcpy"];
    const double mb = wageBytes().size() / 1e6;
    if (copy > 0) {
        std::printf("\n1,000 x 10 sheet: %.0f bytes\n", double(wageBytes().size()));
        for (const char* name : {"BM_Serialise", "BM_Load"}) {
            const double t = reporter.times[name];
            if (t > 0)
                std::printf("%-14s %8.1f MB/s  %6.0f x the time of memcpy (%.0f MB/s)\n", name, mb / (t * 1e-9),
                    t / copy, mb / (copy * 1e-9));
        }
    }
    benchmark::Shutdown();
    return 0;
}
