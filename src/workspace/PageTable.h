#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class SheetTable;

// What a list or sheet page shows, as plain data: the printed report and the export are built
// from it, so both are tested without driving the page.
struct PageTable
{
    // How a column's texts are written where the type matters (a spreadsheet cell): Number and
    // Money columns hold numbers (Money with two decimals) where the text reads as one.
    enum class Kind { Text, Number, Money };

    QString title; // the page's title label (the score sheet: school, class, exam and "表")
    QString statistics; // the counts line under the title; empty for search results and where none
    QString note; // the wage sheet's pay month (工资日期标签); empty elsewhere
    QStringList captions; // the visible columns (a list's hidden column 0 never appears)
    QList<Kind> kinds; // one per caption
    QList<QStringList> rows; // the texts of each row in the order shown, one per caption
    // The score and wage pages: the sheet on show (caption row included), for a report that keeps
    // its cells' attributes; null for the list pages.
    const SheetTable* sheet = nullptr;

    // A sheet's row 1 as the captions and its other rows as the rows, every column Text.
    static PageTable fromSheet(const SheetTable& sheet);
};
