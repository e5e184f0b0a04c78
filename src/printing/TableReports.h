#pragma once

class QDate;
class SheetTable;
struct PageSetup;
struct PageTable;

// The printed reports of the list and sheet pages, built cell by cell into 打印数据源 from what the
// page shows. Row 1 is the title, row 2 the date line (the wage report: the signature line), row 3
// the column captions; the three head every printed page. A4 landscape, fitted to the page width,
// "第 %d 页" at the bottom right.
namespace TableReports {

enum class Roster { Pupils, Staff };

// The graduates or leavers list and the pupils of a class (Pupils), or the staff list (Staff):
// one row per list item, in list order, the rest of the last page ruled.
void roster(SheetTable& sheet, const PageTable& table, const QDate& today, Roster kind);
// The score sheet on show with its cells' attributes, under the school, class and exam title.
void scores(SheetTable& sheet, const PageTable& table, const QDate& today);
// The wage sheet on show with its cells' attributes: the signatures and, at the right, the pay month
// in row 2; every cell white (the grey row of the cursor included); the last page not ruled.
void wages(SheetTable& sheet, const PageTable& table);
// The school-wide averages of every class.
void statistics(SheetTable& sheet, const PageTable& table, const QDate& today);

// The page every list report prints on: A4 landscape, fitted to the width, numbered at the bottom
// right; ruleLastPage rules the rest of the last page.
PageSetup reportPage(int bottomMargin, bool ruleLastPage);

} // namespace TableReports
