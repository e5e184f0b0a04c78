#pragma once

#include "support/TempProgramDir.h"

#include "store/DatabaseKind.h"
#include "store/DbConnection.h"

#include <QVariantList>

// A fresh program directory with all three databases open.
struct StoreFixture
{
    TempProgramDir dir;
    DbConnection students;
    DbConnection teachers;
    DbConnection admins;

    bool open()
    {
        return students.open(
                   dir.databasePath(DatabaseKind::Student), {}, DatabaseKinds::password(DatabaseKind::Student))
            && teachers.open(
                dir.databasePath(DatabaseKind::Teacher), {}, DatabaseKinds::password(DatabaseKind::Teacher))
            && admins.open(dir.databasePath(DatabaseKind::Admin), {}, DatabaseKinds::password(DatabaseKind::Admin));
    }

    DbConnection& db(DatabaseKind kind)
    {
        switch (kind) {
        case DatabaseKind::Student:
            return students;
        case DatabaseKind::Teacher:
            return teachers;
        case DatabaseKind::Admin:
            break;
        }
        return admins;
    }
};

// All 45 values of a pupil row, with the photo and both comments as bytes.
QVariantList pupilValues(qint64 number, const QString& name, const QString& klass);
// "insert into 学籍表 values ( ?,?,... )" with 45 markers.
QString pupilInsert(const QString& table = QStringLiteral(u"学籍表"));
// One row of 班级表: name, head teacher, 40 empty timetable cells, category, ten subject names.
QVariantList classValues(const QString& name, const QString& headTeacher);
QString classInsert();
