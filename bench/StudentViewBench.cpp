// What switching the student view to another class costs on the large test school: from the
// selector's change to the page's next painted frame (subject captions, names list and the first
// pupil's card with its photo), against the bare SQLite queries underneath and the photo's decode.
// "SwitchClassQueries" measures the pupils' SQL layer alone against the same queries.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/FirstFrame.h"
#include "support/LargeSchoolWorkbench.h"
#include "support/RawRow.h"
#include "support/StudentSchool.h"

#include "classes/ClassBook.h"
#include "records/NameFlowView.h"
#include "records/RecordPhoto.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/PinyinCollation.h"
#include "students/StudentRecords.h"
#include "students/StudentViewPage.h"
#include "workspace/HeadTeacherList.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTest>

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
        // Unexposed, the page would never paint and a frame would cost nothing.
        if (!QTest::qWaitForWindowExposed(view)) {
            std::fprintf(stderr, "the student view was never shown\n");
            std::exit(1);
        }
        view->showEnrolled();
        waitForRowsPainted(view->查看学生列表框);
        return view;
    }();
    return *p;
}

using StudentSchool::classes;
using StudentSchool::raw;

// Up to the frame the event loop paints after the switch: the relayouts it posted and the paint of
// what changed (main() takes away the platform's idle before an update request).
void SwitchClass_ours(benchmark::State& state)
{
    StudentViewPage& view = page();
    // Offscreen, the first class switch of a run paints nothing, whatever is asked: it is passed,
    // so that every measured switch is a frame the clerk sees.
    view.查看班级名组合框->setCurrentIndex(view.查看班级名组合框->count() - 1);
    QCoreApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        const bool painted = commandPainted(
            view.查看学生列表框, [&] { view.查看班级名组合框->setCurrentIndex(++i % view.查看班级名组合框->count()); });
        if (!painted)
            state.SkipWithError("no names painted");
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

int columnNamed(sqlite3_stmt* s, const char* name)
{
    for (int i = 0; i < sqlite3_column_count(s); ++i) {
        if (qstrcmp(sqlite3_column_name(s, i), name) == 0)
            return i;
    }
    return -1;
}

// Steps a prepared statement through, touching every value as its type, and decodes the photo
// column when one is named.
qint64 drain(sqlite3_stmt* s, qint64* firstNumber = nullptr, const char* photoColumn = nullptr)
{
    qint64 sum = 0;
    const int photo = photoColumn ? columnNamed(s, photoColumn) : -1;
    while (sqlite3_step(s) == SQLITE_ROW) {
        if (firstNumber && *firstNumber == 0)
            *firstNumber = sqlite3_column_int64(s, 0);
        sum += rawRowValues(s);
        if (photo >= 0) {
            const QByteArray bytes = QByteArray::fromRawData(
                static_cast<const char*>(sqlite3_column_blob(s, photo)), sqlite3_column_bytes(s, photo));
            sum += RecordPhoto::decode(bytes).width();
        }
    }
    sqlite3_finalize(s);
    return sum;
}

void rawSwitch(benchmark::State& state, const char* photoColumn)
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
        benchmark::DoNotOptimize(drain(s, nullptr, photoColumn));
    }
}

// The queries and the decode of the photo they bring: the least any card with it can cost.
void SwitchClass_raw(benchmark::State& state)
{
    rawSwitch(state, "照片");
}

void SwitchClassQueries_raw(benchmark::State& state)
{
    rawSwitch(state, nullptr);
}

} // namespace

XIAOWU_BENCH_PAIR("SwitchClass", SwitchClass_ours, SwitchClass_raw);
XIAOWU_BENCH_PAIR("SwitchClassQueries", SwitchClassQueries_ours, SwitchClassQueries_raw);

int main(int argc, char** argv)
{
    // A screen paints at its next refresh; offscreen, Qt waits 5 ms before every frame instead,
    // which would pass for our work.
    if (qEnvironmentVariableIsEmpty("QT_QPA_UPDATE_IDLE_TIME"))
        qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    return runWindowsOnLargeSchool(argc, argv);
}
