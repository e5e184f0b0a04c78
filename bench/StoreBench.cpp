// What DbConnection and RecordSet cost over SQLite itself, on the large test school:
// reading a class and all graduates, and moving a whole grade to the graduates and back.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/RatioReporter.h"
#include "support/RawRow.h"
#include "support/StudentSchool.h"

#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/PinyinCollation.h"
#include "store/Schema.h"
#include "store/Transaction.h"

#include <QCoreApplication>
#include <QFile>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

using StudentSchool::classes;
using StudentSchool::ours;
using StudentSchool::raw;

// Reads every column of every row the way the program does: by name, as the column's type.
qint64 readAll(RecordSet& rows, const QList<Schema::Column>& columns)
{
    qint64 sum = 0;
    for (rows.first(); !rows.pastLast(); rows.next()) {
        for (const Schema::Column& c : columns) {
            switch (c.kind) {
            case Schema::ColumnKind::Text:
                sum += rows.text(c.name).size();
                break;
            case Schema::ColumnKind::Bytes:
                sum += rows.bytes(c.name).size();
                break;
            default:
                sum += rows.number(c.name);
                break;
            }
        }
    }
    return sum;
}

const QList<Schema::Column>& pupilColumns()
{
    return Schema::table(DatabaseKind::Student, u"学籍表")->columns;
}

const QString classQuery = u"select * from 学籍表 where 所在班级=?"_s;

void ClassRead_ours(benchmark::State& state)
{
    int i = 0;
    for (auto _ : state) {
        auto rows = ours().query(classQuery, {classes()[i++ % classes().size()]});
        benchmark::DoNotOptimize(readAll(*rows, pupilColumns()));
    }
}

void ClassRead_raw(benchmark::State& state)
{
    const QByteArray sql = classQuery.toUtf8();
    int i = 0;
    for (auto _ : state) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(raw(), sql.constData(), -1, &s, nullptr);
        const QByteArray klass = classes()[i++ % classes().size()].toUtf8();
        sqlite3_bind_text(s, 1, klass.constData(), static_cast<int>(klass.size()), SQLITE_TRANSIENT);
        benchmark::DoNotOptimize(rawAllRows(s));
        sqlite3_finalize(s);
    }
}

void Graduates_ours(benchmark::State& state)
{
    for (auto _ : state) {
        auto rows = ours().query(u"select * from 毕业表"_s);
        benchmark::DoNotOptimize(readAll(*rows, pupilColumns()));
    }
}

void Graduates_raw(benchmark::State& state)
{
    for (auto _ : state) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(raw(), "select * from 毕业表", -1, &s, nullptr);
        benchmark::DoNotOptimize(rawAllRows(s));
        sqlite3_finalize(s);
    }
}

// One grade of 500 pupils to the graduates and back, each way one transaction.
const QString moveOut = u"insert into 毕业表 select * from 学籍表 where 所在班级 like'初中2年级%'"_s;
const QString deleteOut = u"delete * from 学籍表 where 所在班级 like'初中2年级%'"_s;
const QString moveBack = u"insert into 学籍表 select * from 毕业表 where 所在班级 like'初中2年级%' and 离校时间='-'"_s;
const QString deleteBack = u"delete from 毕业表 where 所在班级 like'初中2年级%' and 离校时间='-'"_s;

void MoveGrade_ours(benchmark::State& state)
{
    DbConnection& db = ours();
    for (auto _ : state) {
        for (const auto& [copy, remove] : {std::pair {moveOut, deleteOut}, std::pair {moveBack, deleteBack}}) {
            Transaction t(db);
            if (!db.execute(copy) || !db.execute(remove) || !t.commit())
                state.SkipWithError(qPrintable(db.lastError()));
        }
    }
}

void MoveGrade_raw(benchmark::State& state)
{
    auto run = [](const char* sql) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(raw(), sql, -1, &s, nullptr);
        const int rc = sqlite3_step(s);
        sqlite3_finalize(s);
        return rc == SQLITE_DONE;
    };
    const QByteArray out = moveOut.toUtf8();
    const QByteArray del = u"delete from 学籍表 where 所在班级 like'初中2年级%'"_s.toUtf8();
    const QByteArray back = moveBack.toUtf8();
    const QByteArray delBack = deleteBack.toUtf8();
    for (auto _ : state) {
        for (const auto& [copy, remove] : {std::pair {out, del}, std::pair {back, delBack}}) {
            if (!run("BEGIN IMMEDIATE") || !run(copy.constData()) || !run(remove.constData()) || !run("COMMIT"))
                state.SkipWithError("raw move failed");
        }
    }
}

} // namespace

XIAOWU_BENCH_PAIR("ClassRead", ClassRead_ours, ClassRead_raw);
XIAOWU_BENCH_PAIR("AllGraduates", Graduates_ours, Graduates_raw);
XIAOWU_BENCH_PAIR("MoveGrade", MoveGrade_ours, MoveGrade_raw);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return runOnLargeSchool(argc, argv);
}
