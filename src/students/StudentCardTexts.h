#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "students/StudentViewKind.h"

// The texts the student view builds around a record: titles, marks, the combined comment and
// the note on a pupil who left.
namespace StudentCardTexts {

// The title when the selected class, date or file holds nobody.
QString emptyTitle(StudentViewKind kind, const QString& school, const QString& selector);
QString recordTitle(StudentViewKind kind, const QString& school, const QString& selector, const QString& className,
    const QString& name);
// The graduation year with 年 ("2004年"): the first six bytes of the date.
QString graduationYear(const QString& date);
// Both headings always, also around empty comments.
QString combinedComment(const QString& termComment, const QString& overall);
// A mark of 0 and no mark both show empty.
QString mark(std::optional<int> value);
QString leaveLink(const QString& name);
QString leaveNote(const QString& name, const QString& date, const QString& reason);
// "第1科".."第10科"
QStringList genericSubjects();

} // namespace StudentCardTexts
