#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// What the teacher record page shows, as plain data for the printed card.
struct TeacherCard
{
    QString schoolName;
    QString title; // the page's title line
    // The page's names list holds no teacher.
    bool listEmpty = false;
    // The page's sixteen texts by column name (姓名, 性别 … 户籍所在地, as TeacherFields names them).
    QHash<QString, QString> values;
    QByteArray photo; // image bytes; empty for none
    QString resume;
    QString leaveNote; // empty for a teacher in service

    // The card of nobody: the list holds no teacher and the page shows no name and no sex.
    bool isEmpty() const
    {
        return listEmpty && values.value(QStringLiteral("姓名")).isEmpty()
            && values.value(QStringLiteral("性别")).isEmpty();
    }
};
