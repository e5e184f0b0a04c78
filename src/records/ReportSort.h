#pragma once

#include "records/ReportColumn.h"

#include <QList>
#include <QStringList>

// The order of a report list sorted by one column. Each text is read once: numbers as 64-bit
// integers (an 11-digit phone fits), dates as "%d年%d月%d日", texts in pinyin order as the database
// sorts names. What does not read as a number or date comes after all that does, ordered by its
// text. Equal keys keep their order, so a second click gives the exact reverse of distinct keys.
namespace ReportSort {

// Positions into texts, in the order to show them.
QList<int> order(const QStringList& texts, SortAs sortAs, Qt::SortOrder direction);

} // namespace ReportSort
