#pragma once

#include "workspace/PageView.h"

#include <QByteArrayView>

class QDate;
class SheetTable;
struct StudentCard;

// The printed pupil card "学籍资料卡": the compiled-in template filled from what the record page
// shows.
namespace StudentCardReport {

inline constexpr char16_t TemplateResource[] = u":/templates/studentcard.xsk";

// Loads the template into `sheet` and fills it; TemplateMissing, with `sheet` untouched, when the
// template cannot be loaded. A card of nobody carries only the title school name + "学籍表".
ReportBuild build(SheetTable& sheet, const StudentCard& card, const QDate& today);
// As above from the given template bytes.
ReportBuild build(SheetTable& sheet, const StudentCard& card, const QDate& today, QByteArrayView templateBytes);

} // namespace StudentCardReport
