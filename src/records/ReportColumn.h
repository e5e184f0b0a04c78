#pragma once

#include <QString>

// How a report list compares the texts of a column when its header is clicked. Name: a person's
// name, the surname by its surname reading (as "order by 姓名" sorts). BlankAsZero: a number
// column whose empty cells mean 0 (an average with no marks) rather than "unknown". Rate: a share
// with one decimal and a percent sign ("93.3%").
enum class SortAs { Number, Text, Date, Name, BlankAsZero, Rate };

// One visible column of a report list (the hidden column 0 comes before them).
struct ReportColumn
{
    QString title;
    int width = 80;
    SortAs sortAs = SortAs::Text;
};
