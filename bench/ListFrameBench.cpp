// The lists as the clerk waits for them, in the real main window on the large test school: from
// the command to the first painted frame with rows (query, model, layout and the paint of the rows
// in sight). The raw side of each pair is the bare query plus a bare QTreeView over a trivial
// model of the same strings, at the same size, in the same run; for page 5 and the comment window
// it is the store calls the window makes. Also the resident memory the 30,000-row search adds to
// the program showing its home page.
#include "school/LargeSchool.h"
#include "support/BareView.h"
#include "support/ExposedWindow.h"
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
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
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
    return rawTexts(s);
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

// A command up to its painted frame, split where the command returns to the event loop: our own
// work apart from the paint it leaves behind.
struct FrameTimes
{
    double command = 0;
    double paint = 0;
    bool painted = false;
};

FrameTimes timedFrame(QAbstractItemView* view, const std::function<void()>& command)
{
    QElapsedTimer clock;
    qint64 commandNs = 0;
    clock.start();
    const bool painted = commandPainted(view, [&] {
        command();
        commandNs = clock.nsecsElapsed();
    });
    const qint64 total = clock.nsecsElapsed();
    return {double(commandNs) / 1e9, double(total - commandNs) / 1e9, painted};
}

enum class Timed { Whole, Command, Paint };

// Each run's time as the bench takes it, the command's time kept for its counter.
struct FrameRecord
{
    void add(benchmark::State& state, Timed timed, const FrameTimes& t)
    {
        if (!t.painted)
            state.SkipWithError("no rows painted");
        if (timed == Timed::Command)
            state.SetIterationTime(t.command);
        else if (timed == Timed::Paint)
            state.SetIterationTime(t.paint);
        command += t.command;
    }
    // What the command itself took, before the event loop painted.
    void report(benchmark::State& state) const
    {
        state.counters["commandMs"] = command * 1e3 / double(state.iterations());
    }
    double command = 0;
};

// What one pupil shows: the class chosen, its rows, the title and the two comments.
struct PupilFrame
{
    int classIndex = 0;
    QList<QStringList> rows;
    int row = 0;
    QString title;
    CommentStore::Comments comments;
};

// The store calls of a class change (one of the first two), the frame they make.
PupilFrame classFrame(CommentStore& store, int classIndex)
{
    const QString className = LargeSchool::classNames().at(classIndex);
    PupilFrame f;
    f.classIndex = classIndex;
    const auto pupils = store.pupils(className);
    for (const CommentStore::Pupil& p : *pupils)
        f.rows.append({QString::number(p.学号), p.姓名});
    f.title = u"您正在录入"_s + className + pupils->first().姓名 + u"同学的评语"_s;
    f.comments = store.comments(pupils->first().学号).value_or(CommentStore::Comments {});
    return f;
}

// The floor of the window's frame: the same strings in bare Qt widgets of the same sizes, fonts and
// places (the class box, the pupils in a QTreeView, the title, the two comment boxes, the term
// comment's holding the focus) in a window of its size.
struct BareCommentFrame
{
    BareCommentFrame()
    {
        CommentEntryWindow& w = *comments().window;
        top.resize(w.size());
        list.setModel(&model);
        list.setRootIsDecorated(false);
        list.setUniformRowHeights(true);
        list.setSelectionBehavior(QAbstractItemView::SelectRows);
        list.setAllColumnsShowFocus(true);
        classes.addItems(LargeSchool::classNames().mid(0, 2));
        place(&classes, w.评语班级名组合框);
        place(&list, comments().pupils());
        place(&title, w.标签2);
        title.setAlignment(Qt::AlignCenter);
        place(&term, w.本学期评语编辑框);
        place(&overall, w.综合评语编辑框);
        top.show();
        term.setFocus();
        show(classFrame(store, 0));
        waitForRowsPainted(&list);
    }
    void place(QWidget* bare, QWidget* ours) { placeLike(&top, bare, ours); }
    // Fills the rows only when they are another class's, as the window does.
    void show(const PupilFrame& f)
    {
        classes.setCurrentIndex(f.classIndex);
        if (f.rows != model.rows())
            model.reset(f.rows);
        list.setCurrentIndex(model.index(f.row, 0));
        title.setText(f.title);
        term.setPlainText(f.comments.term);
        term.moveCursor(QTextCursor::End);
        overall.setPlainText(f.comments.overall);
        overall.moveCursor(QTextCursor::End);
    }
    CommentStore store {LargeSchool::database(DatabaseKind::Student)};
    QWidget top;
    QComboBox classes;
    BareRowsModel model;
    QTreeView list;
    QLabel title;
    QPlainTextEdit term;
    QPlainTextEdit overall;
};

BareCommentFrame& bareComments()
{
    static BareCommentFrame* b = new BareCommentFrame;
    return *b;
}

// Another class in the window, from the command to the painted frame; or its command alone, or
// the paint it leaves.
void ClassLoad_ours(benchmark::State& state, Timed timed)
{
    QComboBox* classes = comments().window->评语班级名组合框;
    activate(comments().window.get());
    FrameRecord record;
    for (auto _ : state) {
        // Every run loads another class.
        const FrameTimes t
            = timedFrame(comments().pupils(), [&] { classes->setCurrentIndex(classes->currentIndex() == 0 ? 1 : 0); });
        record.add(state, timed, t);
    }
    record.report(state);
    state.counters["pupils"] = comments().pupils()->model()->rowCount();
}

// The store calls a class change makes.
void ClassLoad_raw(benchmark::State& state, Timed timed)
{
    CommentStore store(LargeSchool::database(DatabaseKind::Student));
    const QStringList names = LargeSchool::classNames();
    QElapsedTimer clock;
    int i = 0;
    for (auto _ : state) {
        clock.start();
        const auto pupils = store.pupils(names[++i % 2]);
        benchmark::DoNotOptimize(store.comments(pupils->first().学号));
        if (timed != Timed::Whole)
            state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}

// The same class change in the bare widgets: the store calls, the fill and the paint; or the paint
// of the frame alone.
void ClassLoadBare_raw(benchmark::State& state, Timed timed)
{
    BareCommentFrame& bare = bareComments();
    activate(&bare.top);
    const PupilFrame frames[2] = {classFrame(bare.store, 0), classFrame(bare.store, 1)};
    FrameRecord record;
    for (auto _ : state) {
        // Every run shows the other class.
        const int other = bare.model.rows() == frames[0].rows ? 1 : 0;
        const FrameTimes t = timedFrame(
            &bare.list, [&] { bare.show(timed == Timed::Paint ? frames[other] : classFrame(bare.store, other)); });
        record.add(state, timed, t);
    }
    record.report(state);
}

const QString Comment = u"    你是一个懂事的孩子，小小年纪知道怎样管理好自己。"_s;

// The first pupil of the first class selected and written to, painted, off the clock.
void firstPupilTyped(CommentEntryWindow& w)
{
    QAbstractItemView* pupils = comments().pupils();
    commandPainted(pupils, [&] {
        pupils->setCurrentIndex(pupils->model()->index(0, 0));
        w.本学期评语编辑框->setPlainText(Comment);
    });
}

// One 保存评语 through the window (it moves on to the next pupil), until the frame is painted; or
// the command alone, or the paint it leaves.
void SaveOne_ours(benchmark::State& state, Timed timed)
{
    CommentEntryWindow& w = *comments().window;
    activate(&w);
    if (w.评语班级名组合框->currentIndex() != 0)
        commandPainted(comments().pupils(), [&] { w.评语班级名组合框->setCurrentIndex(0); });
    FrameRecord record;
    for (auto _ : state) {
        if (timed == Timed::Whole)
            state.PauseTiming();
        firstPupilTyped(w);
        if (timed == Timed::Whole)
            state.ResumeTiming();
        const FrameTimes t = timedFrame(comments().pupils(), [&] { w.保存评语按钮->click(); });
        record.add(state, timed, t);
    }
    record.report(state);
}

// The window's save through the store alone: what the window adds is the rest.
void SaveOneStore(benchmark::State& state)
{
    CommentStore store(LargeSchool::database(DatabaseKind::Student));
    const qint64 number = store.pupils(LargeSchool::classNames().first())->first().学号;
    for (auto _ : state)
        store.save(number, {Comment, u"品学兼优。"_s});
}

// The store calls a save makes: the update, and the next pupil's comments read to be shown.
void SaveOneCalls_raw(benchmark::State& state)
{
    CommentStore store(LargeSchool::database(DatabaseKind::Student));
    const auto pupils = store.pupils(LargeSchool::classNames().first());
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        store.save(pupils->at(0).学号, {Comment, u"品学兼优。"_s});
        benchmark::DoNotOptimize(store.comments(pupils->at(1).学号));
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}

// The same save in the bare widgets: from the first pupil's frame to the next one's, with the
// store calls, or its paint alone.
void SaveOneBare_raw(benchmark::State& state, Timed timed)
{
    BareCommentFrame& bare = bareComments();
    activate(&bare.top);
    const QString className = LargeSchool::classNames().first();
    PupilFrame first = classFrame(bare.store, 0);
    first.comments.term = Comment;
    const auto pupils = bare.store.pupils(className);
    PupilFrame next = first;
    next.row = 1;
    next.title = u"您正在录入"_s + className + pupils->at(1).姓名 + u"同学的评语"_s;
    next.comments = bare.store.comments(pupils->at(1).学号).value_or(CommentStore::Comments {});
    FrameRecord record;
    for (auto _ : state) {
        if (timed == Timed::Whole)
            state.PauseTiming();
        commandPainted(&bare.list, [&] { bare.show(first); });
        if (timed == Timed::Whole)
            state.ResumeTiming();
        const FrameTimes t = timedFrame(&bare.list, [&] {
            if (timed == Timed::Whole) {
                bare.store.save(pupils->at(0).学号, first.comments);
                next.comments = bare.store.comments(pupils->at(1).学号).value_or(CommentStore::Comments {});
            }
            bare.show(next);
        });
        record.add(state, timed, t);
    }
    record.report(state);
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
// The comment window: the whole frame against the store calls it makes, then split into our own
// work (the command, before the event loop runs) against the same calls and the paint it leaves
// against bare widgets showing the same strings; and the whole frame against those bare widgets
// with the same calls.
BENCHMARK_CAPTURE(ClassLoad_ours, whole, Timed::Whole)->Name("CommentClassLoad/ours")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClassLoad_raw, whole, Timed::Whole)->Name("CommentClassLoad/raw")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClassLoad_ours, command, Timed::Command)
    ->Name("CommentClassLoadCommand/ours")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClassLoad_raw, command, Timed::Command)
    ->Name("CommentClassLoadCommand/raw")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClassLoad_ours, paint, Timed::Paint)
    ->Name("CommentClassLoadPaint/ours")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClassLoadBare_raw, paint, Timed::Paint)
    ->Name("CommentClassLoadPaint/raw")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClassLoad_ours, whole, Timed::Whole)
    ->Name("CommentClassLoadBare/ours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClassLoadBare_raw, whole, Timed::Whole)
    ->Name("CommentClassLoadBare/raw")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveOne_ours, whole, Timed::Whole)->Name("CommentSaveOne/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(SaveOne_raw)->Name("CommentSaveOne/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(SaveOneStore)->Name("CommentSaveOneStore/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(SaveOne_raw)->Name("CommentSaveOneStore/raw")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveOne_ours, command, Timed::Command)
    ->Name("CommentSaveOneCommand/ours")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(SaveOneCalls_raw)->Name("CommentSaveOneCommand/raw")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveOne_ours, paint, Timed::Paint)
    ->Name("CommentSaveOnePaint/ours")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveOneBare_raw, paint, Timed::Paint)
    ->Name("CommentSaveOnePaint/raw")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveOne_ours, whole, Timed::Whole)->Name("CommentSaveOneBare/ours")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveOneBare_raw, whole, Timed::Whole)->Name("CommentSaveOneBare/raw")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runOnLargeSchool(argc, argv);
}
