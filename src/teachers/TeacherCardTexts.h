#pragma once

#include "teachers/TeacherViewKind.h"

#include <QString>

// The texts of the teacher view that follow the staff file on show.
namespace TeacherCardTexts {

QString title(TeacherViewKind kind, const QString& school, const QString& name);
QString emptyTitle(TeacherViewKind kind, const QString& school);
QString countsPrefix(TeacherViewKind kind);
QString stateText(TeacherViewKind kind);
QString hint(TeacherViewKind kind);
// "个人简历\r\n\r\n" + résumé + "\r\n\r\n其它资料\r\n\r\n" + other information.
QString combinedText(const QString& resume, const QString& other);
// The link and the note of a former teacher; empty for a teacher in service.
QString leaveLink(TeacherViewKind kind, const QString& name);
QString leaveNote(TeacherViewKind kind, const QString& name, const QString& date, const QString& reason);

} // namespace TeacherCardTexts
