#include "printing/StudentCardReport.h"

#include "printing/CardSheet.h"
#include "printing/StudentCard.h"
#include "sheet/SheetTable.h"
#include "text/LineBreaks.h"

#include <QDate>

#include <iterator>

using namespace Qt::StringLiterals;

namespace {

// The card's cells: a field pair per row from row 3, values in columns 2 and 8.
constexpr int FirstFieldRow = 3;
const char16_t* const LeftFields[] = {u"学号", u"性别", u"出生日期", u"所在班级", u"家庭住址", u"籍贯"};
const char16_t* const RightFields[] = {u"姓名", u"民族", u"入学日期", u"班内职务", u"联系电话", u"户籍所在地"};
constexpr int FirstGuardianRow = 9;
constexpr int PhotoRow = 3;
constexpr int PhotoColumn = 12;
constexpr int SubjectRow = 12;
// Subjects 1..10; the sixth and the ninth are two columns wide.
constexpr int SubjectColumns[] = {2, 3, 4, 5, 6, 8, 9, 10, 11, 13};
constexpr int CommentRow = 16;
constexpr int CommentColumn = 1;
constexpr int NoteColumn = 8;

QString at(const QStringList& list, int i)
{
    return i < list.size() ? list[i] : QString();
}

} // namespace

void StudentCardReport::fill(SheetTable& sheet, const StudentCard& card, const QDate& today)
{
    sheet.setText(1, 1, card.title);
    if (card.atSchool)
        sheet.setText(2, 2, card.headTeacher);
    else
        sheet.setText(2, 1, {});
    sheet.setText(2, 12, CardSheet::dateText(today));
    CardSheet::fillPairs(sheet, {FirstFieldRow, 2, 8, LeftFields, RightFields}, card.values);
    for (int g = 0; g < 2; ++g) {
        const StudentCard::Guardian& guardian = card.guardians[g];
        const int r = FirstGuardianRow + g;
        sheet.setText(r, 1, guardian.caption);
        sheet.setText(r, 2, guardian.name);
        sheet.setText(r, 4, guardian.workUnit);
        sheet.setText(r, 10, guardian.telephone);
    }
    sheet.setPicture(PhotoRow, PhotoColumn, card.photo);
    for (int i = 0; i < int(std::size(SubjectColumns)); ++i) {
        sheet.setText(SubjectRow, SubjectColumns[i], at(card.subjects, i));
        sheet.setText(SubjectRow + 1, SubjectColumns[i], at(card.midterm, i));
        sheet.setText(SubjectRow + 2, SubjectColumns[i], at(card.final, i));
    }
    sheet.setText(CommentRow, CommentColumn, LineBreaks::forDisplay(card.termComment));
    sheet.setText(CommentRow, NoteColumn, LineBreaks::forDisplay(card.leaveNote));
}
