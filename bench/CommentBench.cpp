// The comment window on the large test school: a class of 50 pupils loaded into it (the pupils
// list and the first pupil's comments) against the raw queries, and 50 saves through the window
// (each one moving on to the next pupil) against a raw update loop. Runs on a copy of the school's
// students database, since saving writes to it.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/RatioReporter.h"
#include "support/RawRow.h"
#include "support/Workbench.h"

#include "comments/CommentEntryWindow.h"
#include "comments/CommentStore.h"
#include "records/NameListView.h"
#include "store/DatabaseKind.h"
#include "store/PinyinCollation.h"
#include "text/GbText.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QString& studentsCopy()
{
    static QString path;
    return path;
}

struct BenchWindow
{
    BenchWindow()
    {
        if (!db.open(studentsCopy(), {}, DatabaseKinds::password(DatabaseKind::Student))) {
            std::fprintf(stderr, "%s\n", qPrintable(db.lastError()));
            std::exit(1);
        }
        window = std::make_unique<CommentEntryWindow>(bench.ws);
        window->resize(1024, 768);
        if (!window->start()) {
            std::fprintf(stderr, "no classes in the bench school\n");
            std::exit(1);
        }
        window->show();
    }
    DbConnection db;
    Workbench bench {db};
    std::unique_ptr<CommentEntryWindow> window;
};

BenchWindow& bench()
{
    // Never destroyed: its widgets must not outlive the QApplication that main() ends.
    static BenchWindow* w = new BenchWindow;
    return *w;
}

CommentEntryWindow& window()
{
    return *bench().window;
}

sqlite3* raw()
{
    static sqlite3* db = [] {
        sqlite3* h = nullptr;
        sqlite3_open_v2(QFile::encodeName(studentsCopy()).constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
        PinyinCollation::registerOn(h);
        return h;
    }();
    return db;
}

void ClassLoad_ours(benchmark::State& state)
{
    QComboBox* classes = window().评语班级名组合框;
    int i = 0;
    for (auto _ : state)
        classes->setCurrentIndex(++i % 2); // every run loads another class
    state.counters["pupils"] = window().评语姓名列表框->rowCount();
}

void ClassLoad_raw(benchmark::State& state)
{
    const QStringList names = LargeSchool::classNames();
    const QByteArray classes[2] = {names[0].toUtf8(), names[1].toUtf8()};
    int i = 0;
    for (auto _ : state) {
        const QByteArray& klass = classes[++i % 2];
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(
            raw(), "select 学号,姓名 from 学籍表 where 所在班级=? order by 姓名 COLLATE PINYIN", -1, &s, nullptr);
        sqlite3_bind_text(s, 1, klass.constData(), static_cast<int>(klass.size()), SQLITE_TRANSIENT);
        qint64 first = 0;
        if (sqlite3_step(s) == SQLITE_ROW)
            first = sqlite3_column_int64(s, 0);
        benchmark::DoNotOptimize(rawAllRows(s));
        sqlite3_finalize(s);
        sqlite3_prepare_v2(raw(), "select 学号,综合评语,本学期评语 from 学籍表 where 学号=?", -1, &s, nullptr);
        sqlite3_bind_int64(s, 1, first);
        benchmark::DoNotOptimize(rawAllRows(s));
        sqlite3_finalize(s);
    }
}

void Save50_ours(benchmark::State& state)
{
    CommentEntryWindow& w = window();
    w.评语班级名组合框->setCurrentIndex(0);
    NameListView* pupils = w.评语姓名列表框;
    for (auto _ : state) {
        pupils->setCurrentRow(0);
        for (int i = 0; i < 50; ++i) {
            w.本学期评语编辑框->setPlainText(u"    你是一个懂事的孩子，小小年纪知道怎样管理好自己。第%1次。"_s.arg(i));
            w.保存评语按钮->click();
        }
    }
}

// The store alone, without the window: what our database layer costs over the raw calls.
void ClassLoadQuery_ours(benchmark::State& state)
{
    CommentStore store(bench().db);
    const QStringList names = LargeSchool::classNames();
    int i = 0;
    for (auto _ : state) {
        const auto pupils = store.pupils(names[++i % 2]);
        benchmark::DoNotOptimize(store.comments(pupils->first().学号));
    }
}

void Save50Store_ours(benchmark::State& state)
{
    CommentStore store(bench().db);
    const auto pupils = store.pupils(LargeSchool::classNames().first());
    for (auto _ : state) {
        for (qsizetype i = 0; i < pupils->size(); ++i) {
            store.save(pupils->at(i).学号,
                {u"    你是一个懂事的孩子，小小年纪知道怎样管理好自己。第%1次。"_s.arg(i), u"品学兼优。"_s});
        }
    }
}

void Save50_raw(benchmark::State& state)
{
    std::vector<qint64> numbers;
    sqlite3_stmt* s = nullptr;
    const QByteArray klass = LargeSchool::classNames().first().toUtf8();
    sqlite3_prepare_v2(raw(), "select 学号 from 学籍表 where 所在班级=? order by 姓名 COLLATE PINYIN", -1, &s, nullptr);
    sqlite3_bind_text(s, 1, klass.constData(), static_cast<int>(klass.size()), SQLITE_TRANSIENT);
    while (sqlite3_step(s) == SQLITE_ROW)
        numbers.push_back(sqlite3_column_int64(s, 0));
    sqlite3_finalize(s);
    const QByteArray overall = GbText::toBytes(u"品学兼优。"_s);
    for (auto _ : state) {
        for (size_t i = 0; i < numbers.size(); ++i) {
            const QByteArray term
                = GbText::toBytes(u"    你是一个懂事的孩子，小小年纪知道怎样管理好自己。第%1次。"_s.arg(i));
            sqlite3_prepare_v2(raw(), "update 学籍表 set 本学期评语=?,综合评语=? where 学号=?", -1, &s, nullptr);
            sqlite3_bind_blob(s, 1, term.constData(), static_cast<int>(term.size()), SQLITE_TRANSIENT);
            sqlite3_bind_blob(s, 2, overall.constData(), static_cast<int>(overall.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int64(s, 3, numbers[i]);
            sqlite3_step(s);
            sqlite3_finalize(s);
        }
    }
}

} // namespace

XIAOWU_BENCH_PAIR("ClassLoad", ClassLoad_ours, ClassLoad_raw);
XIAOWU_BENCH_PAIR("ClassLoadQuery", ClassLoadQuery_ours, ClassLoad_raw);
XIAOWU_BENCH_PAIR("Save50Store", Save50Store_ours, Save50_raw);
XIAOWU_BENCH_PAIR("Save50", Save50_ours, Save50_raw);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir copy;
    return runOnLargeSchool(argc, argv, [&copy] {
        studentsCopy() = copy.filePath(u"006.xsk"_s);
        if (!copy.isValid() || !QFile::copy(LargeSchool::defaultDir() + u"/data/006.xsk"_s, studentsCopy())) {
            std::fprintf(stderr, "cannot copy the students database\n");
            return false;
        }
        return true;
    });
}
