#pragma once

#include "workspace/PageView.h"

#include <QByteArrayView>

class QDate;
class SheetTable;
struct TeacherCard;

// The printed teacher card "教员档案卡": the compiled-in template filled from what the record page
// shows.
namespace TeacherCardReport {

inline constexpr char16_t TemplateResource[] = u":/templates/teachercard.xsk";

// Loads the template into `sheet` and fills it; TemplateMissing, with `sheet` untouched, when the
// template cannot be loaded. A card of nobody carries only the title school name + "教员登记表表".
ReportBuild build(SheetTable& sheet, const TeacherCard& card, const QDate& today);
// As above from the given template bytes.
ReportBuild build(SheetTable& sheet, const TeacherCard& card, const QDate& today, QByteArrayView templateBytes);

} // namespace TeacherCardReport
