#include "printing/TeacherCardReport.h"

#include "printing/CardSheet.h"
#include "printing/TeacherCard.h"
#include "sheet/SheetTable.h"
#include "text/LineBreaks.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace {

// A field pair per row from row 3, values in columns 2 and 5; the card's order, not the page's.
constexpr int FirstFieldRow = 3;
const char16_t* const LeftFields[]
    = {u"姓名", u"民族", u"学历", u"职称", u"参加工作时间", u"身份证号", u"家庭住址", u"户籍所在地"};
const char16_t* const RightFields[]
    = {u"性别", u"出生日期", u"政治面貌", u"职务或岗位", u"调入本校时间", u"手机号码", u"住宅电话", u"籍贯"};
constexpr int PhotoRow = 3;
constexpr int PhotoColumn = 6;
constexpr int TextRow = 13;
constexpr int ResumeColumn = 1;
constexpr int NoteColumn = 5;

} // namespace

void TeacherCardReport::fill(SheetTable& sheet, const TeacherCard& card, const QDate& today)
{
    sheet.setText(1, 1, card.title);
    sheet.setText(2, 5, u"打印时间："_s);
    sheet.setText(2, 6, CardSheet::dateText(today));
    CardSheet::fillPairs(sheet, {FirstFieldRow, 2, 5, LeftFields, RightFields}, card.values);
    sheet.setPicture(PhotoRow, PhotoColumn, card.photo);
    sheet.setText(TextRow, ResumeColumn, LineBreaks::forDisplay(card.resume));
    sheet.setText(TextRow, NoteColumn, LineBreaks::forDisplay(card.leaveNote));
}
