// The score sheet on the large test school: opening one class's sheet (header, query, table, cell
// attributes) against the statements it runs, and up to its first paint against those plus a bare
// view of the texts; one typed mark against a raw update, and what the per-class indexes change
// for the score sheet and the student view. The
// "NoIndex" cases run first, on the file with its two class indexes dropped; the others after the
// indexes are back. Ratios before/after are read from the two tables' times.
#include "school/LargeSchool.h"
#include "support/BareView.h"
#include "support/ExposedWindow.h"
#include "support/RatioReporter.h"
#include "support/RawRow.h"
#include "support/Workbench.h"

#include "grades/ScoreSheetPage.h"
#include "grades/ScoreSheetRules.h"
#include "sheet/QueryTable.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/PinyinCollation.h"
#include "store/StoreIndexes.h"
#include "students/StudentRecords.h"
#include "students/StudentViewPage.h"
#include "workspace/PageFrame.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

struct BenchWorkspace
{
    BenchWorkspace() { bench.state.setSchoolName(u"阳光实验学校"_s); }

    DbConnection& db = LargeSchool::database(DatabaseKind::Student);
    Workbench bench {db};
};

BenchWorkspace& host()
{
    static BenchWorkspace w;
    return w;
}

sqlite3* raw()
{
    return LargeSchool::rawDatabase(DatabaseKind::Student);
}

// Drops the two class indexes or puts them back, once per change; both connections see it.
void useIndexes(bool on)
{
    static int state = -1;
    if (state == int(on))
        return;
    QElapsedTimer t;
    t.start();
    DbConnection& db = host().db;
    if (on) {
        StoreIndexes::ensure(db, DatabaseKind::Student);
    } else {
        db.execute(u"drop index if exists 学籍表_成绩"_s);
        db.execute(u"drop index if exists 学籍表_所在班级"_s);
    }
    std::fprintf(stderr, "%s the class indexes: %lld ms\n", on ? "adding" : "dropping", qint64(t.elapsed()));
    state = int(on);
}

const QStringList& classes()
{
    static const QStringList names = LargeSchool::classNames();
    return names;
}

struct SheetOnPage
{
    PageFrame frame {Page::ScoreSheet, {u"成绩表外形框1"_s, u"成绩表标题标签"_s, u"成绩表外形框2"_s, u"成绩表底座"_s},
        u"学生成绩表"_s};
    ScoreSheetPage* page;
    SheetOnPage()
    {
        page = new ScoreSheetPage(host().bench.ws, frame);
        frame.setView(page);
        frame.resize(1024, 700);
        frame.show();
        page->openMidTerm();
        if (!waitForExposed(frame))
            std::fprintf(stderr, "the score sheet's window was never exposed\n");
    }
};

SheetOnPage& sheet()
{
    static SheetOnPage* s = new SheetOnPage;
    return *s;
}

StudentViewPage& studentView()
{
    static StudentViewPage* p = [] {
        auto* view = new StudentViewPage(host().bench.ws);
        view->resize(1024, 700);
        view->show();
        view->showEnrolled();
        return view;
    }();
    return *p;
}

qint64 drain(sqlite3_stmt* s)
{
    qint64 sum = 0;
    while (sqlite3_step(s) == SQLITE_ROW)
        sum += rawRowValues(s);
    sqlite3_finalize(s);
    return sum;
}

qint64 rawQuery(const QByteArray& sql, const QString& klass)
{
    const QByteArray k = klass.toUtf8();
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(raw(), sql.constData(), -1, &s, nullptr);
    sqlite3_bind_text(s, 1, k.constData(), int(k.size()), SQLITE_TRANSIENT);
    return drain(s);
}

// The header's statement: the class's subjects.
const QByteArray SubjectsQuery = "select 科目1,科目2,科目3,科目4,科目5,科目6,科目7,科目8,科目9,科目10 from 班级表 "
                                 "where 所在班级=?";

const QByteArray SheetQuery
    = "select 学号,姓名,期中1,期中2,期中3,期中4,期中5,期中6,期中7,期中8,期中9,期中10 from 学籍表 "
      "where 所在班级=? order by 姓名 COLLATE PINYIN";

// Another class on the sheet: the command alone, or up to its painted frame.
void openSheet(benchmark::State& state, bool paint)
{
    SheetOnPage& s = sheet();
    int i = 0;
    for (auto _ : state) {
        s.page->成绩表班级组合框->setCurrentIndex(++i % s.page->成绩表班级组合框->count());
        if (paint) {
            // What the command left for the event loop (a label's new size laying the bar out
            // again) is part of the frame.
            QCoreApplication::sendPostedEvents();
            s.frame.repaint();
        }
    }
}

// The bare side of the first frame: the statements the page runs (the class's subjects for the
// header, the marks), the texts in a bare view of the same size.
void openSheetViewRaw(benchmark::State& state)
{
    static BareView* bare = [] {
        auto* view = new BareView;
        if (!waitForExposed(view->view))
            std::fprintf(stderr, "the bare view's window was never exposed\n");
        return view;
    }();
    int i = 0;
    for (auto _ : state) {
        const QString klass = classes()[++i % classes().size()];
        benchmark::DoNotOptimize(rawQuery(SubjectsQuery, klass));
        const QByteArray k = klass.toUtf8();
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(raw(), SheetQuery.constData(), -1, &s, nullptr);
        sqlite3_bind_text(s, 1, k.constData(), int(k.size()), SQLITE_TRANSIENT);
        bare->show(rawTexts(s));
    }
}

// The statements the page runs for a class, the header's and the marks'.
void openSheetRaw(benchmark::State& state)
{
    int i = 0;
    for (auto _ : state) {
        const QString& klass = classes()[++i % classes().size()];
        benchmark::DoNotOptimize(rawQuery(SubjectsQuery, klass));
        benchmark::DoNotOptimize(rawQuery(SheetQuery, klass));
    }
}

void switchStudentClass(benchmark::State& state)
{
    StudentViewPage& view = studentView();
    int i = 0;
    for (auto _ : state) {
        view.查看班级名组合框->setCurrentIndex(++i % view.查看班级名组合框->count());
        view.repaint();
    }
}

void readClass(benchmark::State& state)
{
    StudentRecords records(host().db);
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(records.names(StudentViewKind::Enrolled, classes()[++i % classes().size()]));
}

void readClassRaw(benchmark::State& state)
{
    const QByteArray names = "select 学号,姓名,性别 from 学籍表 where 所在班级=? order by 姓名 COLLATE PINYIN";
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(rawQuery(names, classes()[++i % classes().size()]));
}

// Before the indexes.
void OpenSheetNoIndex_ours(benchmark::State& state)
{
    useIndexes(false);
    openSheet(state, false);
}
void OpenSheetNoIndex_raw(benchmark::State& state)
{
    useIndexes(false);
    openSheetRaw(state);
}
void StudentSwitchNoIndex_ours(benchmark::State& state)
{
    useIndexes(false);
    switchStudentClass(state);
}
void ClassReadNoIndex_ours(benchmark::State& state)
{
    useIndexes(false);
    readClass(state);
}
void ClassReadNoIndex_raw(benchmark::State& state)
{
    useIndexes(false);
    readClassRaw(state);
}

// With them.
void OpenSheet_ours(benchmark::State& state)
{
    useIndexes(true);
    openSheet(state, false);
}
void OpenSheet_raw(benchmark::State& state)
{
    useIndexes(true);
    openSheetRaw(state);
}
// From the command to the first painted frame, against the query plus a bare view of its texts.
void OpenSheetFrame_ours(benchmark::State& state)
{
    useIndexes(true);
    openSheet(state, true);
}
void OpenSheetFrame_raw(benchmark::State& state)
{
    useIndexes(true);
    openSheetViewRaw(state);
}
void StudentSwitch_ours(benchmark::State& state)
{
    useIndexes(true);
    switchStudentClass(state);
}
void ClassRead_ours(benchmark::State& state)
{
    useIndexes(true);
    readClass(state);
}
void ClassRead_raw(benchmark::State& state)
{
    useIndexes(true);
    readClassRaw(state);
}

// One typed mark of the loaded sheet, alternating so that every write changes the row.
void WriteMark_ours(benchmark::State& state)
{
    useIndexes(true);
    ScoreSheetRules rules(host().db);
    rules.load(classes().first(), ScoreSheetRules::Exam::MidTerm, 1, false);
    int i = 0;
    for (auto _ : state) {
        const auto written = rules.writeMark(1, 5, QString::number(60 + (++i % 40)));
        if (written.outcome != ScoreSheetRules::MarkWrite::Outcome::Stored)
            state.SkipWithError("the mark was not stored");
    }
}

void WriteMark_raw(benchmark::State& state)
{
    useIndexes(true);
    ScoreSheetRules rules(host().db);
    rules.load(classes().first(), ScoreSheetRules::Exam::MidTerm, 1, false);
    const qint64 number = rules.rows().value(1, 1).toLongLong();
    int i = 0;
    for (auto _ : state) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(raw(), "update 学籍表 set 期中3=? where 学号=?", -1, &s, nullptr);
        sqlite3_bind_int(s, 1, 60 + (++i % 40));
        sqlite3_bind_int64(s, 2, number);
        sqlite3_step(s);
        sqlite3_finalize(s);
    }
}

} // namespace

BENCHMARK(OpenSheetNoIndex_ours)->Name("OpenSheetNoIndex/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(OpenSheetNoIndex_raw)->Name("OpenSheetNoIndex/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(StudentSwitchNoIndex_ours)->Name("StudentSwitchNoIndex")->Unit(benchmark::kMillisecond);
BENCHMARK(ClassReadNoIndex_ours)->Name("ClassReadNoIndex/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(ClassReadNoIndex_raw)->Name("ClassReadNoIndex/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(OpenSheet_ours)->Name("OpenSheet/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(OpenSheet_raw)->Name("OpenSheet/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(OpenSheetFrame_ours)->Name("OpenSheetFrame/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(OpenSheetFrame_raw)->Name("OpenSheetFrame/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(StudentSwitch_ours)->Name("StudentSwitch")->Unit(benchmark::kMillisecond);
BENCHMARK(ClassRead_ours)->Name("ClassRead/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(ClassRead_raw)->Name("ClassRead/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(WriteMark_ours)->Name("WriteMark/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(WriteMark_raw)->Name("WriteMark/raw")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString error;
    std::printf("preparing the large test school in %s ...\n", qPrintable(LargeSchool::defaultDir()));
    if (!LargeSchool::ensure(LargeSchool::defaultDir(), {}, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const int result = runWithRatios(argc, argv);
    useIndexes(true);
    return result;
}
