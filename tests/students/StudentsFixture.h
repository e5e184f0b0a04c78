#pragma once

#include "support/TempProgramDir.h"

#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "students/StudentRecord.h"
#include "text/GbText.h"

#include <QFile>
#include <QStringList>
#include <QVariantList>

// A fresh students database with helpers to put classes, pupils and graduation dates in it.
// Header only: the window tests use it too.
struct StudentsFixture
{
    TempProgramDir dir;
    DbConnection db;

    StudentsFixture() { db.openSchool(DatabaseKind::Student, dir.databasePath(DatabaseKind::Student)); }

    bool addClass(const QString& name, const QString& headTeacher, const QStringList& subjects = {})
    {
        return addClass(db, name, headTeacher, subjects);
    }

    // A row of 班级表 on any students database: the forty category texts empty, 通用, then the
    // subjects given and 科目N for the rest.
    static bool addClass(DbConnection& db, const QString& name, const QString& headTeacher, const QStringList& subjects)
    {
        QVariantList v {name, headTeacher};
        for (int i = 0; i < 40; ++i)
            v << QString();
        v << QStringLiteral(u"通用");
        for (int i = 0; i < 10; ++i)
            v << (i < subjects.size() ? subjects[i] : QStringLiteral(u"科目%1").arg(i + 1));
        QStringList marks;
        for (int i = 0; i < v.size(); ++i)
            marks << QStringLiteral(u"?");
        return db.execute(QStringLiteral(u"insert into 班级表 values (") + marks.join(u',') + u')', v);
    }

    static StudentRecord pupil(
        qint64 number, const QString& name, const QString& klass, const QString& sex = QStringLiteral(u"男"))
    {
        StudentRecord r;
        r.学号 = number;
        r.姓名 = name;
        r.性别 = sex;
        r.民族 = QStringLiteral(u"汉族");
        r.出生日期 = QStringLiteral(u"2015年3月8日");
        r.入学日期 = QStringLiteral(u"2021年9月1日");
        r.所在班级 = klass;
        r.班内职务 = QStringLiteral(u"学生");
        r.家庭住址 = QStringLiteral(u"幸福路12号");
        r.联系电话 = QStringLiteral(u"0571-88886666");
        r.户籍所在地 = QStringLiteral(u"杭州市西湖区");
        r.籍贯 = QStringLiteral(u"浙江绍兴");
        r.家长A = QStringLiteral(u"父亲");
        r.家长A姓名 = QStringLiteral(u"李建国");
        r.家长A单位 = QStringLiteral(u"张记'老字号'");
        r.家长A电话 = QStringLiteral(u"13900000000");
        r.家长B = QStringLiteral(u"母亲");
        r.家长B姓名 = QStringLiteral(u"王芳");
        r.家长B单位 = QStringLiteral(u"第一医院");
        r.家长B电话 = QStringLiteral(u"13800000000");
        r.本学期评语 = QStringLiteral(u"你是一个懂事的孩子。\r\n继续努力！");
        r.综合评语 = QStringLiteral(u"品学兼优。");
        return r;
    }

    // Any of the three tables, all 45 columns as given (marks and leaving columns included).
    bool addPupil(const StudentRecord& r, const QString& table = QStringLiteral(u"学籍表"))
    {
        QVariantList v {r.学号, r.姓名, r.性别, r.民族, r.出生日期, r.入学日期, r.所在班级, r.班内职务, r.家庭住址,
            r.联系电话, r.户籍所在地, r.籍贯, r.家长A, r.家长A姓名, r.家长A单位, r.家长A电话, r.家长B, r.家长B姓名,
            r.家长B单位, r.家长B电话, r.照片, GbText::toBytes(r.本学期评语), GbText::toBytes(r.综合评语)};
        for (const auto* marks : {&r.期中, &r.期末}) {
            for (const auto& m : *marks)
                v << (m ? QVariant(*m) : QVariant());
        }
        v << r.离校时间 << r.离校原因;
        QStringList q;
        for (int i = 0; i < v.size(); ++i)
            q << QStringLiteral(u"?");
        return db.execute(
            QStringLiteral(u"insert into ") + table + QStringLiteral(u" values (") + q.join(u',') + u')', v);
    }

    bool addGraduationDate(const QString& date)
    {
        return db.execute(QStringLiteral(u"insert into 毕业时间表 values (?)"), {date});
    }

    bool setCounter(qint64 value)
    {
        return db.execute(QStringLiteral(u"update 记号表 set 学号=? where ID=1"), {value});
    }

    qint64 counter()
    {
        auto rows = db.query(QStringLiteral(u"select 学号 from 记号表 where ID=1"));
        return rows ? rows->number(u"学号") : -1;
    }

    int count(const QString& table)
    {
        auto rows = db.query(QStringLiteral(u"select count(*) as n from ") + table);
        return rows ? static_cast<int>(rows->number(u"n")) : -1;
    }

    // Overwrites the root page of a table as a failing disk would, and moves the change counter on
    // so that open connections read the page again.
    static bool damageTable(DbConnection& db, const QString& table)
    {
        const auto root = db.query(QStringLiteral(u"select rootpage from sqlite_master where name=?"), {table});
        const auto size = db.query(QStringLiteral(u"pragma page_size"));
        if (!root || root->pastLast() || !size || size->pastLast())
            return false;
        const qint64 page = root->number(1);
        const qint64 pageSize = size->number(1);
        QFile file(db.path());
        if (!file.open(QIODevice::ReadWrite) || !file.seek(24))
            return false;
        QByteArray counter = file.read(4);
        counter[3] = char(counter[3] + 1);
        return file.seek(24) && file.write(counter) == 4 && file.seek((page - 1) * pageSize)
            && file.write(QByteArray(pageSize, '\xFF')) == pageSize;
    }
};
