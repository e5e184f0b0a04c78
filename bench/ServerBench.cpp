// The large school on the database files against the same school on a local server, page by page,
// through the classes the pages use: "<page>/sqlite" beside "<page>/server", in one run. The CPU
// column is this process's own work (the server's share runs in its own processes); Time adds the
// wait for the server. Run it beside a server: scripts/with-postgres build/bench/xiaowu_bench_server
#include "school/LargeSchool.h"
#include "support/RatioReporter.h"
#include "support/StudentSchool.h"

#include "classes/ClassBook.h"
#include "grades/ScoreSheetRules.h"
#include "promotion/Promotion.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/ServerSettings.h"
#include "store/StoreCopy.h"
#include "students/StudentRecords.h"
#include "students/StudentRosters.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr DatabaseKind kinds[] = {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin};
const QString Pristine = u"xiaowu_bench_pristine"_s;
const QString Working = u"xiaowu_bench_promotion"_s;

ServerSettings serverAt(const QString& database)
{
    ServerSettings s;
    s.host = qEnvironmentVariable("XIAOWU_PG_HOST");
    s.port = qEnvironmentVariableIntValue("XIAOWU_PG_PORT");
    s.user = qEnvironmentVariable("XIAOWU_PG_USER");
    s.sslMode = u"disable"_s;
    s.databaseName = database;
    return s;
}

bool onAdmin(const QString& sql)
{
    DbConnection admin;
    return admin.openServer(serverAt(u"postgres"_s), DatabaseKind::Admin, true) && admin.execute(sql);
}

// The school copied once from the files into a database nobody stays connected to, so that the
// server can clone it: the benches' own school and each promotion round are clones.
bool prepareServer()
{
    DbConnection probe;
    if (probe.openServer(serverAt(Pristine), DatabaseKind::Student))
        return true;
    if (!onAdmin(u"CREATE DATABASE "_s + Pristine + u" ENCODING 'UTF8' TEMPLATE template0"_s))
        return false;
    for (DatabaseKind kind : kinds) {
        QString error;
        DbConnection file;
        DbConnection target;
        if (!StoreCopy::initServer(serverAt(Pristine), kind, &error)
            || !file.open(LargeSchool::databasePath(kind), {}, DatabaseKinds::password(kind))
            || !target.openServer(serverAt(Pristine), kind) || !StoreCopy::copy(file, target, kind, &error)) {
            std::fprintf(stderr, "%s %s\n", qPrintable(error), qPrintable(target.lastError()));
            return false;
        }
    }
    return onAdmin(u"DROP DATABASE IF EXISTS xiaowu_bench"_s)
        && onAdmin(u"CREATE DATABASE xiaowu_bench TEMPLATE "_s + Pristine);
}

DbConnection& files()
{
    static DbConnection db;
    if (!db.isOpen()
        && !db.open(
            LargeSchool::databasePath(DatabaseKind::Student), {}, DatabaseKinds::password(DatabaseKind::Student))) {
        std::fprintf(stderr, "%s\n", qPrintable(db.lastError()));
        std::exit(1);
    }
    return db;
}

DbConnection& onServer()
{
    static DbConnection db;
    if (!db.isOpen() && !db.openServer(serverAt(u"xiaowu_bench"_s), DatabaseKind::Student)) {
        std::fprintf(stderr, "%s\n", qPrintable(db.lastError()));
        std::exit(1);
    }
    return db;
}

DbConnection& store(bool server)
{
    return server ? onServer() : files();
}

using StudentSchool::classes;

// Page 1's names list of a class.
void NamesList(benchmark::State& state, bool server)
{
    StudentRecords records(store(server));
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(records.names(StudentViewKind::Enrolled, classes()[++i % classes().size()]));
}

// Switching page 1 to a class: its subjects, its names and the first pupil's whole record.
void SwitchClass(benchmark::State& state, bool server)
{
    StudentRecords records(store(server));
    const ClassBook book(store(server));
    int i = 0;
    for (auto _ : state)
        StudentSchool::readClassSwitch(records, book, classes()[++i % classes().size()]);
}

// Every record of a class, photos included (the class's cards).
void ClassWithPhotos(benchmark::State& state, bool server)
{
    StudentRecords records(store(server));
    int i = 0;
    for (auto _ : state) {
        const auto names = records.names(StudentViewKind::Enrolled, classes()[++i % classes().size()]);
        for (const auto& pupil : names ? names->names : decltype(names->names) {})
            benchmark::DoNotOptimize(records.record(StudentViewKind::Enrolled, pupil.学号));
    }
}

// The whole-school search: a roster of 6,000.
void Roster6000(benchmark::State& state, bool server)
{
    for (auto _ : state) {
        const auto rows = StudentRosters(store(server)).search(StudentRosters::Search::School, u"出生日期"_s, u"20"_s);
        if (!rows || rows->size() < 6000)
            state.SkipWithError("the search found too few");
    }
}

void ScoreSheet(benchmark::State& state, bool server)
{
    ScoreSheetRules sheet(store(server));
    int i = 0;
    for (auto _ : state) {
        if (!sheet.load(classes()[++i % classes().size()], ScoreSheetRules::Exam::MidTerm, 1, false))
            state.SkipWithError(qPrintable(sheet.lastError()));
    }
}

void WriteMark(benchmark::State& state, bool server)
{
    ScoreSheetRules sheet(store(server));
    if (!sheet.load(classes().first(), ScoreSheetRules::Exam::MidTerm, 1, false))
        state.SkipWithError(qPrintable(sheet.lastError()));
    int i = 0;
    for (auto _ : state) {
        const auto written
            = sheet.writeMark(1 + i % 50, ScoreSheetRules::FirstMarkColumn, QString::number(60 + i % 40));
        if (written.outcome != ScoreSheetRules::MarkWrite::Outcome::Stored)
            state.SkipWithError(qPrintable(written.error));
        ++i;
    }
}

// The standard promotion of the whole school, one transaction, each round on a fresh copy.
void WholePromotion(benchmark::State& state, bool server)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(u"006.xsk"_s);
    for (auto _ : state) {
        state.PauseTiming();
        DbConnection db;
        bool ready = false;
        if (server) {
            ready = onAdmin(u"DROP DATABASE IF EXISTS "_s + Working)
                && onAdmin(u"CREATE DATABASE "_s + Working + u" TEMPLATE "_s + Pristine)
                && db.openServer(serverAt(Working), DatabaseKind::Student);
        } else {
            QFile::remove(copy);
            ready = QFile::copy(LargeSchool::databasePath(DatabaseKind::Student), copy)
                && db.open(copy, {}, DatabaseKinds::password(DatabaseKind::Student));
        }
        if (!ready) {
            state.SkipWithError("cannot make the copy");
            break;
        }
        state.ResumeTiming();
        Promotion promotion(db);
        QList<Promotion::Rename> plan;
        if (!promotion.standardPlan(&plan) || !promotion.runStandard(plan, u"2026年7月10日"_s).ok())
            state.SkipWithError(qPrintable(db.lastError()));
        state.PauseTiming();
        db.close();
        state.ResumeTiming();
    }
    if (server)
        onAdmin(u"DROP DATABASE IF EXISTS "_s + Working);
}

void both(const char* page, void (*run)(benchmark::State&, bool), int iterations = 0)
{
    for (const bool server : {false, true}) {
        auto* b = benchmark::RegisterBenchmark((std::string(page) + (server ? "/server" : "/sqlite")).c_str(),
            [run, server](benchmark::State& state) { run(state, server); });
        b->Unit(benchmark::kMillisecond);
        if (iterations)
            b->Iterations(iterations);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariable("XIAOWU_PG_HOST").isEmpty()) {
        std::fprintf(stderr, "no server: run it through scripts/with-postgres\n");
        return 2;
    }
    QString error;
    std::printf("preparing the large test school in %s ...\n", qPrintable(LargeSchool::defaultDir()));
    if (!LargeSchool::ensure(LargeSchool::defaultDir(), {}, &error) || !prepareServer()) {
        std::fprintf(stderr, "cannot prepare the school: %s\n", qPrintable(error));
        return 1;
    }
    both("NamesList", NamesList);
    both("SwitchClass", SwitchClass);
    both("ClassWithPhotos", ClassWithPhotos);
    both("Roster6000", Roster6000);
    both("ScoreSheet", ScoreSheet);
    both("WriteMark", WriteMark);
    both("Promotion", WholePromotion, 3);
    return runWithRatios(argc, argv);
}
