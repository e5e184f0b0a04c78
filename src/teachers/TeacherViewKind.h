#pragma once

#include <QString>

#include <optional>

// The three staff files. The main window keeps the choice as the text of its view kind, shared
// with the student views.
enum class TeacherViewKind { InService, Retired, MovedAway };

namespace TeacherViewKinds {

// "在职教员", "退休教员", "调离教员"
QString text(TeacherViewKind kind);
// Nothing for any other text (a student view, or none yet).
std::optional<TeacherViewKind> fromText(const QString& text);
// 教员表, 退休表, 调离表
QString table(TeacherViewKind kind);
// The one of three texts that goes with the kind: in service, retired, moved away.
QString pick(TeacherViewKind kind, const char16_t* inService, const char16_t* retired, const char16_t* movedAway);

} // namespace TeacherViewKinds
