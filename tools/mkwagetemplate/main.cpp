// Builds the empty wage sheet that every fresh wage file holds: the captions, a few empty staff
// rows and the total row, sealed as a wage file. The output depends on nothing but this source.
#include "GeneratorOutput.h"

#include "sheet/SheetTable.h"
#include "wages/WageSheet.h"
#include "wages/WageTableFile.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

constexpr int StaffRows = 5;

void makeSheet(SheetTable& t)
{
    const int rows = StaffRows + 2;
    const int total = rows;
    t.reset(rows, WageSheet::Extra);
    t.setFixedRows(1);
    t.setRowHeights(1, rows, 70);
    t.setColumnWidths(1, WageSheet::Extra, 250);

    const SheetRange all {1, 1, rows, WageSheet::Extra};
    t.setFont(all, u"宋体"_s, 42);
    t.setBorders(all, AllBorders);
    t.setBackground(all, WageSheet::White);

    const QStringList captions {u"姓名"_s, u"基本工资"_s, u"职务工资"_s, u"工龄工资"_s, u"岗位津贴"_s, u"其他补贴"_s,
        u"住房公积金"_s, u"个人所得税"_s, u"实发工资"_s, u"领款人签章"_s};
    for (int c = 1; c <= WageSheet::Extra; ++c)
        t.setText(1, c, captions[c - 1]);
    t.setAlignment({1, 1, 1, WageSheet::Extra}, SheetAlignment::Centre);
    t.setBold({1, 1, 1, WageSheet::Extra}, true);

    t.setAlignment({2, WageSheet::Name, rows - 1, 1}, SheetAlignment::Centre);
    t.setAlignment({2, WageSheet::FirstAdded, rows - 1, WageSheet::Extra - 1}, SheetAlignment::MiddleRight);
    t.setTextColour({2, WageSheet::FirstDeducted, StaffRows, 2}, WageSheet::DeductedText);
    t.setReadOnly({2, WageSheet::NetPay, rows - 1, 2}, true);

    t.setText(total, WageSheet::Name, u"合计："_s);
    t.setReadOnly({total, 1, 1, WageSheet::Extra}, true);
    t.setBold({total, 1, 1, WageSheet::Extra}, true);

    PageSetup page;
    page.orientation = PageSetup::Landscape;
    page.zoom = PageSetup::FitWidth;
    page.pageNumberPosition = PageSetup::BottomCentre;
    t.setPageSetup(page);
}

} // namespace

int main(int argc, char** argv)
{
    return writeOneSheet(argc, argv, "xiaowu_mkwagetemplate", makeSheet, WageTableFile::write);
}
