#pragma once

#include <QString>

#include <optional>

// The three files of pupils the student view can show. The main window keeps the choice as the
// text of its view kind (shared with the teacher views), so these map to and from that text.
enum class StudentViewKind { Enrolled, Graduate, Leaver };

namespace StudentViewKinds {

// "在校学生", "毕业学生", "离校学生"
QString text(StudentViewKind kind);
// Nothing for any other text (a teacher view, or none yet).
std::optional<StudentViewKind> fromText(const QString& text);
// 学籍表, 毕业表, 转退表
QString table(StudentViewKind kind);

} // namespace StudentViewKinds
