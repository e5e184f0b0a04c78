#pragma once

#include "students/StudentViewKind.h"

#include <QString>

class DbConnection;

// Moves single pupils between 学籍表, 转退表 and 毕业表, changes a pupil's class and deletes pupils.
// Every change is whole or not at all and must find its pupil: false means nothing changed.
class StudentStatus
{
public:
    explicit StudentStatus(DbConnection& db)
        : m_db(db)
    { }

    // To 转退表 with the date ("%d年%d月%d日") and the reason as typed.
    bool leave(qint64 number, const QString& date, const QString& reason);
    // Back into 学籍表 from 毕业表 or 转退表, into a class, with "-" as leaving date; the reason stays.
    bool reenrol(StudentViewKind from, qint64 number, const QString& className);
    bool changeClass(qint64 number, const QString& className);
    bool remove(StudentViewKind from, qint64 number);

    QString lastError() const { return m_lastError; }

private:
    DbConnection& m_db;
    QString m_lastError;
};
