#pragma once

#include "teachers/TeacherViewKind.h"

#include <QString>

class DbConnection;

// Moves single teachers between 教员表, 退休表 and 调离表 and deletes them. Every change is whole or
// not at all and must find its teacher: false means nothing changed.
class TeacherStatus
{
public:
    explicit TeacherStatus(DbConnection& db)
        : m_db(db)
    { }

    // From service into 退休表 (Retired) or 调离表 (MovedAway), with the date and the reason as typed.
    bool leave(TeacherViewKind to, qint64 number, const QString& date, const QString& reason);
    // Back into service from one of the two former-teacher files; date and reason stay with the row.
    bool restore(TeacherViewKind from, qint64 number);
    bool remove(TeacherViewKind from, qint64 number);

    QString lastError() const { return m_lastError; }

private:
    DbConnection& m_db;
    QString m_lastError;
};
