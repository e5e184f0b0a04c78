// The lists as the clerk waits for them, in the real main window on the large test school: from
// the command to the first painted frame with rows (query, model, layout and the paint of the rows
// in sight). The raw side of each pair is the bare query plus a bare QTreeView over a trivial
// model of the same strings, at the same size, in the same run; for page 5 and the comment window
// it is the store calls the window makes. Also the resident memory the 30,000-row search adds to
// the program showing its home page.
#include "school/LargeSchool.h"
#include "support/FirstFrame.h"
#include "support/RatioReporter.h"
#include "support/RawRow.h"
#include "support/Workbench.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "comments/CommentEntryWindow.h"
#include "comments/CommentStore.h"
#include "records/RecordPhoto.h"
#include "records/ReportList.h"
#include "store/DatabaseKind.h"
#include "store/PinyinCollation.h"
#include "students/ArchivedRosterPage.h"
#include "students/EnrolledRosterPage.h"
#include "teachers/TeacherRecords.h"
#include "text/DateText.h"
#include "text/GbText.h"
#include "workspace/PageFrame.h"

#include <QApplication>
#include <QCollator>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

const QSize WindowSize(1024, 768);

// The program as it runs, on the bench school, logged in with every right.
struct Program
{
    Program()
        : paths(LargeSchool::defaultDir())
        , startup(desk.services, paths)
    {
        desk.screen.fixed = WindowSize;
        if (!startup.start()) {
            std::fprintf(stderr, "the program did not start on %s\n", qPrintable(LargeSchool::defaultDir()));
            std::exit(1);
        }
        main().closeSplash();
        main().setSession({u"校长"_s, RightsString::super()});
        main().setGeometry(QRect(QPoint(0, 0), WindowSize));
        main().show();
        QCoreApplication::processEvents();
    }
    MainWindow& main() { return *startup.mainWindow(); }

    FakeServices desk;
    AppPaths paths;
    Startup startup;
};

// Made once and never destroyed: windows must not outlive QApplication at exit.
Program& program()
{
    static Program* p = new Program;
    return *p;
}

template<class T>
T* find(const QString& name = {})
{
    T* found = program().main().findChild<T*>(name);
    if (!found) {
        std::fprintf(stderr, "no %s in the main window\n", qPrintable(name));
        std::exit(1);
    }
    return found;
}

void run(const QString& command)
{
    if (!program().main().runCommand(command)) {
        std::fprintf(stderr, "command %s refused\n", qPrintable(command));
        std::exit(1);
    }
}

// The floor: a QTreeView as Qt makes it, uniform rows, at the size of the list it stands for.
struct BareView
{
    BareView()
    {
        view.setModel(&model);
        view.setRootIsDecorated(false);
        view.setUniformRowHeights(true);
        view.setAlternatingRowColors(true);
    }
    void showLike(QWidget* list)
    {
        view.resize(list->size());
        view.show();
        QCoreApplication::processEvents();
    }
    BareRowsModel model;
    QTreeView view;
};

BareView& bare()
{
    static BareView* b = new BareView;
    return *b;
}

sqlite3* rawStudents()
{
    return LargeSchool::rawDatabase(DatabaseKind::Student);
}

// The statement stepped through, every value of a row made into the text a list shows.
QList<QStringList> rawRows(const char* sql, const QByteArray& bound)
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(rawStudents(), sql, -1, &s, nullptr);
    if (!bound.isNull())
        sqlite3_bind_text(s, 1, bound.constData(), static_cast<int>(bound.size()), SQLITE_TRANSIENT);
    QList<QStringList> rows;
    const int n = sqlite3_column_count(s);
    while (sqlite3_step(s) == SQLITE_ROW) {
        QStringList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(s, i)), sqlite3_column_bytes(s, i));
        rows.append(std::move(row));
    }
    sqlite3_finalize(s);
    return rows;
}

const char* SchoolSearchSql = "select 学号,姓名,性别,民族,所在班级,班内职务,出生日期,入学日期,联系电话 from 学籍表 "
                              "where 出生日期 like ? escape '\\' order by 姓名 COLLATE PINYIN";
const char* GraduateSearchSql = "select 学号,姓名,性别,民族,所在班级,班内职务,出生日期,离校时间,联系电话 from 毕业表 "
                                "where 出生日期 like ? escape '\\' order by 姓名 COLLATE PINYIN";

void bareFill(const char* sql, const QByteArray& bound)
{
    if (!commandPainted(&bare().view, [&] { bare().model.reset(rawRows(sql, bound)); }))
        std::fprintf(stderr, "the bare view painted no rows\n");
}

// 全校搜索 of page 3 for every pupil born in this century: all 6,000.
void schoolSearch()
{
    auto* page = find<EnrolledRosterPage>();
    page->搜索在校生组合框->setCurrentText(u"出生日期"_s);
    page->搜索在校生编辑框->setText(u"20"_s);
    page->全校搜索->click();
}

void SchoolSearch_ours(benchmark::State& state)
{
    auto* list = find<QAbstractItemView>(u"在校生列表框"_s);
    commandPainted(list, [] { run(u"在校学生列表"_s); });
    for (auto _ : state) {
        if (!commandPainted(list, schoolSearch))
            state.SkipWithError("no rows painted");
    }
    state.counters["rows"] = list->model()->rowCount();
}

void SchoolSearch_raw(benchmark::State& state)
{
    bare().showLike(find<QAbstractItemView>(u"在校生列表框"_s));
    for (auto _ : state)
        bareFill(SchoolSearchSql, "20%");
    state.counters["rows"] = bare().model.rowCount();
}

// 历届搜索 of page 4 for every graduate born in this century: all 30,000.
void graduateSearch()
{
    auto* page = find<ArchivedRosterPage>();
    page->搜索离校生组合框->setCurrentText(u"出生日期"_s);
    page->搜索离校生编辑框->setText(u"20"_s);
    page->历届搜索->click();
}

QAbstractItemView* graduateList()
{
    return find<QAbstractItemView>(u"毕业离校列表框"_s);
}

void GraduateSearch_ours(benchmark::State& state)
{
    commandPainted(graduateList(), [] { run(u"毕业学生列表"_s); });
    QElapsedTimer clock;
    qint64 command = 0;
    for (auto _ : state) {
        if (!commandPainted(graduateList(), [&] {
                clock.start();
                graduateSearch();
                command += clock.nsecsElapsed();
            }))
            state.SkipWithError("no rows painted");
    }
    // What the command itself took, before the event loop painted.
    state.counters["commandMs"] = double(command) / 1e6 / double(state.iterations());
    state.counters["rows"] = graduateList()->model()->rowCount();
}

void GraduateSearch_raw(benchmark::State& state)
{
    bare().showLike(graduateList());
    for (auto _ : state)
        bareFill(GraduateSearchSql, "20%");
    state.counters["rows"] = bare().model.rowCount();
}

// The program with its home page against the same with the 30,000 graduates on show.
void Memory(benchmark::State& state)
{
    // The program started and its home page painted: what comes on top is the list's.
    program();
    QCoreApplication::processEvents();
    const qint64 home = residentBytes();
    for (auto _ : state) {
        run(u"毕业学生列表"_s);
        commandPainted(graduateList(), graduateSearch);
    }
    state.counters["homeMB"] = double(home) / 1e6;
    state.counters["addedMB"] = double(residentBytes() - home) / 1e6;
    state.counters["rows"] = graduateList()->model()->rowCount();
}

void clickHeader(QAbstractItemView* list, int column)
{
    auto* tree = qobject_cast<QTreeView*>(list);
    QHeaderView* header = tree->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2));
}

// The 30,000 graduates on show, sorted by the query's order (name).
void showAllGraduates()
{
    static bool done = false;
    if (done)
        return;
    run(u"毕业学生列表"_s);
    commandPainted(graduateList(), graduateSearch);
    done = true;
}

// Every click on the same header reverses the order: every run sorts.
void Sort_ours(benchmark::State& state)
{
    showAllGraduates();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        if (!commandPainted(graduateList(), [&] { clickHeader(graduateList(), column); }))
            state.SkipWithError("no rows painted");
    }
    state.counters["rows"] = graduateList()->model()->rowCount();
}

// The first click on a column after a fill, its keys not read yet.
void FirstSort_ours(benchmark::State& state)
{
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        commandPainted(graduateList(), graduateSearch);
        state.ResumeTiming();
        commandPainted(graduateList(), [&] { clickHeader(graduateList(), column); });
    }
}

// std::stable_sort on keys read before the clock runs, the bare model permuted and painted.
void Sort_raw(benchmark::State& state)
{
    const int column = static_cast<int>(state.range(0));
    bare().showLike(graduateList());
    bare().model.reset(rawRows(GraduateSearchSql, "20%"));
    waitForRowsPainted(&bare().view);
    std::vector<qint64> numbers;
    std::vector<QCollatorSortKey> names;
    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    for (const QStringList& row : bare().model.rows()) {
        const QString& t = row[column - 1];
        if (column == 2)
            names.push_back(collator.sortKey(t));
        else if (column == 7)
            numbers.push_back(DateText::parse(t).value_or(QDate()).toJulianDay());
        else
            numbers.push_back(t.toLongLong());
    }
    std::vector<int> order(bare().model.rows().size());
    std::vector<int> current(order.size());
    std::iota(current.begin(), current.end(), 0);
    bool descending = false;
    for (auto _ : state) {
        order = current;
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
        // The model holds the rows in the order shown: give it the step from the current order.
        QList<int> step(qsizetype(order.size()));
        std::vector<int> where(order.size());
        for (size_t i = 0; i < current.size(); ++i)
            where[size_t(current[i])] = int(i);
        for (size_t i = 0; i < order.size(); ++i)
            step[qsizetype(i)] = where[size_t(order[i])];
        commandPainted(&bare().view, [&] { bare().model.permute(step); });
        current = order;
    }
}

// Page 5: 查看教员档案, the 300 names and the first teacher's card with photo.
void TeacherPage_ours(benchmark::State& state)
{
    auto* names = find<QAbstractItemView>(u"查看教员列表框"_s);
    commandPainted(names, [] { run(u"查看教员档案"_s); });
    for (auto _ : state) {
        if (!commandPainted(names, [] { run(u"查看教员档案"_s); }))
            state.SkipWithError("no rows painted");
    }
    state.counters["rows"] = names->model()->rowCount();
}

// The store calls the page makes, and the photo's decode.
void TeacherPage_raw(benchmark::State& state)
{
    DbConnection& db = LargeSchool::database(DatabaseKind::Teacher);
    for (auto _ : state) {
        const auto names = TeacherRecords(db).names(TeacherViewKind::InService);
        const auto teacher = TeacherRecords(db).record(TeacherViewKind::InService, names->names.first().编号);
        benchmark::DoNotOptimize(RecordPhoto::decode(teacher->照片).width());
    }
}

// The comment window of the program, on the bench school.
struct CommentWindow
{
    CommentWindow()
    {
        window = std::make_unique<CommentEntryWindow>(work.ws);
        window->resize(WindowSize);
        if (!window->start()) {
            std::fprintf(stderr, "no classes in the bench school\n");
            std::exit(1);
        }
        window->show();
        waitForRowsPainted(pupils());
    }
    QAbstractItemView* pupils() { return window->findChild<QAbstractItemView*>(u"评语姓名列表框"_s); }
    Workbench work {LargeSchool::database(DatabaseKind::Student)};
    std::unique_ptr<CommentEntryWindow> window;
};

CommentWindow& comments()
{
    static CommentWindow* w = new CommentWindow;
    return *w;
}

void ClassLoad_ours(benchmark::State& state)
{
    QComboBox* classes = comments().window->评语班级名组合框;
    QElapsedTimer clock;
    qint64 command = 0;
    for (auto _ : state) {
        // Every run loads another class.
        if (!commandPainted(comments().pupils(), [&] {
                clock.start();
                classes->setCurrentIndex(classes->currentIndex() == 0 ? 1 : 0);
                command += clock.nsecsElapsed();
            }))
            state.SkipWithError("no rows painted");
    }
    // What the command itself took, before the event loop painted.
    state.counters["commandMs"] = double(command) / 1e6 / double(state.iterations());
    state.counters["pupils"] = comments().pupils()->model()->rowCount();
}

void ClassLoad_raw(benchmark::State& state)
{
    CommentStore store(LargeSchool::database(DatabaseKind::Student));
    const QStringList names = LargeSchool::classNames();
    int i = 0;
    for (auto _ : state) {
        const auto pupils = store.pupils(names[++i % 2]);
        benchmark::DoNotOptimize(store.comments(pupils->first().学号));
    }
}

const QString Comment = u"    你是一个懂事的孩子，小小年纪知道怎样管理好自己。"_s;

// One 保存评语 through the window (it moves on to the next pupil), until the frame is painted.
void SaveOne_ours(benchmark::State& state)
{
    CommentEntryWindow& w = *comments().window;
    w.评语班级名组合框->setCurrentIndex(0);
    waitForRowsPainted(comments().pupils());
    QAbstractItemView* pupils = comments().pupils();
    for (auto _ : state) {
        state.PauseTiming();
        commandPainted(pupils, [&] {
            pupils->setCurrentIndex(pupils->model()->index(0, 0));
            w.本学期评语编辑框->setPlainText(Comment);
        });
        state.ResumeTiming();
        commandPainted(pupils, [&] { w.保存评语按钮->click(); });
    }
}

// The window's save through the store alone: what the window adds is the rest.
void SaveOneStore(benchmark::State& state)
{
    CommentStore store(LargeSchool::database(DatabaseKind::Student));
    const qint64 number = store.pupils(LargeSchool::classNames().first())->first().学号;
    for (auto _ : state)
        store.save(number, {Comment, u"品学兼优。"_s});
}

// The same update as one bare statement.
void SaveOne_raw(benchmark::State& state)
{
    sqlite3_stmt* s = nullptr;
    const QByteArray klass = LargeSchool::classNames().first().toUtf8();
    sqlite3_prepare_v2(
        rawStudents(), "select 学号 from 学籍表 where 所在班级=? order by 姓名 COLLATE PINYIN", -1, &s, nullptr);
    sqlite3_bind_text(s, 1, klass.constData(), static_cast<int>(klass.size()), SQLITE_TRANSIENT);
    sqlite3_step(s);
    const qint64 number = sqlite3_column_int64(s, 0);
    sqlite3_finalize(s);
    const QByteArray term = GbText::toBytes(Comment);
    const QByteArray overall = GbText::toBytes(u"品学兼优。"_s);
    for (auto _ : state) {
        sqlite3_prepare_v2(rawStudents(), "update 学籍表 set 本学期评语=?,综合评语=? where 学号=?", -1, &s, nullptr);
        sqlite3_bind_blob(s, 1, term.constData(), static_cast<int>(term.size()), SQLITE_TRANSIENT);
        sqlite3_bind_blob(s, 2, overall.constData(), static_cast<int>(overall.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(s, 3, number);
        sqlite3_step(s);
        sqlite3_finalize(s);
    }
}

} // namespace

// First, while the program holds nothing but its home page.
BENCHMARK(Memory)->Name("Memory30000")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(SchoolSearch_ours)->Name("SchoolSearch6000/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(SchoolSearch_raw)->Name("SchoolSearch6000/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(GraduateSearch_ours)->Name("GraduateSearch30000/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(GraduateSearch_raw)->Name("GraduateSearch30000/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(Sort_ours)->Name("SortByName30000/ours")->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(Sort_raw)->Name("SortByName30000/raw")->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(Sort_ours)->Name("SortByBirth30000/ours")->Arg(7)->Unit(benchmark::kMillisecond);
BENCHMARK(Sort_raw)->Name("SortByBirth30000/raw")->Arg(7)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstSort_ours)->Name("FirstSortByName30000/ours")->Arg(2)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(Sort_raw)->Name("FirstSortByName30000/raw")->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(TeacherPage_ours)->Name("TeacherPage/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(TeacherPage_raw)->Name("TeacherPage/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(ClassLoad_ours)->Name("CommentClassLoad/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(ClassLoad_raw)->Name("CommentClassLoad/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(SaveOne_ours)->Name("CommentSaveOne/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(SaveOne_raw)->Name("CommentSaveOne/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(SaveOneStore)->Name("CommentSaveOneStore/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(SaveOne_raw)->Name("CommentSaveOneStore/raw")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runOnLargeSchool(argc, argv);
}
