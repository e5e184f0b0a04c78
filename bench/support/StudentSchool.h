#pragma once

#include "school/LargeSchool.h"

#include "classes/ClassBook.h"
#include "store/DatabaseKind.h"
#include "students/StudentRecords.h"

#include <QStringList>

#include <benchmark/benchmark.h>

// The large school's students database as most benches read it: opened as the program opens it,
// through the bare engine, and its standard classes.
namespace StudentSchool {

inline DbConnection& ours()
{
    return LargeSchool::database(DatabaseKind::Student);
}

inline sqlite3* raw()
{
    return LargeSchool::rawDatabase(DatabaseKind::Student);
}

inline const QStringList& classes()
{
    static const QStringList names = LargeSchool::classNames();
    return names;
}

// What the student view reads when it turns to a class: its subjects, its names and the first
// pupil's whole record.
inline void readClassSwitch(StudentRecords& records, const ClassBook& book, const QString& klass)
{
    benchmark::DoNotOptimize(book.subjects(klass));
    const auto names = records.names(StudentViewKind::Enrolled, klass);
    if (names && !names->names.isEmpty())
        benchmark::DoNotOptimize(records.record(StudentViewKind::Enrolled, names->names.first().学号));
}

} // namespace StudentSchool
