// Builds the two record-card templates the printed cards are filled into: the pupil card
// (24 rows × 13 columns) and the teacher card (25 rows × 6 columns). The output depends on nothing
// but this source.
#include "GeneratorOutput.h"

#include "sheet/SheetTable.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int LabelFont = 42;
constexpr int DateLineFont = 38;
constexpr int TitleFont = 77;

// A label or value block: merged, bordered, centred.
void box(SheetTable& t, const SheetRange& range, const QString& text = {})
{
    t.merge(range);
    t.setBorders(range, AllBorders);
    t.setAlignment(range, SheetAlignment::Centre);
    t.setText(range.row, range.column, text);
}

// A long text block (comment, résumé, leave note): read from its top-left corner.
void textBlock(SheetTable& t, const SheetRange& range)
{
    box(t, range);
    t.setAlignment(range, SheetAlignment::TopLeft);
}

void title(SheetTable& t, const QString& text)
{
    const SheetRange row {1, 1, 1, t.columnCount()};
    t.merge(row);
    t.setFont(row, u"楷体_GB2312"_s, TitleFont);
    t.setBold(row, true);
    t.setAlignment(row, SheetAlignment::Centre);
    t.setText(1, 1, text);
}

void cardPageSetup(SheetTable& t)
{
    PageSetup page;
    page.paper = PageSetup::A4;
    page.orientation = PageSetup::Landscape;
    page.marginLeft = 200;
    page.marginTop = 150;
    page.marginRight = 200;
    page.marginBottom = 200;
    page.zoom = PageSetup::FitWidth;
    page.pageNumberPosition = PageSetup::BottomRight;
    t.setPageSetup(page);
}

void makeStudentCard(SheetTable& t)
{
    constexpr int Rows = 24;
    constexpr int Columns = 13;
    t.reset(Rows, Columns);
    t.setFixedRows(0);
    t.setRowHeight(1, 146);
    t.setRowHeight(2, 58);
    t.setRowHeights(3, 21, 70);
    t.setRowHeight(24, 74);
    t.setColumnWidths(1, 5, 233);
    t.setColumnWidth(6, 116);
    t.setColumnWidth(7, 117);
    t.setColumnWidths(8, 3, 233);
    t.setColumnWidth(11, 86);
    t.setColumnWidth(12, 147);
    t.setColumnWidth(13, 233);
    t.setFont({1, 1, Rows, Columns}, u"宋体"_s, LabelFont);
    t.setFont({2, 1, 1, Columns}, u"宋体"_s, DateLineFont);
    title(t, u"学籍资料卡"_s);

    // The head-teacher and date line reads as text: captions lean on their values.
    t.setText(2, 1, u"班主任："_s);
    t.setAlignment({2, 1, 1, 1}, SheetAlignment::MiddleRight);
    t.merge({2, 2, 1, 2});
    t.setAlignment({2, 2, 1, 2}, SheetAlignment::MiddleLeft);
    t.merge({2, 10, 1, 2});
    t.setText(2, 10, u"打印日期："_s);
    t.setAlignment({2, 10, 1, 2}, SheetAlignment::MiddleRight);
    t.merge({2, 12, 1, 2});
    t.setAlignment({2, 12, 1, 2}, SheetAlignment::MiddleLeft);

    const QStringList left {u"学    号"_s, u"性    别"_s, u"出生日期"_s, u"所在班级"_s, u"家庭住址"_s, u"籍    贯"_s};
    const QStringList right {u"姓    名"_s, u"民    族"_s, u"入学日期"_s, u"班内职务"_s, u"住宅电话"_s, u"户籍地点"_s};
    for (int i = 0; i < left.size(); ++i) {
        const int r = 3 + i;
        box(t, {r, 1, 1, 1}, left[i]);
        box(t, {r, 2, 1, 4});
        box(t, {r, 6, 1, 2}, right[i]);
        box(t, {r, 8, 1, 4});
    }
    for (const auto& [r, caption] : {std::pair {9, u"母亲姓名"_s}, std::pair {10, u"父亲姓名"_s}}) {
        box(t, {r, 1, 1, 1}, caption);
        box(t, {r, 2, 1, 1});
        box(t, {r, 3, 1, 1}, u"工作单位"_s);
        box(t, {r, 4, 1, 5});
        box(t, {r, 9, 1, 1}, u"电话"_s);
        box(t, {r, 10, 1, 2});
    }
    box(t, {3, 12, 8, 2});

    box(t, {11, 1, 1, Columns}, u"考试成绩"_s);
    const QStringList marks {u"考试科目"_s, u"期中考试"_s, u"期末考试"_s};
    for (int i = 0; i < marks.size(); ++i) {
        const int r = 12 + i;
        box(t, {r, 1, 1, 1}, marks[i]);
        for (int c : {2, 3, 4, 5, 8, 9, 10, 13})
            box(t, {r, c, 1, 1});
        box(t, {r, 6, 1, 2});
        box(t, {r, 11, 1, 2});
    }
    box(t, {15, 1, 1, 7}, u"本学期评价"_s);
    box(t, {15, 8, 1, 6}, u"备注"_s);
    textBlock(t, {16, 1, 9, 7});
    textBlock(t, {16, 8, 9, 6});
    cardPageSetup(t);
}

void makeTeacherCard(SheetTable& t)
{
    constexpr int Rows = 25;
    constexpr int Columns = 6;
    t.reset(Rows, Columns);
    t.setFixedRows(0);
    t.setRowHeight(1, 150);
    t.setRowHeights(2, 9, 70);
    t.setRowHeight(11, 30);
    t.setRowHeight(12, 70);
    t.setRowHeight(13, 58);
    t.setRowHeights(14, 10, 70);
    t.setRowHeight(24, 58);
    t.setRowHeight(25, 50);
    const int widths[Columns] = {300, 795, 150, 150, 795, 380};
    for (int c = 1; c <= Columns; ++c)
        t.setColumnWidth(c, widths[c - 1]);
    t.setFont({1, 1, Rows, Columns}, u"宋体"_s, LabelFont);
    t.setFont({2, 1, 1, Columns}, u"宋体"_s, DateLineFont);
    title(t, u"教员档案卡"_s);

    // Filled in when printing: "打印时间：" and the date.
    t.setAlignment({2, 5, 1, 1}, SheetAlignment::MiddleRight);
    t.setAlignment({2, 6, 1, 1}, SheetAlignment::MiddleLeft);

    const QStringList left {u"姓    名"_s, u"民    族"_s, u"学    历"_s, u"职    称"_s, u"参加工作时间"_s,
        u"身份证号"_s, u"家庭住址"_s, u"户籍所在地"_s};
    const QStringList right {u"性    别"_s, u"出生日期"_s, u"政治面貌"_s, u"职务或岗位"_s, u"调入本校时间"_s,
        u"手机号码"_s, u"住宅电话"_s, u"籍    贯"_s};
    for (int i = 0; i < left.size(); ++i) {
        const int r = 3 + i;
        box(t, {r, 1, 1, 1}, left[i]);
        box(t, {r, 2, 1, 1});
        box(t, {r, 3, 1, 2}, right[i]);
        box(t, {r, 5, 1, 1});
    }
    box(t, {3, 6, 8, 1});

    box(t, {12, 1, 1, 4}, u"个人简历"_s);
    box(t, {12, 5, 1, 2}, u"  备注"_s);
    textBlock(t, {13, 1, 13, 4});
    textBlock(t, {13, 5, 13, 2});
    cardPageSetup(t);
}

} // namespace

int main(int argc, char** argv)
{
    if (!hasArguments(argc, 2, "xiaowu_mkcardtemplates STUDENT_CARD_FILE TEACHER_CARD_FILE"))
        return 2;
    SheetTable student;
    makeStudentCard(student);
    SheetTable teacher;
    makeTeacherCard(teacher);
    return writeGeneratorOutput("xiaowu_mkcardtemplates", argv[1], student.serialise())
            && writeGeneratorOutput("xiaowu_mkcardtemplates", argv[2], teacher.serialise())
        ? 0
        : 1;
}
