#pragma once

#include <QString>

// The enrolled pupil a window is looking at: the student view's record or the roster's row.
struct StudentPick
{
    QString className;
    qint64 学号 = 0;
    QString 姓名;
};
