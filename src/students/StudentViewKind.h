#pragma once

#include <QString>

#include <optional>

// The three files of pupils the student view can show. The main window keeps the choice as the
// text of its view kind (shared with the teacher views), so these map to and from that text.
enum class StudentViewKind { Enrolled, Graduate, Leaver };

// What differs between the three files, one row a file.
struct StudentViewFacts
{
    StudentViewKind kind;
    const char16_t* text; // "在校学生"
    const char16_t* table; // 学籍表
    // Number, name and sex of one class, one graduation date, or every leaver (no selector).
    const char16_t* namesQuery;
    const char16_t* viewState;
    // The view's counts line: lead, total, tail, then the boys and girls.
    const char16_t* countsLead;
    const char16_t* countsTail;
};

namespace StudentViewKinds {

const StudentViewFacts& facts(StudentViewKind kind);
// "在校学生", "毕业学生", "离校学生"
QString text(StudentViewKind kind);
// Nothing for any other text (a teacher view, or none yet).
std::optional<StudentViewKind> fromText(const QString& text);
// 学籍表, 毕业表, 转退表
QString table(StudentViewKind kind);

} // namespace StudentViewKinds
