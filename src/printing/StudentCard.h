#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>

// What the pupil record page shows, as plain data for the printed card.
struct StudentCard
{
    struct Guardian
    {
        QString caption; // relation + "姓名", as the page's caption shows it
        QString name;
        QString workUnit;
        QString telephone;
    };

    QString schoolName;
    QString title; // the page's title line
    // The enrolled pupils are on show: the card carries "班主任：" and the head teacher.
    bool atSchool = false;
    QString headTeacher;
    // The page's texts by column name: 学号, 姓名, 性别, 民族, 出生日期, 入学日期, 所在班级, 班内职务,
    // 家庭住址, 联系电话, 籍贯, 户籍所在地.
    QHash<QString, QString> values;
    std::array<Guardian, 2> guardians;
    QByteArray photo; // image bytes; empty for none
    // Up to ten each, in subject order; the marks as the page shows them.
    QStringList subjects;
    QStringList midterm;
    QStringList final;
    QString termComment;
    QString leaveNote; // empty for a pupil at school

    // The page shows nobody: no number, no name and no sex.
    bool isEmpty() const
    {
        return values.value(QStringLiteral("学号")).isEmpty() && values.value(QStringLiteral("姓名")).isEmpty()
            && values.value(QStringLiteral("性别")).isEmpty();
    }
};
