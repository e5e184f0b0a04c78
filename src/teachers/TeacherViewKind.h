#pragma once

#include "workspace/ViewFiles.h"

// The three staff files. The main window keeps the choice as the text of its view kind, shared
// with the student views.
enum class TeacherViewKind { InService, Retired, MovedAway };

// What differs between the three files, one row a file: the table, and the texts the roster, the
// card and the status line show for it.
struct TeacherViewFacts
{
    TeacherViewKind kind;
    const char16_t* text; // "在职教员"
    const char16_t* table; // 教员表
    const char16_t* rosterDateHeader;
    const char16_t* rosterCountsPrefix;
    const char16_t* rosterEmptyTitle;
    const char16_t* rosterTitle; // after the school's name
    const char16_t* rosterSearchTitle; // after the school's name
    const char16_t* rosterState;
    const char16_t* cardTitle; // after the school's and the teacher's name
    const char16_t* cardEmptyTitle; // after the school's name
    const char16_t* cardCountsPrefix;
    const char16_t* cardState;
    const char16_t* cardHint;
    const char16_t* leaveLink; // after the name; empty in service
    const char16_t* leaveNote; // between the date and the reason; empty in service
};

// The three rows, one a kind.
extern const TeacherViewFacts TeacherViewFiles[3];
// Of a kind its facts, its text ("在职教员", "退休教员", "调离教员") and table (教员表, 退休表, 调离表),
// and the kind of a text.
using TeacherViewKinds = ViewFiles<TeacherViewFacts, TeacherViewFiles>;
