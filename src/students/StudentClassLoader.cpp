#include "students/StudentClassLoader.h"

#include "students/StudentRecords.h"
#include "students/StudentsHost.h"

#include <QComboBox>
#include <QSignalBlocker>

bool StudentClassLoader::load(QComboBox& box, StudentsHost& host)
{
    const QSignalBlocker blocker(box);
    box.clear();
    QStringList teachers;
    if (const auto classes = StudentRecords(host.studentDb()).classes()) {
        for (const auto& c : *classes) {
            box.addItem(c.所在班级);
            teachers << c.班主任;
        }
    }
    host.setHeadTeachers(teachers);
    if (box.count() > 0) {
        box.setCurrentIndex(0);
        host.setHeadTeacherIndex(0);
    }
    return box.count() > 0;
}
