#pragma once

#include <QByteArray>
#include <QList>

class QDate;
class SheetTable;
struct PageTable;

// The printed report of the exam analysis: the title, the date line, the table on show and, below
// it, the charts side by side as pictures, A4 landscape fitted to the page width. Title and date
// head every page; the captions too when there are no charts, as a ranking runs over many pages.
namespace AnalysisReport {

// charts: picture bytes (PNG), drawn in one row under the table.
void build(SheetTable& sheet, const PageTable& table, const QDate& today, const QList<QByteArray>& charts);

} // namespace AnalysisReport
