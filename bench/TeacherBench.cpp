// Page 5 on the 300 teachers of the large school: opening it (names, first record, photo shown)
// and walking every record, against the bare queries plus the photo decode in the same run.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/RawRow.h"
#include "support/Workbench.h"

#include "records/NameListView.h"
#include "records/RecordPhoto.h"
#include "records/ReportList.h"
#include "store/DatabaseKind.h"
#include "store/PinyinCollation.h"
#include "teachers/TeacherRosters.h"
#include "teachers/TeacherStatus.h"
#include "teachers/TeacherViewPage.h"
#include "workspace/PageFrame.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

struct Bench
{
    Bench()
    {
        work.teacherDb.close();
        if (!work.teacherDb.open(
                LargeSchool::databasePath(DatabaseKind::Teacher), {}, DatabaseKinds::password(DatabaseKind::Teacher))) {
            std::fprintf(stderr, "%s\n", qPrintable(work.teacherDb.lastError()));
            std::exit(1);
        }
        view = new TeacherViewPage(work.ws, frame);
        frame.setView(view);
        frame.resize(1024, 640);
        frame.show();
    }
    Workbench work;
    PageFrame frame {Page::TeacherView, {u"a"_s, u"b"_s, {}, u"c"_s}, {}};
    TeacherViewPage* view = nullptr;
};

Bench& bench()
{
    // Never destroyed: its widgets must not outlive the QApplication that main() ends.
    static Bench* b = new Bench;
    return *b;
}

sqlite3* raw()
{
    return LargeSchool::rawDatabase(DatabaseKind::Teacher);
}

// One teacher's record read whole and its photo decoded, as the card shows it.
qint64 rawRecord(qint64 number)
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(raw(), "select * from 教员表 where 编号=?", -1, &s, nullptr);
    sqlite3_bind_int64(s, 1, number);
    qint64 sum = 0;
    if (sqlite3_step(s) == SQLITE_ROW) {
        sum += rawRowValues(s);
        const QByteArray photo(static_cast<const char*>(sqlite3_column_blob(s, 17)), sqlite3_column_bytes(s, 17));
        sum += RecordPhoto::decode(photo).width();
    }
    sqlite3_finalize(s);
    return sum;
}

QList<qint64> rawNames()
{
    QList<qint64> numbers;
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(raw(), "select 编号,姓名,性别 from 教员表 order by 姓名 COLLATE PINYIN", -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW) {
        numbers << sqlite3_column_int64(s, 0);
        rawRowValues(s);
    }
    sqlite3_finalize(s);
    return numbers;
}

void OpenPage_ours(benchmark::State& state)
{
    for (auto _ : state) {
        bench().view->show(TeacherViewKind::InService);
        bench().view->repaint();
    }
    state.counters["teachers"] = bench().view->查看教员列表框->rowCount();
}

void OpenPage_raw(benchmark::State& state)
{
    for (auto _ : state) {
        const QList<qint64> numbers = rawNames();
        benchmark::DoNotOptimize(rawRecord(numbers.first()));
    }
}

void WalkAll_ours(benchmark::State& state)
{
    TeacherViewPage* view = bench().view;
    view->show(TeacherViewKind::InService);
    for (auto _ : state) {
        for (int i = 0; i < view->查看教员列表框->rowCount(); ++i)
            view->查看教员列表框->setCurrentRow(i);
    }
}

void WalkAll_raw(benchmark::State& state)
{
    const QList<qint64> numbers = rawNames();
    for (auto _ : state) {
        for (qint64 n : numbers)
            benchmark::DoNotOptimize(rawRecord(n));
    }
}

// One teacher with a photo retired and restored; "-" as date and reason, so the row ends as it began.
void RetireRestore_ours(benchmark::State& state)
{
    const qint64 number = bench().view->selectedTeacher().value_or(std::pair<qint64, QString> {1, {}}).first;
    TeacherStatus status(bench().work.teacherDb);
    for (auto _ : state) {
        if (!status.leave(TeacherViewKind::Retired, number, u"-"_s, u"-"_s)
            || !status.restore(TeacherViewKind::Retired, number))
            state.SkipWithError("move failed");
    }
}

void step(const char* sql, qint64 number)
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(raw(), sql, -1, &s, nullptr);
    sqlite3_bind_int64(s, 1, number);
    sqlite3_step(s);
    sqlite3_finalize(s);
}

void RetireRestore_raw(benchmark::State& state)
{
    const qint64 number = bench().view->selectedTeacher().value_or(std::pair<qint64, QString> {1, {}}).first;
    for (auto _ : state) {
        sqlite3_exec(raw(), "begin", nullptr, nullptr, nullptr);
        step("insert into 退休表 select * from 教员表 where 编号=?", number);
        step("update 退休表 set 离校时间='-',离校原因='-' where 编号=?", number);
        step("delete from 教员表 where 编号=?", number);
        sqlite3_exec(raw(), "commit", nullptr, nullptr, nullptr);
        sqlite3_exec(raw(), "begin", nullptr, nullptr, nullptr);
        step("insert into 教员表 select * from 退休表 where 编号=?", number);
        step("delete from 退休表 where 编号=?", number);
        sqlite3_exec(raw(), "commit", nullptr, nullptr, nullptr);
    }
}

ReportList& roster()
{
    static ReportList* list = [] {
        auto* made = new ReportList(u"教员列表框"_s);
        made->setKeyInColumnZero(true);
        made->setColumns(QList<ReportColumn>(9, ReportColumn {u"列"_s, 80, SortAs::Text}));
        made->show();
        return made;
    }();
    return *list;
}

void RosterFill_ours(benchmark::State& state)
{
    for (auto _ : state) {
        const auto rows = TeacherRosters(bench().work.teacherDb).roster(TeacherViewKind::InService);
        roster().fill(rows.value_or(TeacherRosters::Rows {}), TeacherRosters::SexColumn, nullptr, 1);
    }
    state.counters["rows"] = roster().rowCount();
}

void RosterFill_raw(benchmark::State& state)
{
    for (auto _ : state) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(raw(),
            "select 编号,姓名,性别,民族,学历,职称,职务或岗位,参加工作时间,调入本校时间,住宅电话 from 教员表 "
            "order by 姓名 COLLATE PINYIN",
            -1, &s, nullptr);
        benchmark::DoNotOptimize(rawAllRows(s));
        sqlite3_finalize(s);
    }
}

} // namespace

XIAOWU_BENCH_PAIR("RetireRestore", RetireRestore_ours, RetireRestore_raw);
XIAOWU_BENCH_PAIR("StaffRosterFill", RosterFill_ours, RosterFill_raw);
XIAOWU_BENCH_PAIR("OpenTeacherPage", OpenPage_ours, OpenPage_raw);
XIAOWU_BENCH_PAIR("WalkAllTeachers", WalkAll_ours, WalkAll_raw);

int main(int argc, char** argv)
{
    return runWindowsOnLargeSchool(argc, argv);
}
