#include "classes/ClassSelector.h"

#include "classes/ClassBook.h"
#include "workspace/HeadTeacherList.h"

#include <QComboBox>
#include <QSignalBlocker>

bool ClassSelector::load(QComboBox& box, HeadTeacherList& headTeachers, DbConnection& db)
{
    const QList<ClassEntry> classes = ClassBook(db).list().value_or(QList<ClassEntry>());
    QStringList names;
    QStringList teachers;
    for (const ClassEntry& c : classes) {
        names.append(c.name);
        teachers.append(c.headTeacher);
    }
    {
        const QSignalBlocker quiet(&box);
        box.clear();
        box.addItems(names);
        box.setCurrentIndex(-1);
    }
    headTeachers.setItems(teachers);
    if (box.count() > 0)
        box.setCurrentIndex(0);
    return box.count() > 0;
}
