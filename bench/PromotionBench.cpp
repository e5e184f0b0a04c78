// The standard promotion of the large school: the final grades graduate, every other class takes
// its next name. Ours (plan, name check, run through parked names) against the same statements run
// raw in one transaction, each round on a fresh copy of the students file. A third case adds the
// backup the dialog makes first: what the user waits for after 确 定.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/RatioReporter.h"

#include "promotion/Promotion.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QTemporaryDir* workDir = nullptr;

QString pristine()
{
    return workDir->path() + u"/pristine.xsk"_s;
}

QString working()
{
    return workDir->path() + u"/data/006.xsk"_s;
}

const QString Date = u"2026年7月10日"_s;

// A fresh school for the next round, outside the timing.
void freshCopy(benchmark::State& state)
{
    state.PauseTiming();
    QFile::remove(working());
    if (!QFile::copy(pristine(), working()))
        state.SkipWithError("cannot copy the school");
    state.ResumeTiming();
}

void promote(benchmark::State& state, bool backup)
{
    for (auto _ : state) {
        freshCopy(state);
        DbConnection db;
        if (!db.open(working(), {}, DatabaseKinds::password(DatabaseKind::Student))) {
            state.SkipWithError("cannot open the copy");
            break;
        }
        if (backup && !Promotion::backup(db, workDir->path() + u"/backup/006.xsk"_s))
            state.SkipWithError("backup failed");
        Promotion promotion(db);
        QList<Promotion::Rename> plan;
        if (!promotion.standardPlan(&plan) || !promotion.runStandard(plan, Date).ok())
            state.SkipWithError("promotion failed");
        state.PauseTiming();
        db.close();
        state.ResumeTiming();
    }
}

void Promotion_ours(benchmark::State& state)
{
    promote(state, false);
}

void PromotionWithBackup_ours(benchmark::State& state)
{
    promote(state, true);
}

void exec(sqlite3* h, const QString& sql, const QByteArrayList& texts = {})
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(h, sql.toUtf8().constData(), -1, &s, nullptr);
    for (int i = 0; i < texts.size(); ++i)
        sqlite3_bind_text(s, i + 1, texts[i].constData(), static_cast<int>(texts[i].size()), SQLITE_TRANSIENT);
    sqlite3_step(s);
    sqlite3_finalize(s);
}

// The old sequence, highest grade first, in one transaction.
void Promotion_raw(benchmark::State& state)
{
    const QString finals
        = u"所在班级 like '6年级%' or 所在班级 like '初中3%' or 所在班级 like '高中3%' or 所在班级 like '幼儿园大%'"_s;
    QList<QPair<QByteArray, QByteArray>> pairs;
    for (const QString& name : LargeSchool::classNames()) {
        if (const std::optional<QString> next = Promotion::promotedName(name))
            pairs.prepend({name.toUtf8(), next->toUtf8()});
    }
    const QByteArray date = Date.toUtf8();
    for (auto _ : state) {
        freshCopy(state);
        sqlite3* h = nullptr;
        sqlite3_open_v2(QFile::encodeName(working()).constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
        exec(h, u"begin"_s);
        exec(h, u"insert into 毕业表 select * from 学籍表 where "_s + finals);
        exec(h,
            u"update 毕业表 set 离校时间=?,离校原因='毕业' where 学号 in (select 学号 from 学籍表 where "_s + finals
                + u')',
            {date});
        exec(h, u"insert into 毕业时间表 values (?)"_s, {date});
        exec(h, u"delete from 学籍表 where "_s + finals);
        exec(h, u"delete from 班级表 where "_s + finals);
        for (const auto& [from, to] : pairs) {
            exec(h, u"update 学籍表 set 所在班级=? where 所在班级=?"_s, {to, from});
            exec(h, u"update 班级表 set 所在班级=? where 所在班级=?"_s, {to, from});
        }
        exec(h, u"commit"_s);
        state.PauseTiming();
        sqlite3_close(h);
        state.ResumeTiming();
    }
}

} // namespace

XIAOWU_BENCH_PAIR_ITERATIONS("Promotion", Promotion_ours, Promotion_raw, 3);
BENCHMARK(PromotionWithBackup_ours)->Name("PromotionWithBackup")->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Every round writes: the school is copied once here and again before each round.
    QTemporaryDir dir;
    workDir = &dir;
    QDir(dir.path()).mkpath(u"data"_s);
    const QString source = LargeSchool::defaultDir() + u"/data/006.xsk"_s;
    if (!QFile::copy(source, pristine())) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(source));
        return 1;
    }
    return runWithRatios(argc, argv);
}
