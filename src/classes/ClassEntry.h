#pragma once

#include <QString>

// One row of 班级表 as the class selectors show it.
struct ClassEntry
{
    QString name; // 所在班级
    QString headTeacher; // 班主任
};
