#pragma once

#include "printing/CardReport.h"
#include "printing/TeacherCard.h"

// The printed teacher card "教员档案卡": the compiled-in template filled from what the record page
// shows.
struct TeacherCardReport : CardReport<TeacherCardReport, TeacherCard>
{
    static constexpr char16_t TemplateResource[] = u":/templates/teachercard.xsk";
    static constexpr char16_t EmptyTitle[] = u"教员登记表表";
    static void fill(SheetTable& sheet, const TeacherCard& card, const QDate& today);
};
