#pragma once

#include "support/TempProgramDir.h"

#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "teachers/TeacherRecords.h"
#include "text/GbText.h"

// A fresh teachers database with a helper to put teachers into any of the three staff files.
// Header only: the window tests use it too.
struct TeachersFixture
{
    TempProgramDir dir;
    DbConnection db;

    TeachersFixture() { db.openSchool(DatabaseKind::Teacher, dir.databasePath(DatabaseKind::Teacher)); }

    static TeacherRecord teacher(qint64 number, const QString& name, const QString& sex = QStringLiteral(u"男"))
    {
        TeacherRecord t;
        t.编号 = number;
        t.姓名 = name;
        t.性别 = sex;
        t.民族 = QStringLiteral(u"汉族");
        t.出生日期 = QStringLiteral(u"1975年3月8日");
        t.学历 = QStringLiteral(u"本科");
        t.职称 = QStringLiteral(u"讲师");
        t.职务或岗位 = QStringLiteral(u"语文老师");
        t.手机号码 = QStringLiteral(u"13900000000");
        t.个人简历 = QStringLiteral(u"1995年参加工作。");
        return TeacherRecords::withDashes(t);
    }

    bool add(const TeacherRecord& t, const QString& table = QStringLiteral(u"教员表"))
    {
        QVariantList v {t.编号, t.姓名, t.性别, t.民族, t.出生日期, t.学历, t.政治面貌, t.参加工作时间, t.调入本校时间,
            t.职称, t.职务或岗位, t.身份证号, t.手机号码, t.家庭住址, t.住宅电话, t.籍贯, t.户籍所在地, t.照片,
            GbText::toBytes(t.个人简历), GbText::toBytes(t.其他资料), t.离校时间, t.离校原因};
        QStringList q;
        for (int i = 0; i < v.size(); ++i)
            q << QStringLiteral(u"?");
        return db.execute(
            QStringLiteral(u"insert into ") + table + QStringLiteral(u" values (") + q.join(u',') + u')', v);
    }

    bool setCounter(qint64 value)
    {
        return db.execute(QStringLiteral(u"update 记号表 set 教员编号=? where ID=1"), {value});
    }
};
