#pragma once

#include "timetable/TimetableSlot.h"

#include <QStringList>

#include <optional>

class DbConnection;

// A class's row of 班级表 as the timetable reads it.
struct ClassTimetable
{
    QString headTeacher; // 班主任
    QStringList subjects; // 科目1 .. 科目10, empty ones included
    QStringList cells; // TimetableSlot::Count subjects, by TimetableSlot::index()
};

// The weekly timetables in 班级表 of the students database: forty 星期DP columns per class.
class TimetableStore
{
public:
    // What a 星期DP column holds.
    static constexpr int SubjectLength = 10;

    explicit TimetableStore(DbConnection& db);

    // Nothing when the query fails or the class has no row.
    std::optional<ClassTimetable> read(const QString& className) const;

    // Writes one cell. A subject longer than SubjectLength is refused before it reaches the
    // database; false too when the class row is gone, so the caller never shows what is not stored.
    bool store(const QString& className, const TimetableSlot& slot, const QString& subject);

private:
    DbConnection& m_db;
};
