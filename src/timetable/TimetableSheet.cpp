#include "timetable/TimetableSheet.h"

#include "sheet/SheetTable.h"
#include "timetable/TimetableSlot.h"
#include "timetable/TimetableStore.h"
#include "workspace/PageTable.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {
constexpr int FirstPeriodRow = 3;
constexpr int DayRow = 2;
} // namespace

QByteArray TimetableSheet::templateBytes()
{
    QFile file(u":/templates/timetable.xsk"_s);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TimetableSheet::title(const QString& schoolName, const QString& className)
{
    return schoolName + className + u"课程表"_s;
}

void TimetableSheet::fill(SheetTable& sheet, const QString& title, const ClassTimetable& timetable)
{
    sheet.setText(1, 1, title);
    for (int i = 0; i < TimetableSlot::Count; ++i) {
        const TimetableSlot slot = TimetableSlot::at(i);
        sheet.setText(slot.sheetRow(), slot.sheetColumn(), timetable.cells.value(i));
    }
    sheet.setText(DayRow, 1, u"班主任："_s + timetable.headTeacher);
    sheet.setRowHeights(FirstPeriodRow, TimetableSlot::Periods, PeriodRowHeight);
}

void TimetableSheet::clear(SheetTable& sheet, const QString& title)
{
    ClassTimetable empty;
    fill(sheet, title, empty);
}

void TimetableSheet::beginPrint(SheetTable& print, const SheetTable& source)
{
    print.reset(0, source.columnCount());
    for (int c = 1; c <= source.columnCount(); ++c)
        print.setColumnWidth(c, source.columnWidth(c));
}

void TimetableSheet::appendClass(SheetTable& print, const SheetTable& source, bool allClasses)
{
    print.appendTable(source);
    if (allClasses)
        print.appendRows(BlankRowsAfter);
}

void TimetableSheet::finishPrint(SheetTable& print, const SheetTable& source, bool allClasses)
{
    PageSetup page = print.pageSetup();
    page.paper = PageSetup::A4;
    page.orientation = PageSetup::Portrait;
    page.marginLeft = 200;
    page.marginTop = 130;
    page.marginRight = 200;
    page.marginBottom = 50;
    page.zoom = PageSetup::FitWidth;
    page.fillLastPage = 0;
    page.rowsPerPage = allClasses ? TimetablesPerPage * source.rowCount() + TimetablesPerPage * BlankRowsAfter : 0;
    page.pageNumberPosition = allClasses ? PageSetup::BottomRight : PageSetup::NoPageNumber;
    print.setPageSetup(page);
}

QStringList TimetableSheet::composeAll(SheetTable& print, SheetTable& scratch, const TimetableStore& store,
    const QString& schoolName, const QStringList& classes)
{
    QStringList failed;
    beginPrint(print, scratch);
    for (const QString& name : classes) {
        const std::optional<ClassTimetable> timetable = store.read(name);
        if (!timetable) {
            failed.append(name);
            continue;
        }
        fill(scratch, title(schoolName, name), *timetable);
        appendClass(print, scratch, true);
    }
    finishPrint(print, scratch, true);
    return failed;
}

PageTable TimetableSheet::pageTable(const SheetTable& sheet)
{
    PageTable table;
    table.title = sheet.text(1, 1);
    table.note = sheet.text(DayRow, 1);
    // The day row's first cells hold the head teacher, shown as the note: over 上午/下午 and the
    // periods the captions stay empty.
    for (int c = 1; c <= sheet.columnCount(); ++c) {
        table.captions << (c < TimetableSlot::at(0).sheetColumn() ? QString() : sheet.text(DayRow, c));
        table.kinds << PageTable::Kind::Text;
    }
    for (int r = FirstPeriodRow; r < FirstPeriodRow + TimetableSlot::Periods && r <= sheet.rowCount(); ++r) {
        QStringList row;
        for (int c = 1; c <= sheet.columnCount(); ++c)
            row << sheet.text(r, c);
        table.rows << row;
    }
    return table;
}
