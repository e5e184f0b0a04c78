#pragma once

#include "store/DatabaseKind.h"

#include <QString>
#include <QStringList>

class DbConnection;
struct sqlite3;

// The office of a large school, for measuring: 120 standard classes (1年级1班 .. 高中3年级10班),
// 6,000 enrolled pupils with photos of about 40 KB and comments of a few hundred bytes, 30,000
// graduates over five graduation dates (small photos, to keep the file near half a gigabyte),
// 1,500 pupils who left, and 300 teachers with photos. Names are drawn from common Chinese
// surnames and given-name characters by a fixed seed, so every run makes the same school.
namespace LargeSchool {

struct Size
{
    int classesPerGrade = 10;
    int pupilsPerClass = 50;
    int graduates = 30000;
    int leavers = 1500;
    int teachers = 300;
};

// Makes the program directory (data/ with the three databases) unless it holds one already.
// Returns false with a reason when something fails.
bool ensure(const QString& programDir, const Size& size = {}, QString* error = nullptr);

// The twelve grades in school order and the standard class names.
QStringList grades();
QStringList classNames(int classesPerGrade = 10);
QStringList graduationDates();

// Where the benchmarks keep their school: $XIAOWU_BENCH_SCHOOL, or bench-school/ in the working directory.
QString defaultDir();

// One of the school's databases in defaultDir().
QString databasePath(DatabaseKind kind);
// That database opened once as the program opens it; the run ends with the reason when it cannot.
// With XIAOWU_BENCH_STORE=server it is opened on the server of XIAOWU_PG_HOST/PORT/USER instead
// (database xiaowu_bench), which gets the school copied from the files on the first run.
DbConnection& database(DatabaseKind kind);
// The same file through the bare engine (opened once, with the program's collations), the raw side
// of a comparison.
sqlite3* rawDatabase(DatabaseKind kind);

} // namespace LargeSchool
