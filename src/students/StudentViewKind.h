#pragma once

#include "workspace/ViewFiles.h"

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

// The three rows, one a kind.
extern const StudentViewFacts StudentViewFiles[3];
// Of a kind its facts, its text ("在校学生", "毕业学生", "离校学生") and table (学籍表, 毕业表, 转退表),
// and the kind of a text.
using StudentViewKinds = ViewFiles<StudentViewFacts, StudentViewFiles>;
