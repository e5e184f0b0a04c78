// Backing up the large school's data against copying the same files with cp and sync, both into
// a throw-away copy of the school: ours copies the open databases page by page and checks each copy.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/RatioReporter.h"

#include "maintenance/DataMaintenance.h"
#include "platform/AppPaths.h"
#include "platform/DiskFileOps.h"
#include "store/DbConnection.h"
#include "wages/WageTableFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QTemporaryDir* workDir = nullptr;

QString school()
{
    return workDir->path();
}

void Backup_ours(benchmark::State& state)
{
    AppPaths paths(school());
    DiskFileOps files;
    DbConnection students;
    DbConnection teachers;
    DbConnection admins;
    students.open(paths.database(DatabaseKind::Student), {}, DatabaseKinds::password(DatabaseKind::Student));
    teachers.open(paths.database(DatabaseKind::Teacher), {}, DatabaseKinds::password(DatabaseKind::Teacher));
    DataMaintenance maintenance(paths, files, students, teachers, admins);
    for (auto _ : state) {
        const auto result = maintenance.backup({0, 1, 2, 3, 4, 5, 6, 7});
        if (!result.errors.isEmpty())
            state.SkipWithError(qPrintable(result.errors));
    }
}

void Backup_raw(benchmark::State& state)
{
    const QByteArray command
        = "cp " + QFile::encodeName(school()) + "/data/*.xsk " + QFile::encodeName(school()) + "/backup-cp/ && sync";
    for (auto _ : state) {
        if (std::system(command.constData()) != 0)
            state.SkipWithError("cp failed");
    }
}

} // namespace

XIAOWU_BENCH_PAIR_ITERATIONS("Backup", Backup_ours, Backup_raw, 3);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The school is copied: backups write beside its data, and others read the original.
    QTemporaryDir dir;
    workDir = &dir;
    const QString source = LargeSchool::defaultDir();
    QDir root(dir.path());
    for (const QString& sub : {u"data"_s, u"backup"_s, u"backup-cp"_s})
        root.mkpath(sub);
    for (const QString& name : QDir(source + u"/data"_s).entryList({u"00?.xsk"_s}, QDir::Files)) {
        if (!QFile::copy(source + u"/data/"_s + name, dir.path() + u"/data/"_s + name)) {
            std::fprintf(stderr, "cannot copy %s from %s\n", qPrintable(name), qPrintable(source));
            return 1;
        }
    }
    for (int sheet = 1; sheet <= WageTableFile::SheetCount; ++sheet) {
        QFile wage(dir.path() + u"/data/00"_s + QString::number(sheet) + u".xsk"_s);
        if (!wage.exists() && wage.open(QIODevice::WriteOnly))
            wage.write(WageTableFile::templateBytes());
    }
    return runWithRatios(argc, argv);
}
