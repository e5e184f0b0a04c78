// What switching the student view to another class costs on the large test school: the subject
// captions, the names list and the first pupil's record with its photo decoded, scaled and the
// page repainted, against the bare SQLite queries underneath. "SwitchClassQueries" measures the
// pupils' SQL layer alone against the same queries.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/LargeSchoolWorkbench.h"
#include "support/RawRow.h"
#include "support/StudentSchool.h"

#include "classes/ClassBook.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/PinyinCollation.h"
#include "students/StudentRecords.h"
#include "students/StudentViewPage.h"
#include "workspace/HeadTeacherList.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

Workspace& workspace()
{
    return largeSchoolWorkbench().ws;
}

StudentViewPage& page()
{
    static StudentViewPage* p = [] {
        auto* view = new StudentViewPage(workspace());
        view->resize(1024, 700);
        view->show();
        view->showEnrolled();
        return view;
    }();
    return *p;
}

using StudentSchool::classes;
using StudentSchool::raw;

void SwitchClass_ours(benchmark::State& state)
{
    StudentViewPage& view = page();
    int i = 0;
    for (auto _ : state) {
        view.查看班级名组合框->setCurrentIndex(++i % view.查看班级名组合框->count());
        view.repaint();
    }
}

void SwitchClassQueries_ours(benchmark::State& state)
{
    StudentRecords records(workspace().studentDb);
    const ClassBook book(workspace().studentDb);
    int i = 0;
    for (auto _ : state)
        StudentSchool::readClassSwitch(records, book, classes()[++i % classes().size()]);
}

// Steps a prepared statement through, touching every value as its type.
qint64 drain(sqlite3_stmt* s, qint64* firstNumber = nullptr)
{
    qint64 sum = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
        if (firstNumber && *firstNumber == 0)
            *firstNumber = sqlite3_column_int64(s, 0);
        sum += rawRowValues(s);
    }
    sqlite3_finalize(s);
    return sum;
}

void SwitchClass_raw(benchmark::State& state)
{
    const QByteArray subjects = "select * from 班级表 where 所在班级=?";
    const QByteArray names
        = "select [学号],[姓名],[性别] from [学籍表] where [所在班级]=? order by [姓名] COLLATE PINYIN";
    const QByteArray record = "select * from 学籍表 where 学号=?";
    int i = 0;
    for (auto _ : state) {
        const QByteArray klass = classes()[++i % classes().size()].toUtf8();
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(raw(), subjects.constData(), -1, &s, nullptr);
        sqlite3_bind_text(s, 1, klass.constData(), static_cast<int>(klass.size()), SQLITE_TRANSIENT);
        benchmark::DoNotOptimize(drain(s));
        sqlite3_prepare_v2(raw(), names.constData(), -1, &s, nullptr);
        sqlite3_bind_text(s, 1, klass.constData(), static_cast<int>(klass.size()), SQLITE_TRANSIENT);
        qint64 first = 0;
        benchmark::DoNotOptimize(drain(s, &first));
        sqlite3_prepare_v2(raw(), record.constData(), -1, &s, nullptr);
        sqlite3_bind_int64(s, 1, first);
        benchmark::DoNotOptimize(drain(s));
    }
}

} // namespace

XIAOWU_BENCH_PAIR("SwitchClass", SwitchClass_ours, SwitchClass_raw);
XIAOWU_BENCH_PAIR("SwitchClassQueries", SwitchClassQueries_ours, SwitchClass_raw);

int main(int argc, char** argv)
{
    return runWindowsOnLargeSchool(argc, argv);
}
