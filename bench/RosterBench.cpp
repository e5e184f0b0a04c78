// The rosters on the large test school: 全校搜索 filling page 3 with all 6,000 pupils and 毕业学生列表
// of one date out of 30,000 graduates, each against a raw sqlite3 loop over the same query; a
// header sort of 30,000 rows against std::stable_sort on keys parsed in advance.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/RawRow.h"
#include "support/StudentSchool.h"
#include "support/Workbench.h"

#include "records/ReportList.h"
#include "store/DatabaseKind.h"
#include "store/PinyinCollation.h"
#include "store/StoreIndexes.h"
#include "students/RosterColumns.h"
#include "students/StudentRosters.h"
#include "text/DateText.h"

#include <QApplication>
#include <QCollator>
#include <QFile>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

struct BenchWorkspace
{
    BenchWorkspace()
    {
        // As the program does when it opens the file.
        StoreIndexes::ensure(db, DatabaseKind::Student);
    }
    DbConnection& db = LargeSchool::database(DatabaseKind::Student);
    Workbench bench {db};
};

Workspace& workspace()
{
    static BenchWorkspace w;
    return w.bench.ws;
}

using StudentSchool::raw;

ReportList& list()
{
    static ReportList* l = [] {
        auto* made = new ReportList(u"在校生列表框"_s);
        made->setColumns(RosterColumns::enrolled());
        made->resize(1024, 600);
        made->show();
        return made;
    }();
    return *l;
}

QString firstDate()
{
    return LargeSchool::graduationDates().first();
}

// The raw side: the same statement stepped through, each row's texts made into what a list shows.
qint64 rawRoster(const QByteArray& sql, const QByteArray& bound)
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(raw(), sql.constData(), -1, &s, nullptr);
    sqlite3_bind_text(s, 1, bound.constData(), static_cast<int>(bound.size()), SQLITE_TRANSIENT);
    const qint64 sum = rawAllRows(s);
    sqlite3_finalize(s);
    return sum;
}

void SchoolSearch_ours(benchmark::State& state)
{
    for (auto _ : state) {
        // Every pupil was born in this century: the whole school.
        const auto rows
            = StudentRosters(workspace().studentDb).search(StudentRosters::Search::School, u"出生日期"_s, u"20"_s);
        list().fill(rows.value_or(StudentRosters::Rows {}), StudentRosters::SexColumn, nullptr);
    }
    state.counters["rows"] = list().rowCount();
}

void SchoolSearchQuery_ours(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            StudentRosters(workspace().studentDb).search(StudentRosters::Search::School, u"出生日期"_s, u"20"_s));
}

void SchoolSearch_raw(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            rawRoster("select 学号,姓名,性别,民族,所在班级,班内职务,出生日期,入学日期,联系电话 from 学籍表 "
                      "where 出生日期 like ? escape '\\' order by 姓名 COLLATE PINYIN",
                "20%"));
}

void GraduateRoster_ours(benchmark::State& state)
{
    const QString date = firstDate();
    for (auto _ : state) {
        const auto rows = StudentRosters(workspace().studentDb).graduates(date);
        list().fill(rows.value_or(StudentRosters::Rows {}), StudentRosters::SexColumn, nullptr);
    }
    state.counters["rows"] = list().rowCount();
}

void GraduateRoster_raw(benchmark::State& state)
{
    const QByteArray date = firstDate().toUtf8();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            rawRoster("select 学号,姓名,性别,民族,所在班级,班内职务,出生日期,离校时间,联系电话 from 毕业表 "
                      "where 离校时间=? order by 姓名 COLLATE PINYIN",
                date));
}

// All 30,000 graduates in the list once.
void fillAllGraduates()
{
    static bool done = false;
    if (done)
        return;
    StudentRosters::Rows all;
    for (const QString& date : LargeSchool::graduationDates())
        all += StudentRosters(workspace().studentDb).graduates(date).value_or(StudentRosters::Rows {});
    list().fill(all, StudentRosters::SexColumn, nullptr);
    done = true;
}

void Sort_ours(benchmark::State& state)
{
    fillAllGraduates();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state)
        list().sortByColumn(column); // each click reverses: every run sorts
    state.counters["rows"] = list().rowCount();
}

void Sort_raw(benchmark::State& state)
{
    fillAllGraduates();
    const int column = static_cast<int>(state.range(0));
    QStringList texts;
    for (int i = 0; i < list().rowCount(); ++i)
        texts << list().text(i, column);
    // Keys parsed before the clock runs: what is left is the sort itself.
    std::vector<qint64> numbers;
    std::vector<QCollatorSortKey> names;
    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    for (const QString& t : texts) {
        if (column == 2)
            names.push_back(collator.sortKey(t));
        else if (column == 7)
            numbers.push_back(DateText::parse(t).value_or(QDate()).toJulianDay());
        else
            numbers.push_back(t.toLongLong());
    }
    std::vector<int> order(texts.size());
    bool descending = false;
    for (auto _ : state) {
        std::iota(order.begin(), order.end(), 0);
        descending = !descending;
        if (column == 2)
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                const int c = names[size_t(a)].compare(names[size_t(b)]);
                return descending ? c > 0 : c < 0;
            });
        else
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                return descending ? numbers[size_t(a)] > numbers[size_t(b)] : numbers[size_t(a)] < numbers[size_t(b)];
            });
        benchmark::DoNotOptimize(order.data());
    }
}

// All 30,000 graduates ordered by name: the surname order against plain pinyin.
qint64 orderGraduates(const char* collation)
{
    const QByteArray sql = QByteArray("select 姓名 from 毕业表 order by 姓名 COLLATE ") + collation;
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(raw(), sql.constData(), -1, &s, nullptr);
    qint64 n = 0;
    while (sqlite3_step(s) == SQLITE_ROW)
        ++n;
    sqlite3_finalize(s);
    return n;
}

void NameOrder_ours(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(orderGraduates(PinyinCollation::nameOrder));
}

void NameOrder_raw(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(orderGraduates(PinyinCollation::name));
}

} // namespace

XIAOWU_BENCH_PAIR("OrderGraduatesByName", NameOrder_ours, NameOrder_raw);
XIAOWU_BENCH_PAIR("SchoolSearch", SchoolSearch_ours, SchoolSearch_raw);
XIAOWU_BENCH_PAIR("SchoolSearchQuery", SchoolSearchQuery_ours, SchoolSearch_raw);
XIAOWU_BENCH_PAIR("GraduateRoster", GraduateRoster_ours, GraduateRoster_raw);
XIAOWU_BENCH_PAIR_ARG("SortByName", Sort_ours, Sort_raw, 2);
XIAOWU_BENCH_PAIR_ARG("SortByNumber", Sort_ours, Sort_raw, 1);
XIAOWU_BENCH_PAIR_ARG("SortByBirth", Sort_ours, Sort_raw, 7);
XIAOWU_BENCH_PAIR_ARG("SortByPhone", Sort_ours, Sort_raw, 9);

int main(int argc, char** argv)
{
    return runWindowsOnLargeSchool(argc, argv);
}
