// The school-wide class averages of the large test school (120 classes, 6,000 pupils with photos):
// our grouped statistics against the same grouped statement stepped raw, and the statements of one
// class and slot each (1,200 per exam) that the grouped one replaces. The school is only read.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/RatioReporter.h"
#include "support/RawRow.h"
#include "support/StudentSchool.h"

#include "grades/AverageStatistics.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"

#include <QCoreApplication>
#include <QFile>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

using StudentSchool::classes;
using StudentSchool::raw;

ScoreSheetRules::Exam examOf(qint64 i)
{
    return i % 2 ? ScoreSheetRules::Exam::Final : ScoreSheetRules::Exam::MidTerm;
}

void Averages_ours(benchmark::State& state)
{
    AverageStatistics statistics(StudentSchool::ours());
    qint64 i = 0;
    for (auto _ : state) {
        const auto rows = statistics.compute(examOf(++i), classes());
        if (!rows || rows->size() != classes().size())
            state.SkipWithError("the statistics failed");
        benchmark::DoNotOptimize(rows);
    }
}

void Averages_raw(benchmark::State& state)
{
    const QByteArray statements[] {
        AverageStatistics::groupedQuery(examOf(0)).toUtf8(), AverageStatistics::groupedQuery(examOf(1)).toUtf8()};
    qint64 i = 0;
    for (auto _ : state) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(raw(), statements[++i % 2].constData(), -1, &s, nullptr);
        benchmark::DoNotOptimize(rawAllRows(s));
        sqlite3_finalize(s);
    }
}

// Avg() per class and slot, read as a number and rounded half up: what the grouped query replaces.
void PerSlotStatements(benchmark::State& state)
{
    qint64 i = 0;
    for (auto _ : state) {
        const QString stem = ScoreSheetRules::columnStem(examOf(++i));
        qint64 sum = 0;
        for (const QString& klass : classes()) {
            for (int k = 1; k <= 10; ++k) {
                const QString m = stem + QString::number(k);
                auto set = StudentSchool::ours().query(
                    u"SELECT Avg(%1) AS 平均成绩 FROM 学籍表 WHERE 所在班级=? and %1>0"_s.arg(m), {klass});
                sum += set ? qint64(set->value(u"平均成绩").toDouble() + 0.5) : 0;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}

void printPlan()
{
    auto plan = StudentSchool::ours().query(u"explain query plan "_s + AverageStatistics::groupedQuery(examOf(0)));
    for (; plan && !plan->pastLast(); plan->next())
        std::printf("plan: %s\n", qPrintable(plan->text(u"detail")));
}

} // namespace

XIAOWU_BENCH_PAIR("Averages", Averages_ours, Averages_raw);
BENCHMARK(PerSlotStatements)->Name("PerSlotStatements")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return runOnLargeSchool(argc, argv, [] {
        printPlan();
        return true;
    });
}
