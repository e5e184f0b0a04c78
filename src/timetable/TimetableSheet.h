#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct PageTable;

class SheetTable;
class TimetableStore;
struct ClassTimetable;

// The printed timetable: the compiled-in sheet of one class, filled from 班级表, and the print
// sheet that stacks one class or all of them.
namespace TimetableSheet {

// Three timetables and their blank rows to a page when all classes print.
constexpr int TimetablesPerPage = 3;
constexpr int BlankRowsAfter = 2;
constexpr int PeriodRowHeight = 70;

// The bytes of :/templates/timetable.xsk.
QByteArray templateBytes();

// Puts the title, the head-teacher line and the forty subjects into a sheet loaded from the
// template.
void fill(SheetTable& sheet, const QString& title, const ClassTimetable& timetable);
// The title and empty cells: what a class whose row cannot be read shows.
void clear(SheetTable& sheet, const QString& title);

// Empties `print` to the columns and widths of `source`.
void beginPrint(SheetTable& print, const SheetTable& source);
// Appends the rows of `source`, followed by the blank rows when all classes print.
void appendClass(SheetTable& print, const SheetTable& source, bool allClasses);
// A4 portrait, fitted to the width; all classes print three timetables a page, numbered.
void finishPrint(SheetTable& print, const SheetTable& source, bool allClasses);

// Stacks the timetables of `classes` into `print`, reading each class once into `scratch` (a sheet
// loaded from the template). Returns the classes whose row could not be read; they are left out.
QStringList composeAll(SheetTable& print, SheetTable& scratch, const TimetableStore& store, const QString& schoolName,
    const QStringList& classes);

// One class's timetable as the sheet shows it, for 导出: the title, the head-teacher line as the
// note, the days as the captions and a row for each period.
PageTable pageTable(const SheetTable& sheet);

// school name + class name + "课程表".
QString title(const QString& schoolName, const QString& className);

} // namespace TimetableSheet
