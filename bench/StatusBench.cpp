// A pupil with a photo of the large school leaving and coming back, against the same three
// statements each way raw in one transaction. The pupil ends every round as it began.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"

#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "students/StudentStatus.h"

#include <QCoreApplication>
#include <QFile>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// Pupil 1 is enrolled in the first class and has a photo of about 40 KB.
constexpr qint64 Pupil = 1;

DbConnection& db()
{
    return LargeSchool::database(DatabaseKind::Student);
}

QString firstClass()
{
    return LargeSchool::classNames().first();
}

void LeaveAndReenrol_ours(benchmark::State& state)
{
    StudentStatus status(db());
    const QString klass = firstClass();
    for (auto _ : state) {
        if (!status.leave(Pupil, u"2026年12月9日"_s, u"-"_s) || !status.reenrol(StudentViewKind::Leaver, Pupil, klass))
            state.SkipWithError("move failed");
    }
}

void exec(sqlite3* h, const char* sql)
{
    sqlite3_exec(h, sql, nullptr, nullptr, nullptr);
}

void run(sqlite3* h, const char* sql, const QByteArray& text = {})
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(h, sql, -1, &s, nullptr);
    int i = 1;
    if (!text.isEmpty())
        sqlite3_bind_text(s, i++, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int64(s, i, Pupil);
    sqlite3_step(s);
    sqlite3_finalize(s);
}

void LeaveAndReenrol_raw(benchmark::State& state)
{
    sqlite3* h = nullptr;
    sqlite3_open_v2(QFile::encodeName(LargeSchool::databasePath(DatabaseKind::Student)).constData(), &h,
        SQLITE_OPEN_READWRITE, nullptr);
    const QByteArray klass = firstClass().toUtf8();
    for (auto _ : state) {
        exec(h, "begin");
        run(h, "insert into 转退表 select * from 学籍表 where 学号=?");
        run(h, "update 转退表 set 离校时间='2026年12月9日',离校原因='-' where 学号=?");
        run(h, "delete from 学籍表 where 学号=?");
        exec(h, "commit");
        exec(h, "begin");
        run(h, "insert into 学籍表 select * from 转退表 where 学号=?");
        run(h, "update 学籍表 set 所在班级=?,离校时间='-' where 学号=?", klass);
        run(h, "delete from 转退表 where 学号=?");
        exec(h, "commit");
    }
    sqlite3_close(h);
}

} // namespace

XIAOWU_BENCH_PAIR("LeaveAndReenrol", LeaveAndReenrol_ours, LeaveAndReenrol_raw);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return runOnLargeSchool(argc, argv);
}
