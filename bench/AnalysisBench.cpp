// The exam analysis of one grade of 20 classes and 1,000 pupils (photos of about 40 KB each, in a
// school of twelve such grades): the whole analysis of a view (the one statement read, the class
// figures, bands and both ranks) against the same statement stepped raw; the counting alone on
// rows already read; and each chart drawn. The school is made once beside the large one.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/RatioReporter.h"
#include "support/RawRow.h"

#include "analysis/AnalysisCharts.h"
#include "analysis/ExamAnalysis.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/PinyinCollation.h"

#include <QApplication>
#include <QChart>
#include <QFile>

#include <sqlite3.h>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString Grade = u"初中1年级"_s;

QString schoolDir()
{
    return LargeSchool::defaultDir() + u"-grade20"_s;
}

QString studentsPath()
{
    return schoolDir() + u"/data/"_s + DatabaseKinds::fileName(DatabaseKind::Student);
}

DbConnection& db()
{
    static DbConnection connection;
    if (!connection.isOpen() && !connection.open(studentsPath(), {}, DatabaseKinds::password(DatabaseKind::Student))) {
        std::fprintf(stderr, "%s\n", qPrintable(connection.lastError()));
        std::exit(1);
    }
    return connection;
}

sqlite3* raw()
{
    static sqlite3* handle = nullptr;
    if (!handle) {
        sqlite3_open_v2(QFile::encodeName(studentsPath()).constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
        PinyinCollation::registerOn(handle);
    }
    return handle;
}

const QList<ExamAnalysis::ClassInfo>& grade()
{
    static const QList<ExamAnalysis::ClassInfo> classes = [] {
        QList<ExamAnalysis::ClassInfo> of;
        for (const ExamAnalysis::ClassInfo& info :
            ExamAnalysis(db()).readClasses().value_or(QList<ExamAnalysis::ClassInfo> {}))
            if (info.name.startsWith(Grade))
                of.append(info);
        return of;
    }();
    return classes;
}

// A view: subject slot 1..10 or the total, alternately, of either exam.
int keyOf(qint64 i)
{
    return int(i % 11);
}

ExamAnalysis::Exam examOf(qint64 i)
{
    return i % 2 ? ExamAnalysis::Exam::Final : ExamAnalysis::Exam::MidTerm;
}

qint64 analyse(const ExamAnalysis& analysis, qint64 i)
{
    qint64 sum = 0;
    for (const ExamAnalysis::Summary& s : analysis.classSummaries(examOf(i), keyOf(i)))
        sum += s.count + s.passed + s.bands[4];
    for (const ExamAnalysis::PupilResult& r : analysis.ranking(examOf(i), keyOf(i)))
        sum += r.gradeRank.value_or(0) + r.change.value_or(0);
    return sum;
}

void Analysis_ours(benchmark::State& state)
{
    ExamAnalysis analysis(db());
    qint64 i = 0;
    for (auto _ : state) {
        if (!analysis.load(grade()) || analysis.pupils().size() != 1000)
            state.SkipWithError("the analysis did not read the grade");
        benchmark::DoNotOptimize(analyse(analysis, ++i));
    }
}

void Analysis_raw(benchmark::State& state)
{
    const QByteArray sql = ExamAnalysis::query(int(grade().size())).toUtf8();
    QList<QByteArray> names;
    for (const ExamAnalysis::ClassInfo& info : grade())
        names << info.name.toUtf8();
    for (auto _ : state) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(raw(), sql.constData(), -1, &s, nullptr);
        for (int p = 0; p < names.size(); ++p)
            sqlite3_bind_text(s, p + 1, names[p].constData(), int(names[p].size()), SQLITE_STATIC);
        benchmark::DoNotOptimize(rawAllRows(s));
        sqlite3_finalize(s);
    }
}

// Our own work beyond reading: the figures, bands and ranks of a view from the rows in memory.
void Counting(benchmark::State& state)
{
    ExamAnalysis analysis(db());
    analysis.load(grade());
    qint64 i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(analyse(analysis, ++i));
}

// One chart of a view built and painted at the window's size: the class averages, or the bands.
void Chart(benchmark::State& state)
{
    ExamAnalysis analysis(db());
    analysis.load(grade());
    const QList<ExamAnalysis::Summary> summaries = analysis.classSummaries(ExamAnalysis::Exam::Final, 1);
    QStringList classes;
    QList<std::optional<int>> averages;
    for (qsizetype c = 0; c + 1 < summaries.size(); ++c) {
        classes << QString::number(c + 1) + u"班"_s;
        averages << summaries[c].average();
    }
    const auto& bands = summaries.last().bands;
    const QList<int> counts(bands.cbegin(), bands.cend());
    const bool averagesChart = state.range(0) == 0;
    for (auto _ : state) {
        QChart* chart = averagesChart
            ? AnalysisCharts::averages(u"初中1年级各班语文平均分"_s, classes, averages, summaries.last().average())
            : AnalysisCharts::bands(u"初中1年级语文分数段分布"_s, AnalysisRules::bandCaptions(100), counts);
        const QImage image = AnalysisCharts::render(chart, QSize(1000, 560));
        benchmark::DoNotOptimize(image.constBits());
    }
}

void printPlan()
{
    QVariantList names;
    for (const ExamAnalysis::ClassInfo& info : grade())
        names << info.name;
    auto plan = db().query(u"explain query plan "_s + ExamAnalysis::query(int(names.size())), names);
    for (; plan && !plan->pastLast(); plan->next())
        std::printf("plan: %s\n", qPrintable(plan->text(u"detail")));
    std::printf("grade %s: %d classes\n", qPrintable(Grade), int(grade().size()));
}

} // namespace

XIAOWU_BENCH_PAIR("Analysis", Analysis_ours, Analysis_raw);
BENCHMARK(Counting)->Name("Counting")->Unit(benchmark::kMillisecond);
BENCHMARK(Chart)->Name("Chart/averages")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(Chart)->Name("Chart/bands")->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The charts paint without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString error;
    std::printf("preparing a school of 20 classes a grade in %s ...\n", qPrintable(schoolDir()));
    if (!LargeSchool::ensure(schoolDir(), {20, 50, 0, 0, 0}, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    printPlan();
    return runWithRatios(argc, argv);
}
