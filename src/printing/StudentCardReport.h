#pragma once

#include "printing/CardReport.h"
#include "printing/StudentCard.h"

// The printed pupil card "学籍资料卡": the compiled-in template filled from what the record page
// shows.
struct StudentCardReport : CardReport<StudentCardReport, StudentCard>
{
    static constexpr char16_t TemplateResource[] = u":/templates/studentcard.xsk";
    static constexpr char16_t EmptyTitle[] = u"学籍表";
    static void fill(SheetTable& sheet, const StudentCard& card, const QDate& today);
};
