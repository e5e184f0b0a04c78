#pragma once

#include "classes/ClassEntry.h"

#include <QList>
#include <QStringList>

#include <optional>

class DbConnection;

// The school's classes in 班级表 of the students database: the list, adding, deleting, head
// teachers and the ten subject slots. Every value is bound, so any name the user types is stored as typed.
class ClassBook
{
public:
    static constexpr int SubjectCount = 10;

    enum class AddResult { Added, Duplicate, Failed };

    explicit ClassBook(DbConnection& db);

    // All classes in table order; nothing when the query fails.
    std::optional<QList<ClassEntry>> list() const;

    // category is "通用" or "自设"; the forty timetable cells and the ten subjects start empty.
    AddResult add(const QString& name, const QString& headTeacher, const QString& category);

    // The class row and its enrolled pupils go together; when no class is left the student-number
    // counter starts again from 0. Graduates and leavers keep their rows. All of it or nothing.
    bool remove(const QString& name);

    bool setHeadTeacher(const QString& className, const QString& headTeacher);

    // 科目1 .. 科目10 of the class (empty texts when there is no such class); nothing when the query fails.
    std::optional<QStringList> subjects(const QString& className) const;
    bool saveSubjects(const QString& className, const QStringList& subjects);
    // Every class that exists now gets the same subjects.
    bool saveSubjectsToAll(const QStringList& subjects);

private:
    DbConnection& m_db;
};
