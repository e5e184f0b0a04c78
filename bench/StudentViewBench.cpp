// What switching the student view to another class costs on the large test school: from the
// selector's change to the page's next painted frame (subject captions, names list and the first
// pupil's card with its photo), against the bare SQLite queries underneath and the photo's decode.
// "SwitchClassQueries" measures the pupils' SQL layer alone against the same queries.
// "SwitchClassBare" sets the same switch against bare Qt widgets showing the same strings and
// photo in the same places with the same store calls: the floor of the frame, paint included.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/ExposedWindow.h"
#include "support/FirstFrame.h"
#include "support/LargeSchoolWorkbench.h"
#include "support/RawRow.h"
#include "support/StudentSchool.h"

#include "classes/ClassBook.h"
#include "records/NameFlowView.h"
#include "records/PhotoBox.h"
#include "records/RecordPhoto.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/PinyinCollation.h"
#include "students/StudentRecords.h"
#include "students/StudentViewPage.h"
#include "workspace/HeadTeacherList.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QStringListModel>
#include <QTest>

#include <vector>

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

// Names with the list's icon beside each, as the page's list shows them.
class IconNames : public QStringListModel
{
public:
    QIcon icon;
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DecorationRole ? QVariant(icon) : QStringListModel::data(index, role);
    }
};

// The floor of the page's frame: bare Qt widgets in the places, sizes and fonts of the page's (its
// labels, the photo, the names in a QListView of the same grid, the comment, the class box), in a
// window of its size. The texts the page's labels show for each class are read off the clock: what
// a bare frame sets is its store calls, the names and photo they bring and those strings.
struct BareStudentFrame
{
    BareStudentFrame()
    {
        StudentViewPage& view = page();
        top.resize(view.size());
        for (QLabel* l : view.findChildren<QLabel*>()) {
            if (l == view.学生照片框 || !l->isVisibleTo(&view))
                continue;
            auto* b = new QLabel(&top);
            place(b, l);
            b->setAlignment(l->alignment());
            labels.emplace_back(l, b);
        }
        place(&photo, view.学生照片框);
        photo.setAlignment(Qt::AlignCenter);
        place(&list, view.查看学生列表框);
        names.icon = view.style()->standardIcon(QStyle::SP_FileIcon);
        list.setModel(&names);
        list.setFlow(QListView::TopToBottom);
        list.setWrapping(true);
        list.setResizeMode(QListView::Adjust);
        list.setUniformItemSizes(true);
        list.setGridSize(view.查看学生列表框->gridSize());
        place(&comment, view.综合评价编辑框);
        comment.setReadOnly(true);
        place(&selector, view.查看班级名组合框);
        QComboBox* ours = view.查看班级名组合框;
        for (int c = 0; c < ours->count(); ++c) {
            selector.addItem(ours->itemText(c));
            ours->setCurrentIndex(c);
            Texts t;
            for (const auto& [l, b] : labels)
                t.labels.append(l->text());
            t.comment = view.综合评价编辑框->toPlainText();
            texts.append(t);
        }
        top.show();
        if (!QTest::qWaitForWindowExposed(&top)) {
            std::fprintf(stderr, "the bare frame was never shown\n");
            std::exit(1);
        }
    }
    void place(QWidget* bare, QWidget* ours) { placeLike(&top, bare, ours); }
    // The page's store calls for the class at `index` and what they bring put in the widgets.
    void show(int index)
    {
        const QString klass = selector.itemText(index);
        benchmark::DoNotOptimize(book.subjects(klass));
        const auto roll = records.names(StudentViewKind::Enrolled, klass);
        QStringList shown;
        for (const auto& entry : roll->names)
            shown.append(entry.姓名);
        const auto pupil = records.record(StudentViewKind::Enrolled, roll->names.first().学号);
        selector.setCurrentIndex(index);
        names.setStringList(shown);
        list.setCurrentIndex(names.index(0));
        photo.setPixmap(QPixmap::fromImage(RecordPhoto::decodeToFit(pupil->照片, photo.size() - QSize(4, 4))));
        const Texts& t = texts[index];
        for (size_t i = 0; i < labels.size(); ++i)
            labels[i].second->setText(t.labels[qsizetype(i)]);
        comment.setPlainText(t.comment);
    }

    struct Texts
    {
        QStringList labels;
        QString comment;
    };
    StudentRecords records {workspace().studentDb};
    const ClassBook book {workspace().studentDb};
    QWidget top;
    std::vector<std::pair<QLabel*, QLabel*>> labels;
    QList<Texts> texts;
    QLabel photo;
    IconNames names;
    QListView list;
    QPlainTextEdit comment;
    QComboBox selector;
};

BareStudentFrame& bareFrame()
{
    static BareStudentFrame* b = new BareStudentFrame;
    return *b;
}

// The page's switch with the page the active window, as the bare frame is for its own.
void SwitchClassBare_ours(benchmark::State& state)
{
    bareFrame();
    activate(page().window());
    SwitchClass_ours(state);
}

void SwitchClassBare_raw(benchmark::State& state)
{
    BareStudentFrame& bare = bareFrame();
    activate(&bare.top);
    // As on the page, the first switch of a run is passed.
    bare.show(bare.selector.count() - 1);
    QCoreApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        if (!commandPainted(&bare.list, [&] { bare.show(++i % bare.selector.count()); }))
            state.SkipWithError("no names painted");
    }
}

} // namespace

XIAOWU_BENCH_PAIR("SwitchClass", SwitchClass_ours, SwitchClass_raw);
XIAOWU_BENCH_PAIR("SwitchClassQueries", SwitchClassQueries_ours, SwitchClassQueries_raw);
XIAOWU_BENCH_PAIR("SwitchClassBare", SwitchClassBare_ours, SwitchClassBare_raw);

int main(int argc, char** argv)
{
    // A screen paints at its next refresh; offscreen, Qt waits 5 ms before every frame instead,
    // which would pass for our work.
    if (qEnvironmentVariableIsEmpty("QT_QPA_UPDATE_IDLE_TIME"))
        qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    return runWindowsOnLargeSchool(argc, argv);
}
